#include "drilldescriptions.h"

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

QString windowCaption(const QString &exercise)
{
    return u"        Ejercicios gramaticales  ---  Unidad 17:  Ejercicio "_s + exercise;
}

QString instruction(const QString &exercise)
{
    return exercise + u".  Complete con el pretérito indefinido:"_s;
}

QString helpTitle(const QString &drill)
{
    return u"Ejercicio "_s + drill + u"  ---   Ayuda"_s;
}

} // namespace

const DrillDescription &drill1701()
{
    static const DrillDescription drill{
        FormName::zeb1701,
        bank1701,
        34,
        windowCaption(u"1"_s),
        instruction(u"1"_s),
        u"Ejercicio 17/1"_s,
        u"Ejercicio 17/1"_s,
        helpTitle(u"17/1"_s),
        false,
        0,
        {{
            {"Command10", u"&1"_s, Exercise::Drill1, false},
            {"Command5", u"&2"_s, Exercise::Picture2, true},
            {"Command7", u"&4"_s, Exercise::Picture4, true},
            {"Command8", u"&5"_s, Exercise::Drill5, true},
            {"Command9", u"&6"_s, Exercise::Picture6, true},
            {"Command11", u"&7"_s, Exercise::Drill7, true},
            {"Command12", u"1&0"_s, Exercise::Drill10, true},
            {"Command6", u"2 &+ 4 + 6"_s, Exercise::Picture246, true},
        }}};
    return drill;
}

const DrillDescription &drill1705()
{
    static const DrillDescription drill{
        FormName::zeb1705,
        bank1705,
        25,
        windowCaption(u"5"_s),
        instruction(u"5"_s),
        u"Ejercicio 17/5"_s,
        u"Ejercicio 17/5"_s,
        helpTitle(u"17/5"_s),
        false,
        0,
        {{
            {"Command10", u"&1"_s, Exercise::Drill1, true},
            {"Command5", u"&2"_s, Exercise::Picture2, true},
            {"Command7", u"&4"_s, Exercise::Picture4, true},
            {"Command8", u"&5"_s, Exercise::Drill5, false},
            {"Command9", u"&6"_s, Exercise::Picture6, true},
            {"Command11", u"&7"_s, Exercise::Drill7, true},
            {"Command12", u"1&0"_s, Exercise::Drill10, true},
            {"Command6", u"2 &+ 4 + 6"_s, Exercise::Picture246, true},
        }}};
    return drill;
}

// 17/7 sets its opening signs tight, and its button to 17/10 reads "&10".
const DrillDescription &drill1707()
{
    static const DrillDescription drill{
        FormName::zeb1707,
        bank1707,
        31,
        windowCaption(u"7"_s),
        instruction(u"7"_s),
        u"Verbos   ---   Ejercicio 17/7 "_s,
        u"Ejercicio 17/7"_s,
        helpTitle(u"17/7"_s),
        true,
        0,
        {{
            {"Command10", u"&1"_s, Exercise::Drill1, true},
            {"Command5", u"&2"_s, Exercise::Picture2, true},
            {"Command6", u"&4"_s, Exercise::Picture4, true},
            {"Command8", u"&5"_s, Exercise::Drill5, true},
            {"Command12", u"&6"_s, Exercise::Picture6, true},
            {"Command9", u"&7"_s, Exercise::Drill7, false},
            {"Command7", u"&10"_s, Exercise::Drill10, true},
            {"Command11", u"2 &+ 4 + 6"_s, Exercise::Picture246, true},
        }}};
    return drill;
}

// 17/10 draws from 37 items but ends its pass after 34 correct answers.
const DrillDescription &drill1710()
{
    static const DrillDescription drill{
        FormName::zeb1710,
        bank1710,
        34,
        windowCaption(u"10"_s),
        instruction(u"10"_s),
        u"Verbos   ---   Ejercicio 17/10"_s,
        u"Ejercicio 17/10"_s,
        helpTitle(u"17/10"_s),
        false,
        360,
        {{
            {"Command10", u"&1"_s, Exercise::Drill1, true},
            {"Command5", u"&2"_s, Exercise::Picture2, true},
            {"Command7", u"&4"_s, Exercise::Picture4, true},
            {"Command8", u"&5"_s, Exercise::Drill5, true},
            {"Command9", u"&6"_s, Exercise::Picture6, true},
            {"Command11", u"&7"_s, Exercise::Drill7, true},
            {"Command12", u"1&0"_s, Exercise::Drill10, false},
            {"Command6", u"2 &+ 4 + 6"_s, Exercise::Picture246, true},
        }}};
    return drill;
}

} // namespace zeb

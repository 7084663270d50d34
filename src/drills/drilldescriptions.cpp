#include "drilldescriptions.h"

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

using E = Exercise;

constexpr Navigation usualNavigation{{
    {"Command10", "&1", E::Drill1},
    {"Command5", "&2", E::Picture2},
    {"Command7", "&4", E::Picture4},
    {"Command8", "&5", E::Drill5},
    {"Command9", "&6", E::Picture6},
    {"Command11", "&7", E::Drill7},
    {"Command12", "1&0", E::Drill10},
    {"Command6", "2 &+ 4 + 6", E::Picture246},
}};

// 17/7 names its buttons in another order, and its button to 17/10 reads "&10".
constexpr Navigation navigation1707 = [] {
    Navigation navigation = usualNavigation;
    const char *const names[] = {"Command10", "Command5", "Command6", "Command8",
                                 "Command12", "Command9", "Command7", "Command11"};
    for (std::size_t i = 0; i < navigation.size(); ++i)
        navigation[i].name = names[i];
    navigation[6].caption = "&10";
    return navigation;
}();

} // namespace

QString DrillDescription::caption() const
{
    return u"        Ejercicios gramaticales  ---  Unidad 17:  Ejercicio "_s + number;
}

QString DrillDescription::instruction() const
{
    return number + u".  Complete con el pretérito indefinido:"_s;
}

QString DrillDescription::messageTitle() const
{
    return u"Ejercicio 17/"_s + number;
}

QString DrillDescription::helpTitle() const
{
    return messageTitle() + u"  ---   Ayuda"_s;
}

const DrillDescription &drill1701()
{
    static const DrillDescription drill{FormName::zeb1701,   E::Drill1, bank1701,       34, u"1"_s,
                                        u"Ejercicio 17/1"_s, 0,         usualNavigation};
    return drill;
}

const DrillDescription &drill1705()
{
    static const DrillDescription drill{FormName::zeb1705,   E::Drill5, bank1705,       25, u"5"_s,
                                        u"Ejercicio 17/5"_s, 0,         usualNavigation};
    return drill;
}

// 17/7's capital warning has a title of its own.
const DrillDescription &drill1707()
{
    static const DrillDescription drill{
        FormName::zeb1707, E::Drill7, bank1707, 31, u"7"_s, u"Verbos   ---   Ejercicio 17/7 "_s, 0,
        navigation1707};
    return drill;
}

// 17/10 draws from 37 items but ends its pass after 34 correct answers; its running text is
// taller.
const DrillDescription &drill1710()
{
    static const DrillDescription drill{FormName::zeb1710,
                                        E::Drill10,
                                        bank1710,
                                        34,
                                        u"10"_s,
                                        u"Verbos   ---   Ejercicio 17/10"_s,
                                        360,
                                        usualNavigation};
    return drill;
}

} // namespace zeb

#include "accentkeys.h"

using namespace Qt::StringLiterals;

namespace zeb {

QChar translateAccentKey(QChar typed, AccentKeySet keys)
{
    for (const AccentKey &key : AccentKeyTable) {
        if (keys == AccentKeySet::VerbDrill && !key.inDrills)
            continue;
        if (typed == QChar(key.typed))
            return QChar(key.inserted);
    }
    return typed;
}

QString accentKeyHelp()
{
    QString help = u"Las letras acentuadas y signos especiales son como sigue (sobre la base del "
                   u"teclado inglés):"_s;
    for (const AccentKey &key : AccentKeyTable)
        help +=
            u"\r\n                "_s + QChar(key.inserted) + u" = "_s + QChar(key.typed) + u' ';
    return help + u'.';
}

} // namespace zeb

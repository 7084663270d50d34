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
    return u"Las letras acentuadas y signos especiales son como sigue (sobre la base "
           u"del teclado inglés):\r\n"
           u"                á = ' \r\n"
           u"                é = ; \r\n"
           u"                í = ` \r\n"
           u"                ó = \\ \r\n"
           u"                ú = / \r\n"
           u"                ñ = [ \r\n"
           u"                ¡ = @ \r\n"
           u"                ¿ = # ."_s;
}

} // namespace zeb

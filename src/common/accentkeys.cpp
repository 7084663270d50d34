#include "accentkeys.h"

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

} // namespace zeb

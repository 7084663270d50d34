// The accent keys: every character typed, in both kinds of answer box.
#include "common/accentkeys.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in{data, size};
    for (const QChar typed : in.text()) {
        const QChar drill = zeb::translateAccentKey(typed, zeb::AccentKeySet::VerbDrill);
        const QChar picture = zeb::translateAccentKey(typed, zeb::AccentKeySet::PictureExercise);
        // The verb drills never make an opening sign of their own.
        require((drill != u'¡' && drill != u'¿') || drill == typed);
        require(drill == typed || drill == picture);
        bool inTable = false;
        for (const zeb::AccentKey &key : zeb::AccentKeyTable)
            inTable = inTable || typed == QChar(key.typed);
        require(inTable || (drill == typed && picture == typed));
        require(!inTable || picture != typed);
    }
    return 0;
}

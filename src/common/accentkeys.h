// The accent keys: on a plain English keyboard a few punctuation keys type the Spanish letters
// and signs into an answer box (";" gives "é", "[" gives "ñ" and so on).
#pragma once

#include <QString>
#include <array>

namespace zeb {

struct AccentKey
{
    char16_t typed;
    char16_t inserted;
    bool inDrills; // the verb drills need no opening signs
};

// In the order the help lists them; each typed character has one replacement.
inline constexpr std::array<AccentKey, 8> AccentKeyTable{{
    {u'\'', u'á', true},
    {u';', u'é', true},
    {u'`', u'í', true},
    {u'\\', u'ó', true},
    {u'/', u'ú', true},
    {u'[', u'ñ', true},
    {u'@', u'¡', false},
    {u'#', u'¿', false},
}};

enum class AccentKeySet { VerbDrill, PictureExercise };

// The character that typing `typed` inserts into an answer box.
QChar translateAccentKey(QChar typed, AccentKeySet keys);

// The help text that lists the keys, one per line.
QString accentKeyHelp();

} // namespace zeb

// A verb drill's item bank as a table: one row per item, numbered from 1.
#pragma once

#include <span>

namespace zeb {

struct DrillRow
{
    const char16_t *start;      // words before the gap; empty or "¿" when the verb opens
    const char16_t *verbForm;   // the expected preterite form
    const char16_t *end;        // words after the gap, with the closing punctuation
    const char16_t *infinitive; // the prompt shown above the gap
    const char16_t *personHint; // "1", "2", "1 1", "2 2", "3 3" or empty
};

using DrillBank = std::span<const DrillRow>;

DrillBank bank1701();
DrillBank bank1705();
DrillBank bank1707();
DrillBank bank1710();

} // namespace zeb

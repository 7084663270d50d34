// What makes each verb drill its own: its bank and pass length, its captions and message titles,
// its navigation buttons and its few layout differences.
#pragma once

#include "../common/exercises.h"
#include "../common/forms.h"
#include "drillbank.h"

#include <QString>
#include <array>

namespace zeb {

struct NavigationButton
{
    const char *name;
    const char *caption;
    Exercise target; // the drill's own button is disabled
};
using Navigation = std::array<NavigationButton, 8>;

struct DrillDescription
{
    FormName window;
    Exercise exercise;
    DrillBank (*bank)();
    int passLength;
    QString number; // "5" for exercise 17/5
    QString capitalWarningTitle;
    // Extra height of the running text; everything below it moves down as much.
    int extraTextHeight;
    // In the order "&1", "&2", "&4", "&5", "&6", "&7", "1&0", "2 &+ 4 + 6" of the button row.
    const Navigation &navigation;

    QString caption() const;
    QString instruction() const;
    QString messageTitle() const; // wrong answer and end of pass
    QString helpTitle() const;
};

const DrillDescription &drill1701();
const DrillDescription &drill1705();
const DrillDescription &drill1707();
const DrillDescription &drill1710();

} // namespace zeb

#include "exercises.h"

#include "forms.h"

namespace zeb {
namespace {

FormName windowOf(Exercise exercise)
{
    switch (exercise) {
    case Exercise::Drill1:
        return FormName::zeb1701;
    case Exercise::Drill5:
        return FormName::zeb1705;
    case Exercise::Drill7:
        return FormName::zeb1707;
    case Exercise::Drill10:
        return FormName::zeb1710;
    default:
        return FormName::zeb1702;
    }
}

} // namespace

bool openExercise(Exercise exercise)
{
    Form *window = forms::show(windowOf(exercise));
    if (!window)
        return false;
    window->chooseExercise(exercise);
    return true;
}

} // namespace zeb

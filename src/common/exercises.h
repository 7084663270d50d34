// The exercises of the unit and how one window opens another: the menu and every exercise
// window open an exercise the same way.
#pragma once

namespace zeb {

enum class Exercise { Drill1, Picture2, Picture4, Drill5, Picture6, Drill7, Drill10, Picture246 };

// Shows the exercise's window, modeless, and tells it which exercise to run. False when the
// window cannot be opened; the opener then stays where it is.
bool openExercise(Exercise exercise);

} // namespace zeb

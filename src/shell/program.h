// The program's start: which class builds each window, and the splash that opens the menu.
#pragma once

namespace zeb {

// Tells the window registry how to build every window of the program.
void defineForms();
// Sets up fonts, style and icon, then shows the about window as the start-up splash.
void startProgram();

} // namespace zeb

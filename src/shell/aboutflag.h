// Whether the about window has been opened from the menu (or has been closed once): it then
// takes its menu look rather than the start-up splash. Nothing sets it back to 0.
#pragma once

#include <QtGlobal>

namespace zeb {

extern qint16 AboutOpenedFromMenu;

} // namespace zeb

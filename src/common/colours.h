// The program's colours, each defined once.
#pragma once

#include <QColor>

namespace zeb::colours {

inline const QColor exerciseWindow(224, 224, 224); // the drills and the picture exercise
inline const QColor menuWindow(192, 192, 192);     // the menu and the about window
inline const QColor lightYellow(255, 255, 224);    // the background, answer boxes, picture buttons
inline const QColor indicatorGreen(46, 139, 87);
inline const QColor punctuationGrey(128, 128, 128);
inline const QColor questionWordBox(255, 236, 160);
inline const QColor errorRed(192, 0, 0);
// Focus marks and selections: dark enough to stand out 3:1 on every background of the windows.
inline const QColor focusBlue(0, 70, 160);

} // namespace zeb::colours

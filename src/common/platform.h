// What the program takes from the desktop: message boxes, the beep, windows kept on top,
// sizes in twips, fonts by their classic names and pictures by number.
#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QWidget;

namespace zeb {

enum class MessageIcon { Exclamation, Information, Critical };

// A modal message box with one OK button; returns when the learner has closed it. A non-empty
// `informative` text is the box's second line.
void showMessage(QWidget *parent, const QString &text, const QString &title, MessageIcon icon,
                 const QString &informative = {});
// How many message boxes are open, one inside the other; and what runs when the last one closes.
int openMessageCount();
void whenLastMessageCloses(std::function<void()> action);

void beep();
int beepCount(); // how many beeps so far, for tests

// Keeps the window above all others, or lets it go; a visible window stays visible.
void setKeptOnTop(QWidget *window, bool onTop);

// 1440 twips make an inch; pixels follow the screen's logical DPI.
int twipsToPixels(int twips);
QRect twipsRect(const QRect &twips, double scale = 1);

// Puts the window in the middle of the screen, never past its top-left corner.
void centreOnScreen(QWidget *window);

// Fonts by the names the program was designed with; metric-compatible faces stand in for them.
inline const QString sansSerif = QStringLiteral("MS Sans Serif");
inline const QString arial = QStringLiteral("Arial");
inline const QString timesNewRoman = QStringLiteral("Times New Roman");
void installFontSubstitutes();

// The resource path of picture number `number` (the scene pictures).
QString picturePath(int number);

} // namespace zeb

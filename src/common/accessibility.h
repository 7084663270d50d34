// What a screen reader is told beyond the controls' own names: the painted texts, and the
// feedback lines that it reads out when they appear or change. Costs nothing while no screen
// reader is running.
#pragma once

class QWidget;

namespace zeb {

// Makes the program's own accessible interfaces known to Qt (once).
void installAccessibility();
// A line of feedback (a verdict, a solution, a question, the progress) is an alert to a screen
// reader.
void markAsFeedback(QWidget *line);
// Tells a screen reader that the feedback line shows something new.
void announce(QWidget *line);

} // namespace zeb

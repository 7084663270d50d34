// What a screen reader is told beyond the controls' own names: the painted texts, the options'
// state, and what a window says when something changes while the focus stays where it is.
// Costs nothing while no screen reader is running.
#pragma once

class QString;
class QWidget;

namespace zeb {

// Makes the program's own accessible interfaces known to Qt (once).
void installAccessibility();

// The name a screen reader reads for the control.
QString spokenName(QWidget *control);

// Has the window of `control` say `text` once the handler that runs has ended: what one change
// brings (a sentence completed, the next item, the progress) is said as one notification, in
// the order it was given. A change that moves the focus says nothing of what the focused
// control's description reads out anyway.
void say(QWidget *control, const QString &text);
// Says at once what the windows have to say: a message box is about to take the screen reader.
void sayPendingNow();

} // namespace zeb

// The answer box of an exercise window: typed keys pass through the accent key table before the
// box inserts them; pasted text stays as it is.
#pragma once

#include "accentkeys.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace zeb {

class AnswerBox : public QLineEdit
{
    Q_OBJECT

public:
    AnswerBox(AccentKeySet keys, QWidget *parent);
    // Enter in the box presses this button while it is shown and enabled.
    void setDefaultButton(QPushButton *button);

signals:
    // Every key that types a character, before it is translated.
    void keyTyped();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    AccentKeySet m_keys;
    QPointer<QPushButton> m_defaultButton;
};

} // namespace zeb

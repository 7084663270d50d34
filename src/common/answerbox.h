// The answer box of an exercise window: typed keys pass through the accent key table before the
// box inserts them; pasted text stays as it is.
#pragma once

#include "accentkeys.h"

#include <QLineEdit>

namespace zeb {

class AnswerBox : public QLineEdit
{
    Q_OBJECT

public:
    AnswerBox(AccentKeySet keys, QWidget *parent);

signals:
    // Every key that types a character, before it is translated.
    void keyTyped();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    AccentKeySet m_keys;
};

} // namespace zeb

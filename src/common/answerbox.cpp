#include "answerbox.h"

#include <QKeyEvent>

namespace zeb {

AnswerBox::AnswerBox(AccentKeySet keys, QWidget *parent) : QLineEdit(parent), m_keys(keys)
{
    connect(this, &QLineEdit::returnPressed, this, [this] {
        if (m_defaultButton && !m_defaultButton->isHidden() && m_defaultButton->isEnabled())
            m_defaultButton->click();
    });
}

void AnswerBox::setDefaultButton(QPushButton *button)
{
    m_defaultButton = button;
    button->setDefault(true);
}

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (typed.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    emit keyTyped();
    const QChar inserted = typed.size() == 1 ? translateAccentKey(typed.front(), m_keys) : QChar();
    if (inserted.isNull() || inserted == typed.front()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The box inserts the translated character as if it had been typed.
    QKeyEvent translated(event->type(), event->key(), event->modifiers(), QString(inserted),
                         event->isAutoRepeat(), ushort(event->count()));
    QLineEdit::keyPressEvent(&translated);
    event->setAccepted(translated.isAccepted());
}

} // namespace zeb

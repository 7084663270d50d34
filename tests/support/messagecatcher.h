// Watches for the program's modal message boxes while a test drives a window: each one is
// recorded and closed with its OK button, so the handler that showed it goes on.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

struct CaughtMessage
{
    QString title;
    QString text;
    QMessageBox::Icon icon;
    int buttonCount;
};

class MessageCatcher : public QObject
{
public:
    MessageCatcher()
    {
        connect(&m_poll, &QTimer::timeout, this, &MessageCatcher::closeModalBox);
        m_poll.start(5);
    }

    QList<CaughtMessage> messages;

    // The messages caught so far as "title / text", each marked unless it has `icon` and one
    // button; they are forgotten.
    QStringList take(QMessageBox::Icon icon)
    {
        QStringList out;
        for (const CaughtMessage &m : std::exchange(messages, {}))
            out << m.title + QStringLiteral(" / ") + m.text +
                       (m.icon == icon && m.buttonCount == 1 ? QString()
                                                             : QStringLiteral(" (odd box)"));
        return out;
    }
    // Runs while a box is open, before it is closed: what a learner's stray clicks would do.
    std::function<void()> whileOpen;

private:
    void closeModalBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        if (!box->property("caught").toBool()) {
            box->setProperty("caught", true);
            messages.append(
                {box->windowTitle(), box->text(), box->icon(), int(box->buttons().size())});
            if (whileOpen) { // the box stays open for it, and is closed by a later round
                QTimer::singleShot(0, this, std::exchange(whileOpen, {}));
                return;
            }
        }
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    }

    QTimer m_poll;
};

// Watches for the program's modal message boxes while a test drives a window: each one is
// recorded and closed with its OK button, so the handler that showed it goes on.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

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

private:
    void closeModalBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        messages.append({box->windowTitle(), box->text(), box->icon(), int(box->buttons().size())});
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    }

    QTimer m_poll;
};

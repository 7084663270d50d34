// What the tests share: scripted draws, controls by name, a catcher for the message boxes.
#pragma once

#include "common/random.h"

#include <QtWidgets>

inline void scriptDraws(QList<double> values) // in turn, then the last one over and over
{
    struct Scripted : zeb::RandomSource
    {
        QList<double> values;
        double uniform() override { return values.size() > 1 ? values.takeFirst() : values[0]; }
    };
    auto source = std::make_unique<Scripted>();
    source->values = std::move(values);
    zeb::setRandomSource(std::move(source));
}

template <typename Control = QWidget> Control *control(QWidget *window, const QString &name)
{
    return window ? window->findChild<Control *>(name) : nullptr;
}

// Records each modal box the program opens, as it appears, as "icon|title|text" (its second line
// after a line break; "|odd box" unless its one button is OK), and closes it; `whileOpen` runs
// once while the next box is still open.
class MessageCatcher : public QObject
{
public:
    MessageCatcher()
    {
        qApp->installEventFilter(this);
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            if (whileOpen && !box->property("waited").toBool()) { // the box stays open for it
                box->setProperty("waited", true);
                return QTimer::singleShot(0, this, std::exchange(whileOpen, {}));
            }
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
        });
        m_poll.start(5);
    }

    QStringList messages;
    std::function<void()> whileOpen;
    QStringList take() { return std::exchange(messages, {}); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Show) {
            const bool plain = box->buttons().size() == 1 && box->button(QMessageBox::Ok);
            const QString second = box->informativeText();
            messages << QString::number(box->icon()) + u'|' + box->windowTitle() + u'|' +
                            box->text() + (second.isEmpty() ? QString() : u'\n' + second) +
                            (plain ? QString() : QStringLiteral("|odd box"));
        }
        return false;
    }

private:
    QTimer m_poll;
};

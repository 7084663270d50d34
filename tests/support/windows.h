// Helpers of the window tests: finding the program's windows and controls by name.
#pragma once

#include <QApplication>
#include <QWidget>

// The loaded top-level window called `name`, or null.
inline QWidget *findWindow(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name)
            return widget;
    }
    return nullptr;
}

template <typename Control = QWidget> Control *control(QWidget *window, const QString &name)
{
    return window ? window->findChild<Control *>(name) : nullptr;
}

// Lets deferred deletions and queued events run.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

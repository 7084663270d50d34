#include "platform.h"

#include "accessibility.h"

#include <QApplication>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <cmath>

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

int beeps = 0;
int openMessages = 0;
std::function<void()> lastMessageClosed;

double logicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

} // namespace

void showMessage(QWidget *parent, const QString &text, const QString &title, MessageIcon icon,
                 const QString &informative)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(informative);
    switch (icon) {
    case MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    sayPendingNow(); // before the box, which a screen reader reads at once
    ++openMessages;
    box.exec();
    if (--openMessages == 0 && lastMessageClosed)
        lastMessageClosed();
}

int openMessageCount()
{
    return openMessages;
}

void whenLastMessageCloses(std::function<void()> action)
{
    lastMessageClosed = std::move(action);
}

void beep()
{
    ++beeps;
    QApplication::beep();
}

int beepCount()
{
    return beeps;
}

void setKeptOnTop(QWidget *window, bool onTop)
{
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window's flags hides it.
    if (wasVisible)
        window->show();
}

int twipsToPixels(int twips)
{
    return int(std::lround(twips * logicalDpi() / 1440.0));
}

QRect twipsRect(const QRect &twips, double scale)
{
    const auto pixels = [scale](int t) { return twipsToPixels(int(std::lround(t * scale))); };
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A window that has not been shown yet takes its size from its contents first.
    if (window->layout())
        window->layout()->activate();
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    const int top = area.top() + std::max(0, area.height() / 2 - size.height() / 2);
    const int left = area.left() + std::max(0, area.width() / 2 - size.width() / 2);
    window->move(left, top);
}

void installFontSubstitutes()
{
    QFont::insertSubstitutions(sansSerif, {u"Liberation Sans"_s, arial});
    QFont::insertSubstitutions(arial, {u"Liberation Sans"_s});
    QFont::insertSubstitutions(timesNewRoman, {u"Liberation Serif"_s});
}

QString picturePath(int number)
{
    return u":/pictures/%1"_s.arg(number);
}

} // namespace zeb

// The about window. At start-up it is the splash that opens the menu after a moment; opened
// from the menu it stays until "Vale". In both looks a small animation runs, and the icon gives
// the longer information text.
#pragma once

#include "../common/forms.h"
#include "../common/picturebox.h"

#include <QPushButton>

class QTimer;

namespace zeb {

class AboutWindow : public Form
{
    Q_OBJECT

public:
    AboutWindow();

    void Form_Load() override;
    void Form_Unload() override;
    // The menu's opening keeps the window: no second menu comes from it.
    void switchOffStartupTimer();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void sobre_Command1_Click();
    void sobre_Timer1_Timer();
    void sobre_Timer2_Timer();
    void sobre_Image2_Click();

    PictureBox *Image1 = control<PictureBox>("Image1"), *Image3 = control<PictureBox>("Image3"),
               *Image4 = control<PictureBox>("Image4"), *Image5 = control<PictureBox>("Image5");
    QPushButton *Command1 = control<QPushButton>("Command1");
    QTimer *Timer1 = nullptr, *Timer2 = nullptr;
};

// The information text: what the program is, then the author's lines.
QString aboutInformation();

} // namespace zeb

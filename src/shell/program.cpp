#include "program.h"

#include "../common/colours.h"
#include "../common/forms.h"
#include "../common/platform.h"
#include "../drills/drilldescriptions.h"
#include "../drills/drillwindow.h"
#include "../picture/picturewindow.h"
#include "alap.h"
#include "hatter.h"
#include "sobre.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace zeb {

void defineForms()
{
    forms::define(FormName::sobre, [] { return new AboutWindow; });
    forms::define(FormName::hatter, [] { return new BackgroundWindow; });
    forms::define(FormName::alap, [] { return new MainMenu; });
    forms::define(FormName::zeb1701, [] { return new DrillWindow(drill1701()); });
    forms::define(FormName::zeb1705, [] { return new DrillWindow(drill1705()); });
    forms::define(FormName::zeb1707, [] { return new DrillWindow(drill1707()); });
    forms::define(FormName::zeb1710, [] { return new DrillWindow(drill1710()); });
    forms::define(FormName::zeb1702, [] { return new PictureWindow; });
}

void startProgram()
{
    installFontSubstitutes();
    QApplication::setStyle(u"Fusion"_s);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Highlight, colours::focusBlue);
    QApplication::setPalette(palette);
    QApplication::setWindowIcon(QIcon(u":/pictures/zeb.svg"_s));
    defineForms();
    forms::show(FormName::sobre);
}

} // namespace zeb

#include "optionbutton.h"

namespace zeb {

OptionButton::OptionButton(const QString &caption, QWidget *parent) : QRadioButton(caption, parent)
{
    setAutoExclusive(false);
}

void OptionButton::select()
{
    if (isChecked())
        return;
    setChecked(true);
    for (OptionButton *other :
         parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly)) {
        if (other != this)
            other->unselect();
    }
    emit selected();
}

void OptionButton::nextCheckState()
{
    select();
}

} // namespace zeb

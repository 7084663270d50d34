// An option button of a frame: choosing it, by a click or from code, selects it, unselects the
// other options of its frame and runs its handler once. Unlike a plain radio button, an option
// can also be unselected, so a frame may have no option selected at all.
#pragma once

#include <QRadioButton>

namespace zeb {

class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    OptionButton(const QString &caption, QWidget *parent);

    // As a click on it: nothing happens to an option that is selected already.
    void select();
    // Takes the selection away without running the handler.
    void unselect() { setChecked(false); }

signals:
    void selected();

protected:
    // A click selects; it never unselects.
    void nextCheckState() override;
};

} // namespace zeb

// The main menu: a picture button for every exercise of the unit, "Cerrar", and the help menu.
#pragma once

#include "../common/exercises.h"
#include "../common/forms.h"

namespace zeb {

class MainMenu : public Form
{
    Q_OBJECT

public:
    MainMenu();
    void Form_Load() override;

private:
    void open(Exercise exercise);
    void alap_Command1_Click();
    void alap_acerca_Click();
    void alap_como_Click();
};

} // namespace zeb

// The background window: a light yellow desktop behind the menu and the exercises.
#pragma once

#include "../common/forms.h"

namespace zeb {

class BackgroundWindow : public Form
{
    Q_OBJECT

public:
    BackgroundWindow();
    void Form_Load() override;
};

} // namespace zeb

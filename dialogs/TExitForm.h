// The window "Выход".
#pragma once

#include "ui/TForm.h"

class TExitForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TExitForm(QWidget* parent);

};

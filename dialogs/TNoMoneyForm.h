// The window "Закончились деньги".
#pragma once

#include "ui/TForm.h"

class TNoMoneyForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TNoMoneyForm(QWidget* parent);

};

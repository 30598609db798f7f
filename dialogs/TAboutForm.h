// The window "О программе".
#pragma once

#include "ui/TForm.h"

class TAboutForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent);

};

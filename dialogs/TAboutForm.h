// The window "О программе".
#pragma once

#include "ui/TForm.h"

class QLabel;
class QPushButton;

namespace ui {
class TBevel;
class TSvgImage;
}  // namespace ui

class TAboutForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent);

    // Controls, in the window's declaration order.
    QPushButton* btnOK = nullptr;
    ui::TSvgImage* Image2 = nullptr;
    ui::TBevel* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
};

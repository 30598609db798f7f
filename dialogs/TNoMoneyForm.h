// The window "Закончились деньги": the lake goes on without control to the end of the game.
#pragma once

#include "ui/TForm.h"

class QLabel;
class QPushButton;

namespace ui {
class TBevel;
class TSvgImage;
}  // namespace ui

class TNoMoneyForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TNoMoneyForm(QWidget* parent);

    // Controls, in the window's declaration order. The texts are fixed.
    ui::TSvgImage* Image1 = nullptr;
    ui::TBevel* Bevel1 = nullptr;
    QPushButton* btnOk = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
};

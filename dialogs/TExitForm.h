// The window "Выход": the borderless exit confirmation "Выйти из игры?".
#pragma once

#include "ui/TForm.h"

class QLabel;
class QPushButton;

namespace ui {
class TBevel;
class TPanel;
}  // namespace ui

class TExitForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TExitForm(QWidget* parent);

    // Controls, in the window's declaration order.
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    ui::TPanel* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    ui::TBevel* Bevel1 = nullptr;

public slots:
    // Closes the main window, which saves the settings and ends the program.
    void btnOkClick();
};

// The window "Оценка действий".
#pragma once

#include "ui/TForm.h"

class TMarkForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TMarkForm(QWidget* parent);
    // Fills the grade for the penalty points and shows it modally.
    void ShowGrade(int PenaltyPoints);
};

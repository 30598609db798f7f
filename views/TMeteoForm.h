// The window "Метеопрогноз".
#pragma once

#include "ui/TForm.h"

class TMeteoForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TMeteoForm(QWidget* parent);
    // Fills the weather forecast of the period and shows it modally.
    void ShowForecast(int Decade);
};

// The window "Прогноз сброса сточных вод предприятиями".
#pragma once

#include "ui/TForm.h"

class TSbrosForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TSbrosForm(QWidget* parent);
    // Fills the discharge forecast of the period and shows it modally.
    void ShowForecast(int Decade);
};

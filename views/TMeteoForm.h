// The window "Метеопрогноз": the weather of the current ten-day period.
#pragma once

#include <QLabel>
#include <QPushButton>

#include "ui/TForm.h"
#include "ui/Widgets.h"

class TMeteoForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TMeteoForm(QWidget* parent);

    // Fills the weather forecast of the period and shows it modally.
    void ShowForecast(int Decade);

    // Writes the five weather texts from the period's row of the weather table.
    void FillForecast(int Decade);

    // Controls, in the window's declaration order.
    ui::TPanel* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    ui::TSvgImage* Image1 = nullptr;
    QPushButton* btnOk = nullptr;
    QLabel* lblAir = nullptr;
    QLabel* lblWater = nullptr;
    QLabel* lblOsad = nullptr;
    QLabel* lblDavl = nullptr;
    QLabel* lblWind = nullptr;
};

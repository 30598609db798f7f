// The window "Прогноз сброса сточных вод предприятиями": the waste water of the plant, the factory
// and the resort in the current ten-day period, and the botanical garden's intake.
#pragma once

#include <QLabel>
#include <QPushButton>


#include "ViewParts.h"
#include "ui/TForm.h"
#include "ui/Widgets.h"

class TSbrosForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TSbrosForm(QWidget* parent);

    // Fills the discharge forecast of the period and shows it modally.
    void ShowForecast(int Decade);

    // Writes the ten figures from the period's rows of the discharge and garden tables.
    void FillForecast(int Decade);

    // Controls, in the window's declaration order.
    ui::TPanel* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* btnOk = nullptr;
    ui::TBevel* Bevel1 = nullptr;
    ui::TBevel* Bevel2 = nullptr;
    ui::TBevel* Bevel3 = nullptr;
    ui::TBevel* Bevel4 = nullptr;
    ui::TBevel* Bevel5 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    ui::TBevel* Bevel6 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    ui::TBevel* Bevel7 = nullptr;
    ui::TBevel* Bevel8 = nullptr;
    QLabel* lbl41 = nullptr;

    // The cell lblCR of column C (plant, factory, resort) and row R (volume, organics, inorganics).
    QLabel* Cell(int column, int row) const { return cells[column][row]; }

private:
    views::CellGrid cells{};  // [enterprise][volume, organics, inorganics]
};

// The window "Отчет": the date, the money, the water level and the nine concentrations of the
// three zones, each painted blue while it keeps its zone's limit and red when it breaks it.
#pragma once

#include <QLabel>
#include <QPushButton>


#include "ViewParts.h"
#include "ui/TForm.h"
#include "ui/Widgets.h"

#include "GameHost.h"
#include "GameState.h"

class TOtchetForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TOtchetForm(QWidget* parent);

    // Shows the date on the main window, fills the report from the game and shows it modally.
    void ShowReport(const tarnova::GameState& g, tarnova::GameHost& host);

    // Writes all twelve value texts and the nine cell colours from the game.
    void FillReport(const tarnova::GameState& g);

    // The cell of zone `zone` (0..2) and quantity `row` (0 oxygen, 1 organics, 2 inorganics).
    QLabel* Cell(int zone, int row) const { return cells[zone][row]; }

    // Controls, in the window's declaration order.
    ui::TPanel* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;  // the date
    QLabel* Label6 = nullptr;  // the money
    QLabel* Label7 = nullptr;  // the water level
    QPushButton* btnOk = nullptr;
    ui::TBevel* Bevel1 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    ui::TBevel* Bevel2 = nullptr;
    ui::TBevel* Bevel3 = nullptr;
    ui::TBevel* Bevel4 = nullptr;
    ui::TBevel* Bevel5 = nullptr;
    ui::TBevel* Bevel6 = nullptr;
    ui::TBevel* Bevel7 = nullptr;

private:
    views::CellGrid cells{};  // [zone][quantity]
};

// The window "Отчет".
#pragma once

#include "ui/TForm.h"

#include "GameHost.h"
#include "GameState.h"

class TOtchetForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TOtchetForm(QWidget* parent);
    // Shows the date on the main window, fills the report from the game and shows it modally.
    void ShowReport(const tarnova::GameState& g, tarnova::GameHost& host);
};

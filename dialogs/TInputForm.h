// The window "Ввод данных".
#pragma once

#include "ui/TForm.h"

#include "GameState.h"

class TInputForm : public ui::TForm {
    Q_OBJECT
public:
    explicit TInputForm(QWidget* parent);
    // The decision dialog, modal; writes the five decisions into the game when accepted.
    void Execute(tarnova::GameState& g);
};

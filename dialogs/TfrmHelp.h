// The window "Руководство пользователя".
#pragma once

#include "ui/TForm.h"

class TfrmHelp : public ui::TForm {
    Q_OBJECT
public:
    explicit TfrmHelp(QWidget* parent);
    // Shows the guide beside the main window, without modality.
    void ShowGuide();
};

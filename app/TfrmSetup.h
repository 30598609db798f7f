// The setup dialog: the day duration and the end-of-cycle report.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "ui/TForm.h"

namespace ui {
class TBevel;
}

class TfrmMain;

class TfrmSetup : public ui::TForm {
    Q_OBJECT
public:
    explicit TfrmSetup(TfrmMain* main);

    QSlider* tbTick = nullptr;
    QLabel* Label1 = nullptr;
    ui::TBevel* Bevel1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QCheckBox* chbOtchet = nullptr;

public slots:
    void btnOkClick();

protected:
    void showEvent(QShowEvent* e) override;  // FormActivate: the current values

private:
    TfrmMain* main;
};

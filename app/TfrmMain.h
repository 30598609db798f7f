// The main window: the date, the lake and the commands that run the game.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "GameHost.h"
#include "GameState.h"

class TfrmMain : public QWidget, public tarnova::GameHost {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);

    tarnova::GameState& game() { return Game; }

    // GameHost
    void ShowDate() override;
    void EndCycle() override;
    void ShowReportForm() override {}
    void ShowNoMoneyNotice() override {}
    void ShowGrade() override {}
    void SetTimerEnabled(bool on) override;
    bool ShowReport() const override { return false; }

    QLabel* lblDate = nullptr;
    QLabel* lblMonth = nullptr;
    QPushButton* btnGo = nullptr;
    QTimer* tmrDays = nullptr;

private slots:
    void btnGoClick();
    void tmrDaysTimer();

private:
    tarnova::GameState Game;
};

// A game host for tests: records every call the day step makes, in order.
#pragma once

#include <QStringList>

#include "GameHost.h"
#include "GameState.h"

class RecordingHost : public tarnova::GameHost {
public:
    explicit RecordingHost(const tarnova::GameState& g) : game(g) {}

    void ShowDate() override { calls << QStringLiteral("ShowDate"); }
    void EndCycle() override { calls << QStringLiteral("EndCycle"); }
    void ShowReportForm() override { calls << QStringLiteral("ShowReportForm"); }
    void ShowNoMoneyNotice() override { calls << QStringLiteral("NoMoney"); }
    void ShowGrade() override {
        calls << QStringLiteral("ShowGrade");
        atGrade = game;
    }
    void SetTimerEnabled(bool on) override {
        calls << (on ? QStringLiteral("TimerOn") : QStringLiteral("TimerOff"));
    }
    bool ShowReport() const override { return showReport; }

    const tarnova::GameState& game;
    bool showReport = true;
    QStringList calls;
    tarnova::GameState atGrade;  // the finished game, as the grade sees it
};

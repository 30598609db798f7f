// What the day step needs from the window that runs the game.
#pragma once

namespace tarnova {

// The day step reaches the user interface only through these calls, at fixed points of the day.
// The main window implements them; the simulator and the tests implement recorders.
class GameHost {
public:
    virtual ~GameHost() = default;

    // Shows DayNo as day and month.
    virtual void ShowDate() = 0;
    // Stops the timer, shows the report when the player wants it after a cycle, and hands the
    // controls back to the player.
    virtual void EndCycle() = 0;
    // Fills and shows the report of the lake's state (modal).
    virtual void ShowReportForm() = 0;
    // The modal notice that the money has run out.
    virtual void ShowNoMoneyNotice() = 0;
    // Shows the grade of the finished game (modal). The game state still holds the finished game;
    // the model starts the new game when this returns.
    virtual void ShowGrade() = 0;
    // Switches the day timer off and on around the money notice.
    virtual void SetTimerEnabled(bool on) = 0;
    // Whether the report is shown at the end of each cycle.
    virtual bool ShowReport() const = 0;
};

// A host that shows nothing, for running the model without windows.
class SilentHost : public GameHost {
public:
    void ShowDate() override {}
    void EndCycle() override {}
    void ShowReportForm() override {}
    void ShowNoMoneyNotice() override {}
    void ShowGrade() override {}
    void SetTimerEnabled(bool) override {}
    bool ShowReport() const override { return true; }
};

}  // namespace tarnova

// The main window: the date, the lake, the commands, the day timer and the menu.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "GameHost.h"
#include "GameState.h"

namespace ui {
class TBevel;
class TSvgImage;
}  // namespace ui

class TfrmMain : public QMainWindow, public tarnova::GameHost {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);

    // The game in play.
    tarnova::GameState Game;

    // Controls, in the window's declaration order.
    ui::TSvgImage* Image1 = nullptr;
    ui::TBevel* Bevel1 = nullptr;
    QPushButton* btnOtchet = nullptr;
    QPushButton* btnMeteo = nullptr;
    QPushButton* btnSbros = nullptr;
    ui::TBevel* Bevel2 = nullptr;
    QPushButton* btnInput = nullptr;
    QPushButton* btnGo = nullptr;
    QPushButton* btnExit = nullptr;
    QMenu* miHelp = nullptr;
    QAction* miAbout = nullptr;
    ui::TBevel* Bevel3 = nullptr;
    QMenu* miGame = nullptr;
    QAction* miNewGame = nullptr;
    QAction* miExit = nullptr;
    QLabel* lblMonth = nullptr;
    ui::TBevel* Bevel4 = nullptr;
    QToolButton* btnZoomIn = nullptr;
    QToolButton* btnZoomOut = nullptr;
    QLabel* lblDate = nullptr;
    ui::TBevel* Bevel5 = nullptr;
    QMenu* miView = nullptr;
    QAction* miZoomIn = nullptr;
    QAction* miZoomOut = nullptr;
    QTimer* tmrDays = nullptr;
    QAction* miSetup = nullptr;
    QAction* miHelpText = nullptr;

    // Settings: window enlargement step 0..3, day duration in quarter seconds 1..12, and whether
    // the report is shown at the end of each cycle.
    int ZoomLevel = 0;
    int TickSetting = 6;
    bool ShowReport_ = true;

    // The client area below the menu bar, which the zoom steps grow and shrink.
    QWidget* Client() const { return client; }
    void SetClientSize(QSize size);
    // Places the window in the centre of the screen when it is next shown.
    void CenterOnScreenWhenShown() { centerOnShow = true; }

    // GameHost: what the day step shows and switches.
    void ShowDate() override;
    void EndCycle() override;
    void ShowReportForm() override;
    void ShowNoMoneyNotice() override;
    void ShowGrade() override;
    void SetTimerEnabled(bool on) override;
    bool ShowReport() const override { return ShowReport_; }

    // Reads the settings file and applies it (interval, zoom).
    void LoadSettings();

public slots:
    void btnExitClick();
    void miAboutClick();
    void btnOtchetClick();
    void btnMeteoClick();
    void btnSbrosClick();
    void btnInputClick();
    void btnGoClick();
    void miNewGameClick();
    void btnZoomInClick();
    void btnZoomOutClick();
    void tmrDaysTimer();
    void miSetupClick();
    void miHelpTextClick();

protected:
    void FormCreate();
    void closeEvent(QCloseEvent* e) override;  // FormClose
    void keyPressEvent(QKeyEvent* e) override;
    void setVisible(bool visible) override;

private:
    void BuildMenu();
    void SetCommandsEnabled(bool on);
    QAction* AddItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                     void (TfrmMain::*handler)());

    QWidget* client = nullptr;
    bool centerOnShow = true;
};

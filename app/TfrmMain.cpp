// The main window.

#include "TfrmMain.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>

#include "Forms.h"
#include "Lake.h"
#include "Settings.h"
#include "Zoom.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/TForm.h"
#include "ui/Widgets.h"

using ui::Face;
using ui::TBevel;

namespace {

const QString MainCaption = QStringLiteral("Имитационная игра \"ТАРНОВА\"");

}  // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(MainCaption);
    setWindowIcon(ui::WindowIcon(QStringLiteral(":/assets/app_icon.svg")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(ui::Font(Face::MsSansSerif, 11));

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    // Controls at their design places; the zoom steps move and stretch some of them.
    auto place = [](QWidget* w, const char* name, QRect r) {
        w->setObjectName(QLatin1String(name));
        w->setGeometry(r);
    };
    Bevel1 = new TBevel(client, TBevel::Shape::Box, TBevel::Style::Lowered);
    place(Bevel1, "Bevel1", Zoom::Bevel1At0);
    Image1 = new ui::TSvgImage(client, QStringLiteral(":/assets/lake.svg"));
    place(Image1, "Image1", Zoom::Image1At0);
    Bevel2 = new TBevel(client, TBevel::Shape::LeftLine, TBevel::Style::Raised);
    place(Bevel2, "Bevel2", Zoom::Bevel2At0);

    auto command = [&](const char* name, const QString& caption, int top, QFont font) {
        auto* b = new QPushButton(caption, client);
        place(b, name, QRect(Zoom::ButtonsLeftAt0, top, 129, 25));
        b->setFont(font);
        return b;
    };
    const QFont arial12 = ui::Font(Face::Arial, 12);
    btnOtchet = command("btnOtchet", QStringLiteral("ОТЧЕТ"), 48, ui::Font(Face::MsSansSerif, 11));
    btnMeteo = command("btnMeteo", QStringLiteral("МЕТЕО ПРОГНОЗ"), 80, arial12);
    btnSbros = command("btnSbros", QStringLiteral("ПРОГНОЗ СБРОСА"), 112, arial12);
    btnInput = command("btnInput", QStringLiteral("ВВОД ДАННЫХ"), 144, arial12);
    btnGo = command("btnGo", QStringLiteral("ЗАПУСК ЦИКЛА"), 176, arial12);
    btnExit = command("btnExit", QStringLiteral("ВЫХОД"), 224, arial12);
    btnOtchet->setDefault(true);

    Bevel3 = new TBevel(client, TBevel::Shape::TopLine, TBevel::Style::Lowered);
    place(Bevel3, "Bevel3", QRect(0, 0, Zoom::ClientAt0.width(), 1));
    Bevel5 = new TBevel(client, TBevel::Shape::Box, TBevel::Style::Lowered);
    place(Bevel5, "Bevel5", QRect(8, 8, 25, 25));
    lblDate = new QLabel(client);
    place(lblDate, "lblDate", QRect(12, 10, 17, 17));
    lblDate->setAlignment(Qt::AlignCenter);
    lblDate->setFont(ui::Font(Face::Impact, 16));
    Bevel4 = new TBevel(client, TBevel::Shape::Frame, TBevel::Style::Lowered);
    place(Bevel4, "Bevel4", QRect(40, 8, 65, 25));
    lblMonth = new QLabel(QStringLiteral("июня"), client);
    place(lblMonth, "lblMonth", QRect(48, 8, 49, 23));
    lblMonth->setAlignment(Qt::AlignCenter);
    lblMonth->setFont(ui::Font(Face::Impact, 19));
    QPalette navy = lblDate->palette();
    navy.setColor(QPalette::WindowText, ui::clNavy);
    lblDate->setPalette(navy);
    QPalette black = lblMonth->palette();
    black.setColor(QPalette::WindowText, ui::clBlack);
    lblMonth->setPalette(black);

    btnZoomIn = ui::SpeedButton(client, QStringLiteral("zoom_in"), QStringLiteral("Увеличение окна"));
    place(btnZoomIn, "btnZoomIn", QRect(120, 8, 25, 25));
    btnZoomOut =
        ui::SpeedButton(client, QStringLiteral("zoom_out"), QStringLiteral("Уменьшение окна"));
    place(btnZoomOut, "btnZoomOut", QRect(145, 8, 25, 25));

    // Tab order of the command buttons.
    setTabOrder(btnOtchet, btnMeteo);
    setTabOrder(btnMeteo, btnSbros);
    setTabOrder(btnSbros, btnInput);
    setTabOrder(btnInput, btnGo);
    setTabOrder(btnGo, btnExit);

    BuildMenu();

    tmrDays = new QTimer(this);
    tmrDays->setObjectName(QStringLiteral("tmrDays"));
    tmrDays->setInterval(2000);

    connect(btnOtchet, &QPushButton::clicked, this, &TfrmMain::btnOtchetClick);
    connect(btnMeteo, &QPushButton::clicked, this, &TfrmMain::btnMeteoClick);
    connect(btnSbros, &QPushButton::clicked, this, &TfrmMain::btnSbrosClick);
    connect(btnInput, &QPushButton::clicked, this, &TfrmMain::btnInputClick);
    connect(btnGo, &QPushButton::clicked, this, &TfrmMain::btnGoClick);
    connect(btnExit, &QPushButton::clicked, this, &TfrmMain::btnExitClick);
    connect(btnZoomIn, &QToolButton::clicked, this, &TfrmMain::btnZoomInClick);
    connect(btnZoomOut, &QToolButton::clicked, this, &TfrmMain::btnZoomOutClick);
    connect(tmrDays, &QTimer::timeout, this, &TfrmMain::tmrDaysTimer);

    SetClientSize(Zoom::ClientAt0);
    btnOtchet->setFocus();
    FormCreate();
}

QAction* TfrmMain::AddItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                           void (TfrmMain::*handler)()) {
    QAction* a = menu->addAction(caption);
    a->setShortcut(shortcut);
    connect(a, &QAction::triggered, this, handler);
    return a;
}

void TfrmMain::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    miGame = bar->addMenu(QStringLiteral("&Игра"));
    miGame->setObjectName(QStringLiteral("miGame"));
    miNewGame = AddItem(miGame, QStringLiteral("&Новая игра"), QKeySequence(Qt::CTRL | Qt::Key_N),
                        &TfrmMain::miNewGameClick);
    miSetup = AddItem(miGame, QStringLiteral("На&стройка"), QKeySequence(Qt::CTRL | Qt::Key_S),
                      &TfrmMain::miSetupClick);
    miGame->addSeparator()->setObjectName(QStringLiteral("N2"));
    miExit = AddItem(miGame, QStringLiteral("&Выход"), QKeySequence(), &TfrmMain::btnExitClick);

    miView = bar->addMenu(QStringLiteral("&Вид"));
    miView->setObjectName(QStringLiteral("miView"));
    miZoomIn = AddItem(miView, QStringLiteral("&Увеличение окна"),
                       QKeySequence(Qt::CTRL | Qt::Key_I), &TfrmMain::btnZoomInClick);
    miZoomOut = AddItem(miView, QStringLiteral("&Уменьшение окна"),
                        QKeySequence(Qt::CTRL | Qt::Key_O), &TfrmMain::btnZoomOutClick);

    miHelp = bar->addMenu(QStringLiteral("&?"));
    miHelp->setObjectName(QStringLiteral("miHelp"));
    miHelpText = AddItem(miHelp, QStringLiteral("&Руководство пользователя"),
                         QKeySequence(Qt::CTRL | Qt::Key_H), &TfrmMain::miHelpTextClick);
    miHelp->addSeparator()->setObjectName(QStringLiteral("N1"));
    miAbout = AddItem(miHelp, QStringLiteral("&О программе"), QKeySequence(), &TfrmMain::miAboutClick);

    miNewGame->setObjectName(QStringLiteral("miNewGame"));
    miSetup->setObjectName(QStringLiteral("miSetup"));
    miExit->setObjectName(QStringLiteral("miExit"));
    miZoomIn->setObjectName(QStringLiteral("miZoomIn"));
    miZoomOut->setObjectName(QStringLiteral("miZoomOut"));
    miHelpText->setObjectName(QStringLiteral("miHelpText"));
    miAbout->setObjectName(QStringLiteral("miAbout"));
}

void TfrmMain::SetClientSize(QSize size) {
    client->setFixedSize(size);
    Bevel3->setFixedWidth(size.width());
    setFixedSize(size.width(), size.height() + menuBar()->sizeHint().height());
}

void TfrmMain::setVisible(bool visible) {
    if (visible && !isVisible() && centerOnShow) {
        centerOnShow = false;
        ui::CenterOnScreen(this);
    }
    QMainWindow::setVisible(visible);
}

// ---------------------------------------------------------------------------------------------
// Creation and closing

void TfrmMain::FormCreate() {
    LoadSettings();
    tarnova::NewGame(Game, *this);
}

void TfrmMain::LoadSettings() {
    Settings s;
    if (!ReadSettingsFile(SettingsFileName, s)) ui::ErrorBox(this, LoadErrorText);
    ZoomLevel = s.ZoomLevel;
    TickSetting = s.TickSetting;
    ShowReport_ = s.ShowReport;
    tmrDays->setInterval(TickSetting * 250);
    Zoom::ApplyStored(*this, ZoomLevel);
}

void TfrmMain::closeEvent(QCloseEvent* e) {
    if (!SaveZoomAtClose(SettingsFileName, {ZoomLevel, TickSetting, ShowReport_}))
        ui::ErrorBox(this, SaveErrorText);
    QMainWindow::closeEvent(e);
}

// Enter presses the focused command button, or the default button "ОТЧЕТ" otherwise.
void TfrmMain::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* target = focused && focused->isEnabled() ? focused : btnOtchet;
        if (target->isEnabled() && target->isVisible()) target->click();
        e->accept();
        return;
    }
    QMainWindow::keyPressEvent(e);
}

// ---------------------------------------------------------------------------------------------
// Date and cycles

void TfrmMain::ShowDate() {
    const tarnova::CalendarDate date = tarnova::DateOf(Game.DayNo);
    lblDate->setText(QString::number(date.day));
    lblMonth->setText(date.july ? QStringLiteral("июля") : QStringLiteral("июня"));
}

void TfrmMain::SetCommandsEnabled(bool on) {
    // A disabled menu silences its items' shortcuts too; the items' own enabling (zoom limits, a
    // missing guide) is left as it is, so that coming back restores exactly what was there.
    for (QMenu* m : {miGame, miView, miHelp}) m->menuAction()->setEnabled(on);
    for (QPushButton* b : {btnOtchet, btnMeteo, btnSbros, btnInput, btnGo, btnExit})
        b->setEnabled(on);
}

void TfrmMain::btnGoClick() {
    tarnova::StartCycle(Game);
    SetCommandsEnabled(false);
    tmrDays->start();
}

void TfrmMain::EndCycle() {
    tmrDays->stop();
    if (ShowReport_) ShowReportForm();
    SetCommandsEnabled(true);
}

void TfrmMain::SetTimerEnabled(bool on) {
    if (on)
        tmrDays->start();
    else
        tmrDays->stop();
}

void TfrmMain::tmrDaysTimer() {
    const tarnova::DayOutcome o = tarnova::DayStep(Game, *this);
    // After the grade a new game is in place; the keyboard goes back to "ОТЧЕТ".
    if (o.gameOver) btnOtchet->setFocus();
}

// ---------------------------------------------------------------------------------------------
// Commands

void TfrmMain::miNewGameClick() {
    if (ui::MessageBox(this, QStringLiteral("Начать заново?"), QStringLiteral("Новая игра"),
                       ui::MB_YESNO | ui::MB_ICONQUESTION) != ui::IDNO)
        tarnova::NewGame(Game, *this);
}

void TfrmMain::btnZoomInClick() { Zoom::ZoomIn(*this); }
void TfrmMain::btnZoomOutClick() { Zoom::ZoomOut(*this); }

void TfrmMain::btnExitClick() { ExitForm->ShowModal(); }
void TfrmMain::miAboutClick() { AboutForm->ShowModal(); }
void TfrmMain::btnOtchetClick() { ShowReportForm(); }
void TfrmMain::btnMeteoClick() { MeteoForm->ShowForecast(Game.Decade); }
void TfrmMain::btnSbrosClick() { SbrosForm->ShowForecast(Game.Decade); }
void TfrmMain::btnInputClick() { InputForm->Execute(Game); }
void TfrmMain::miSetupClick() { frmSetup->ShowModal(); }
void TfrmMain::miHelpTextClick() { frmHelp->ShowGuide(); }

void TfrmMain::ShowReportForm() { OtchetForm->ShowReport(Game, *this); }
void TfrmMain::ShowNoMoneyNotice() { NoMoneyForm->ShowModal(); }
void TfrmMain::ShowGrade() { MarkForm->ShowGrade(Game.PenaltyPoints); }

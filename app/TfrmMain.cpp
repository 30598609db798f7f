// The main window.

#include "TfrmMain.h"

#include <QHBoxLayout>

#include "Lake.h"

TfrmMain::TfrmMain(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Имитационная игра \"ТАРНОВА\""));
    lblDate = new QLabel(this);
    lblMonth = new QLabel(this);
    btnGo = new QPushButton(QStringLiteral("ЗАПУСК ЦИКЛА"), this);
    tmrDays = new QTimer(this);
    tmrDays->setInterval(6 * 250);
    auto* row = new QHBoxLayout(this);
    row->addWidget(lblDate);
    row->addWidget(lblMonth);
    row->addWidget(btnGo);
    connect(btnGo, &QPushButton::clicked, this, &TfrmMain::btnGoClick);
    connect(tmrDays, &QTimer::timeout, this, &TfrmMain::tmrDaysTimer);
    tarnova::NewGame(Game, *this);
}

void TfrmMain::ShowDate() {
    const bool july = Game.DayNo >= 31;
    lblDate->setText(QString::number(july ? Game.DayNo - 30 : Game.DayNo));
    lblMonth->setText(july ? QStringLiteral("июля") : QStringLiteral("июня"));
}

void TfrmMain::EndCycle() {
    tmrDays->stop();
    btnGo->setEnabled(true);
}

void TfrmMain::SetTimerEnabled(bool on) {
    if (on)
        tmrDays->start();
    else
        tmrDays->stop();
}

void TfrmMain::btnGoClick() {
    tarnova::StartCycle(Game);
    btnGo->setEnabled(false);
    tmrDays->start();
}

void TfrmMain::tmrDaysTimer() { tarnova::DayStep(Game, *this); }

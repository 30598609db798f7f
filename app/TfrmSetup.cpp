// The setup dialog.

#include "TfrmSetup.h"

#include "Settings.h"
#include "TfrmMain.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

TfrmSetup::TfrmSetup(TfrmMain* main)
    : ui::TForm(main, QStringLiteral("Настройка"), QSize(297, 178)), main(main) {
    setObjectName(QStringLiteral("frmSetup"));
    Bevel1 = new ui::TBevel(this, ui::TBevel::Shape::Frame, ui::TBevel::Style::Lowered);
    Bevel1->setGeometry(8, 8, 281, 121);

    chbOtchet = new QCheckBox(QStringLiteral("Показывать отчет в конце цикла"), this);
    chbOtchet->setObjectName(QStringLiteral("chbOtchet"));
    chbOtchet->setGeometry(24, 24, 249, 17);
    chbOtchet->setChecked(true);

    Label1 = new QLabel(QStringLiteral("Длительность суток в цикле:"), this);
    Label1->setGeometry(24, 56, 149, 13);

    tbTick = new QSlider(Qt::Horizontal, this);
    tbTick->setObjectName(QStringLiteral("tbTick"));
    tbTick->setGeometry(16, 72, 265, 33);
    tbTick->setRange(0, 12);
    tbTick->setValue(6);
    tbTick->setTickPosition(QSlider::TicksBelow);
    tbTick->setTickInterval(1);
    tbTick->setPageStep(2);

    // Whole seconds under positions 0, 4, 8 and 12.
    auto scale = [this](const QString& text, int left) {
        auto* l = new QLabel(text, this);
        l->setGeometry(left, 109, 15, 13);
        return l;
    };
    Label2 = scale(QStringLiteral("0 с"), 22);
    Label4 = scale(QStringLiteral("1 с"), 100);
    Label3 = scale(QStringLiteral("2 с"), 180);
    Label5 = scale(QStringLiteral("3 с"), 259);

    btnOk = ui::OkButton(this);
    btnOk->setGeometry(136, 144, 75, 25);
    btnOk->setDefault(true);
    btnCancel = ui::CancelButton(this);
    btnCancel->setGeometry(216, 144, 75, 25);
    setCancelButton(btnCancel);

    setTabOrder(chbOtchet, tbTick);
    setTabOrder(tbTick, btnOk);
    setTabOrder(btnOk, btnCancel);

    connect(btnOk, &QPushButton::clicked, this, &TfrmSetup::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmSetup::reject);
}

void TfrmSetup::showEvent(QShowEvent* e) {
    chbOtchet->setChecked(main->ShowReport_);
    tbTick->setValue(main->TickSetting);
    ui::TForm::showEvent(e);
}

void TfrmSetup::btnOkClick() {
    if (tbTick->value() == 0) tbTick->setValue(1);
    main->ShowReport_ = chbOtchet->isChecked();
    main->TickSetting = tbTick->value();
    main->tmrDays->setInterval(main->TickSetting * 250);
    if (!WriteSettingsFile(SettingsFileName,
                           {main->ZoomLevel, main->TickSetting, main->ShowReport_}))
        ui::ErrorBox(this, CreateErrorText);
    accept();
}

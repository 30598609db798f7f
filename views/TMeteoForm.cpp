// The window "Метеопрогноз".

#include "TMeteoForm.h"

#include "GameState.h"
#include "ViewParts.h"
#include "ui/Fonts.h"

using ui::Face;

namespace {

// Every text of the window. The temperature unit is a degree sign, a space and the Latin C.
const QString Caption = QStringLiteral("Метеопрогноз");
const QString AirHead = QStringLiteral("Температура воздуха:");
const QString WaterHead = QStringLiteral("Температура воды:");
const QString RainHead = QStringLiteral("Осадки:");
const QString PressureHead = QStringLiteral("Атмосферное давление:");
const QString WindHead = QStringLiteral("Сила ветра:");
const QString Degrees = QString(QChar(0x00B0)) + QStringLiteral(" C");
const QString Millimetres = QStringLiteral(" мм");
const QString MetresPerSecond = QStringLiteral(" м/с");

}  // namespace

TMeteoForm::TMeteoForm(QWidget* parent) : ui::TForm(parent, Caption, QSize(287, 266)) {
    setObjectName(QStringLiteral("MeteoForm"));

    Panel1 = new ui::TPanel(this, ui::TPanel::Bevel::Raised, ui::TPanel::Bevel::Lowered);
    Panel1->setGeometry(0, 0, 287, 266);

    const QFont head = ui::Font(Face::Impact, 16);
    const QFont value = ui::Font(Face::ArialBlack, 16);
    using views::AutoLabel;

    Label1 = AutoLabel(Panel1, "Label1", AirHead, {16, 80}, head, ui::clNavy);
    Label2 = AutoLabel(Panel1, "Label2", WaterHead, {16, 104}, head, ui::clNavy);
    Label3 = AutoLabel(Panel1, "Label3", RainHead, {16, 128}, head, ui::clNavy);
    Label4 = AutoLabel(Panel1, "Label4", PressureHead, {16, 152}, head, ui::clNavy);
    Label5 = AutoLabel(Panel1, "Label5", WindHead, {16, 176}, head, ui::clNavy);

    Image1 = new ui::TSvgImage(Panel1, QStringLiteral(":/assets/weather.svg"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(32, 8, 122, 68);

    btnOk = ui::OkButton(Panel1);
    btnOk->setGeometry(104, 224, 75, 25);
    btnOk->setFont(ui::Font(Face::MsSansSerif, 11));
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &TMeteoForm::accept);

    lblAir = AutoLabel(Panel1, "lblAir", QString(), {200, 80}, value, ui::clBlack);
    lblWater = AutoLabel(Panel1, "lblWater", QString(), {200, 104}, value, ui::clBlack);
    lblOsad = AutoLabel(Panel1, "lblOsad", QString(), {200, 128}, value, ui::clBlack);
    lblDavl = AutoLabel(Panel1, "lblDavl", QString(), {200, 152}, value, ui::clBlack);
    lblWind = AutoLabel(Panel1, "lblWind", QString(), {200, 176}, value, ui::clBlack);
}

void TMeteoForm::FillForecast(int Decade) {
    Q_ASSERT(Decade >= 0 && Decade < tarnova::DecadeCount);
    const tarnova::MeteoRow& row = tarnova::MeteoTable[Decade];
    using views::FitText;
    FitText(lblAir, QString::number(row.AirTemp) + Degrees);
    FitText(lblWater, QString::number(row.WaterTemp) + Degrees);
    FitText(lblOsad, QString::number(row.Precipitation) + Millimetres);
    FitText(lblDavl, QString::number(row.Pressure) + Millimetres);
    FitText(lblWind, QString::number(row.Wind) + MetresPerSecond);
}

void TMeteoForm::ShowForecast(int Decade) {
    FillForecast(Decade);
    btnOk->setFocus();
    ShowModal();
}

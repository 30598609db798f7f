// The report window.

#include "TOtchetForm.h"

#include "NumberText.h"
#include "ViewParts.h"
#include "ui/Fonts.h"

using ui::Face;
using ui::TBevel;

namespace {

// Every text of the window.
const QString Caption = QStringLiteral("Отчет");
const QString DateHead = QStringLiteral("Дата:");
const QString MoneyHead = QStringLiteral("Денежная сумма:");
const QString LevelHead = QStringLiteral("Уровень воды:");
const QString GridHead = QStringLiteral("Концентрация ингридиентов в зонах:");
const QString OxygenHead = QStringLiteral("Кислород:");
const QString OrganicHead = QStringLiteral("Органика:");
const QString InorganicHead = QStringLiteral("Неорганика:");
const QString PlantHead = QStringLiteral("Завод");
const QString FactoryHead = QStringLiteral("Фабрика");
const QString ResortHead = QStringLiteral("База отдыха");
const QString June = QStringLiteral(" июня");
const QString July = QStringLiteral(" июля");
const QString Hryvnia = QStringLiteral(" грн  ");
const QString Kopeck = QStringLiteral(" коп");
const QString Metre = QStringLiteral(" м");

// The grid of concentrations: the cells' left edges and widths by zone, tops by quantity, and the
// significant digits each quantity is written with.
constexpr int CellLeft[3] = {112, 184, 256};
constexpr int CellWidth[3] = {57, 57, 73};
constexpr int CellTop[3] = {160, 184, 208};
constexpr int CellHeight = 13;
constexpr int CellDigits[3] = {3, 3, 4};

}  // namespace

TOtchetForm::TOtchetForm(QWidget* parent) : ui::TForm(parent, Caption, QSize(356, 284)) {
    setObjectName(QStringLiteral("OtchetForm"));

    Panel1 = new ui::TPanel(this, ui::TPanel::Bevel::Raised, ui::TPanel::Bevel::Lowered);
    Panel1->setGeometry(0, 0, 356, 284);

    const QFont head = ui::Font(Face::Impact, 16);
    const QFont value = ui::Font(Face::ArialBlack, 16);
    const QFont grid = ui::Font(Face::MsSansSerif, 11, true);
    using views::AutoLabel;

    Label1 = AutoLabel(Panel1, "Label1", DateHead, {16, 16}, head, ui::clNavy);
    Label2 = AutoLabel(Panel1, "Label2", MoneyHead, {16, 40}, head, ui::clNavy);
    Label3 = AutoLabel(Panel1, "Label3", LevelHead, {16, 64}, head, ui::clNavy);
    Label4 = AutoLabel(Panel1, "Label4", GridHead, {16, 104}, head, ui::clNavy);
    Label5 = AutoLabel(Panel1, "Label5", QString(), {200, 16}, value, ui::clBlack);
    Label6 = AutoLabel(Panel1, "Label6", QString(), {200, 40}, value, ui::clBlack);
    Label7 = AutoLabel(Panel1, "Label7", QString(), {200, 64}, value, ui::clBlack);

    btnOk = ui::OkButton(Panel1);
    btnOk->setGeometry(144, 240, 75, 25);
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &TOtchetForm::accept);

    Bevel1 = views::PlaceBevel(Panel1, "Bevel1", TBevel::Shape::Box, TBevel::Style::Raised,
                        QRect(16, 128, 321, 97));
    Label8 = AutoLabel(Panel1, "Label8", OxygenHead, {24, 160}, grid, ui::clBlack);
    Label9 = AutoLabel(Panel1, "Label9", OrganicHead, {24, 184}, grid, ui::clBlack);
    Label10 = AutoLabel(Panel1, "Label10", InorganicHead, {24, 208}, grid, ui::clBlack);
    Label11 = AutoLabel(Panel1, "Label11", PlantHead, {120, 136}, grid, ui::clBlack);
    Label12 = AutoLabel(Panel1, "Label12", FactoryHead, {184, 136}, grid, ui::clBlack);
    Label13 = AutoLabel(Panel1, "Label13", ResortHead, {256, 136}, grid, ui::clBlack);
    const auto line = TBevel::Style::Lowered;
    Bevel2 = views::PlaceBevel(Panel1, "Bevel2", TBevel::Shape::TopLine, line, QRect(16, 152, 321, 9));
    Bevel3 = views::PlaceBevel(Panel1, "Bevel3", TBevel::Shape::LeftLine, line, QRect(104, 128, 17, 97));
    Bevel4 = views::PlaceBevel(Panel1, "Bevel4", TBevel::Shape::LeftLine, line, QRect(176, 128, 17, 97));
    Bevel5 = views::PlaceBevel(Panel1, "Bevel5", TBevel::Shape::LeftLine, line, QRect(248, 128, 17, 97));
    Bevel6 = views::PlaceBevel(Panel1, "Bevel6", TBevel::Shape::TopLine, line, QRect(15, 176, 321, 9));
    Bevel7 = views::PlaceBevel(Panel1, "Bevel7", TBevel::Shape::TopLine, line, QRect(15, 200, 321, 9));

    cells = views::MakeCellGrid(Panel1, CellLeft, CellWidth, CellTop, CellHeight, grid, ui::clBlue);
}

void TOtchetForm::FillReport(const tarnova::GameState& g) {
    using views::FitText;
    using views::NumberText;
    const tarnova::CalendarDate date = tarnova::DateOf(g.DayNo);
    FitText(Label5, QString::number(date.day) + (date.july ? July : June));
    FitText(Label6, QString::number(g.MoneyGrn) + Hryvnia + QString::number(g.MoneyKop) + Kopeck);
    FitText(Label7, NumberText(g.WaterLevel, 4) + Metre);

    // The colours follow the very tests by which a July day earns a penalty point.
    for (int zone = 0; zone < 3; ++zone) {
        const tarnova::ZoneQuality& q = g.Zones[zone];
        const tarnova::LimitRow& limit = tarnova::ZoneLimits[zone];
        const float values[3] = {q.Oxygen, q.Organic, q.Inorganic};
        const bool broken[3] = {tarnova::OxygenBreaks(q.Oxygen, limit),
                                tarnova::OrganicBreaks(q.Organic, limit),
                                tarnova::InorganicBreaks(q.Inorganic, limit)};
        QString texts[3];
        for (int row = 0; row < 3; ++row) texts[row] = NumberText(values[row], CellDigits[row]);
        for (int row = 0; row < 3; ++row) {
            views::SetTextColour(cells[zone][row], broken[row] ? ui::clRed : ui::clBlue);
            cells[zone][row]->setText(texts[row]);
        }
    }
}

void TOtchetForm::ShowReport(const tarnova::GameState& g, tarnova::GameHost& host) {
    host.ShowDate();
    FillReport(g);
    ShowModal();
}

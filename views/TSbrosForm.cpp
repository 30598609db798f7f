// The window "Прогноз сброса сточных вод предприятиями".

#include "TSbrosForm.h"

#include "GameState.h"
#include "ViewParts.h"
#include "ui/Fonts.h"

using ui::Face;
using ui::TBevel;

namespace {

// Every text of the window.
const QString Caption = QStringLiteral("Прогноз сброса сточных вод предприятиями");
const QString Title = QStringLiteral("Данные о деятельности предприятий на текущую декаду:");
const QString VolumeHead = QStringLiteral("Объем воды (м.куб)");
const QString OrganicHead = QStringLiteral("Органика (мг/л)");
const QString InorganicHead = QStringLiteral("Неорганика (мг/л)");
const QString PlantHead = QStringLiteral("Завод");
const QString FactoryHead = QStringLiteral("Фабрика");
const QString ResortHead = QStringLiteral("База отдыха");
const QString GardenHead = QStringLiteral("Ботанический сад");

// The grid: the columns' left edges and widths (plant, factory, resort, garden) and the rows' tops
// (volume, organics, inorganics).
constexpr int CellLeft[4] = {160, 240, 320, 424};
constexpr int CellWidth[4] = {65, 65, 89, 113};
constexpr int CellTop[3] = {72, 96, 120};
constexpr int CellHeight = 13;
constexpr int GridWidth = 529;

}  // namespace

TSbrosForm::TSbrosForm(QWidget* parent) : ui::TForm(parent, Caption, QSize(566, 196)) {
    setObjectName(QStringLiteral("SbrosForm"));

    // The panel hands its font to every control on it.
    const QFont grid = ui::Font(Face::MsSansSerif, 11, true);
    Panel1 = new ui::TPanel(this, ui::TPanel::Bevel::Raised, ui::TPanel::Bevel::Lowered);
    Panel1->setGeometry(0, 0, 566, 196);
    Panel1->setFont(grid);

    // The title wraps within the grid's width should it ever be wider than that.
    Label1 = views::AutoLabel(Panel1, "Label1", Title, {16, 16}, ui::Font(Face::Impact, 16),
                              ui::clNavy);
    Label1->setWordWrap(true);
    {
        const int width = qMin(Label1->fontMetrics().horizontalAdvance(Title) + 1, GridWidth);
        Label1->resize(width, Label1->heightForWidth(width));
    }

    btnOk = ui::OkButton(Panel1);
    btnOk->setGeometry(240, 152, 75, 25);
    btnOk->setFont(ui::Font(Face::MsSansSerif, 11));
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &TSbrosForm::accept);

    const auto line = TBevel::Style::Lowered;
    Bevel1 = views::PlaceBevel(Panel1, "Bevel1", TBevel::Shape::Box, TBevel::Style::Raised,
                        QRect(16, 40, GridWidth, 97));
    Bevel2 = views::PlaceBevel(Panel1, "Bevel2", TBevel::Shape::LeftLine, line, QRect(152, 40, 17, 97));
    Bevel3 = views::PlaceBevel(Panel1, "Bevel3", TBevel::Shape::TopLine, line, QRect(16, 64, GridWidth, 17));
    Bevel4 = views::PlaceBevel(Panel1, "Bevel4", TBevel::Shape::TopLine, line, QRect(16, 88, GridWidth, 17));
    Bevel5 = views::PlaceBevel(Panel1, "Bevel5", TBevel::Shape::TopLine, line, QRect(16, 112, GridWidth, 17));

    using views::AutoLabel;
    Label2 = AutoLabel(Panel1, "Label2", VolumeHead, {24, 72}, grid, ui::clBlack);
    Label3 = AutoLabel(Panel1, "Label3", OrganicHead, {24, 96}, grid, ui::clBlack);
    Label4 = AutoLabel(Panel1, "Label4", InorganicHead, {24, 120}, grid, ui::clBlack);
    Bevel6 = views::PlaceBevel(Panel1, "Bevel6", TBevel::Shape::LeftLine, line, QRect(232, 40, 17, 97));
    Label5 = AutoLabel(Panel1, "Label5", PlantHead, {176, 48}, grid, ui::clBlack);
    Label6 = AutoLabel(Panel1, "Label6", FactoryHead, {248, 48}, grid, ui::clBlack);
    Label7 = AutoLabel(Panel1, "Label7", ResortHead, {328, 48}, grid, ui::clBlack);
    Label8 = AutoLabel(Panel1, "Label8", GardenHead, {424, 48}, grid, ui::clBlack);
    Bevel7 = views::PlaceBevel(Panel1, "Bevel7", TBevel::Shape::LeftLine, line, QRect(312, 40, 17, 97));
    Bevel8 = views::PlaceBevel(Panel1, "Bevel8", TBevel::Shape::LeftLine, line, QRect(416, 40, 17, 97));

    cells = views::MakeCellGrid(Panel1, CellLeft, CellWidth, CellTop, CellHeight, grid, ui::clBlue);
    // The garden only takes water: its organics and inorganics places stay empty.
    lbl41 = views::CellLabel(Panel1, "lbl41", QRect(CellLeft[3], CellTop[0], CellWidth[3], CellHeight),
                             grid, ui::clBlue);
}

void TSbrosForm::FillForecast(int Decade) {
    Q_ASSERT(Decade >= 0 && Decade < tarnova::DecadeCount);
    for (int column = 0; column < 3; ++column) {
        const tarnova::DischargeRow& d = (*tarnova::ZoneDischarge[column])[Decade];
        cells[column][0]->setText(QString::number(d.Volume));
        cells[column][1]->setText(QString::number(d.Organic));
        cells[column][2]->setText(QString::number(d.Inorganic));
    }
    lbl41->setText(QString::number(tarnova::GardenIntake[Decade]));
}

void TSbrosForm::ShowForecast(int Decade) {
    FillForecast(Decade);
    ShowModal();
}

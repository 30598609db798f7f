// Tests of the information windows: the report with its number texts and limit colours, and the
// weather and discharge forecasts.

#include <QtTest>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <locale>
#include <memory>
#include <sstream>

#include "GuiTest.h"
#include "Lake.h"
#include "app/Forms.h"
#include "ui/Widgets.h"
#include "tests/RecordingHost.h"
#include "ui/Fonts.h"
#include "views/NumberText.h"
#include "views/TMeteoForm.h"
#include "views/TOtchetForm.h"
#include "views/TSbrosForm.h"
#include "views/ViewParts.h"

using guitest::OnNextModal;
using tarnova::GameState;

namespace {

// A decimal comma for the C++ global locale.
struct CommaNumpunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

// The process's three number locales: the C library's, the C++ global one and Qt's default.
enum LocaleLayer { CLayer = 1, CppLayer = 2, QtLayer = 4 };

// A game host that also notes whether the report was already on screen when the date was shown.
class ReportHost : public RecordingHost {
public:
    ReportHost(const GameState& g, const QWidget* report) : RecordingHost(g), report(report) {}
    void ShowDate() override {
        RecordingHost::ShowDate();
        reportVisibleAtShowDate = report->isVisible();
    }
    const QWidget* report;
    bool reportVisibleAtShowDate = false;
};

// A game whose nine concentrations all stand exactly at their limits.
GameState AtLimits() {
    GameState g;
    RecordingHost host(g);
    tarnova::NewGame(g, host);
    for (int z = 0; z < 3; ++z)
        g.Zones[z] = {tarnova::ZoneLimits[z].MinOxygen, tarnova::ZoneLimits[z].MaxOrganic,
                      tarnova::ZoneLimits[z].MaxInorganic};
    return g;
}

QString CellName(int zone, int row) {
    return QStringLiteral("lbl%1%2").arg(zone + 1).arg(row + 1);
}

struct CellState {
    QString text;
    QColor colour;
};

// What the nine cells of the report show, [zone][quantity].
std::array<std::array<CellState, 3>, 3> Cells(const TOtchetForm& f) {
    std::array<std::array<CellState, 3>, 3> cells;
    for (int z = 0; z < 3; ++z)
        for (int r = 0; r < 3; ++r) {
            const QLabel* l = f.findChild<QLabel*>(CellName(z, r));
            cells[z][r] = l ? CellState{l->text(), views::TextColour(l)} : CellState{};
        }
    return cells;
}

QString Text(const QWidget* form, const char* name) {
    const QLabel* l = form->findChild<QLabel*>(QLatin1String(name));
    return l ? l->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

}  // namespace

class tst_Views : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void numberText_data();
    void numberText();
    void numberTextUnderCommaLocale_data();
    void numberTextUnderCommaLocale();

    void reportAfterNewGame();
    void reportHeader_data();
    void reportHeader();
    void reportColours_data();
    void reportColours();
    void reportShow();

    void meteo_data();
    void meteo();
    void sbros_data();
    void sbros();
    void forecastShow();

    void fromMainWindow();
    void textsFit();

private:
    // A C library locale with a decimal comma, empty when none could be had.
    QByteArray commaCLocale;
    QTemporaryDir localeFolder;
};

void tst_Views::initTestCase() {
    Q_INIT_RESOURCE(assets);
    // Find a C library locale with a decimal comma. When none is installed, build the Russian one
    // from the system's locale sources into a folder of our own.
    auto hasComma = [](const char* name) {
        const bool ok = std::setlocale(LC_NUMERIC, name) &&
                        std::localeconv()->decimal_point == std::string(",");
        std::setlocale(LC_NUMERIC, "C");
        return ok;
    };
    for (const char* name : {"ru_RU.UTF-8", "de_DE.UTF-8", "ru_RU.utf8", "de_DE.utf8"})
        if (hasComma(name)) {
            commaCLocale = name;
            return;
        }
    QProcess localedef;
    localedef.start(QStringLiteral("localedef"),
                    {QStringLiteral("-i"), QStringLiteral("ru_RU"), QStringLiteral("-f"),
                     QStringLiteral("UTF-8"), localeFolder.filePath(QStringLiteral("ru_RU.UTF-8"))});
    if (localedef.waitForStarted() && localedef.waitForFinished(60000)) {
        qputenv("LOCPATH", QFile::encodeName(localeFolder.path()));
        if (hasComma("ru_RU.UTF-8")) commaCLocale = "ru_RU.UTF-8";
    }
}

void tst_Views::cleanup() {
    guitest::CancelPendingModals();
    QVERIFY2(guitest::VisibleTopLevels().isEmpty(), "a window was left open");
}

// ---------------------------------------------------------------------------------------------
// Number texts

void tst_Views::numberText_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expected");
    QTest::newRow("integer level") << 10.0f << 4 << "10";
    QTest::newRow("organics 56.6") << 56.6f << 3 << "56.6";
    QTest::newRow("half") << 0.5f << 3 << "0.5";
    QTest::newRow("level 12.5") << 12.5f << 4 << "12.5";
    QTest::newRow("level rounded to 4 digits") << 9.87654f << 4 << "9.877";
    QTest::newRow("organics 1000 in exponent form") << 1000.0f << 3 << "1e+03";
    QTest::newRow("inorganics with five digits") << 12345.6f << 4 << "1.235e+04";
    QTest::newRow("inorganics 99999.9 rounds up") << 99999.9f << 4 << "1e+05";
    QTest::newRow("999.6 rounds into exponent form") << 999.6f << 3 << "1e+03";
    QTest::newRow("9.996 rounds to 10") << 9.996f << 3 << "10";
    QTest::newRow("three digits, three places") << 354.0f << 4 << "354";
    QTest::newRow("negative") << -3.25f << 3 << "-3.25";
    QTest::newRow("negative in exponent form") << -12345.6f << 3 << "-1.23e+04";
    QTest::newRow("zero") << 0.0f << 3 << "0";
    QTest::newRow("negative zero") << -0.0f << 3 << "0";
    QTest::newRow("smallest fixed form") << 0.0001f << 3 << "0.0001";
    QTest::newRow("very small") << 1.234e-5f << 3 << "1.23e-05";
    QTest::newRow("very small negative") << -1.234e-5f << 4 << "-1.234e-05";
    QTest::newRow("tiny") << 1e-30f << 3 << "1e-30";
    QTest::newRow("largest float") << 3.4028235e38f << 4 << "3.403e+38";
    // The float is widened to double: its binary value shows at nine digits.
    QTest::newRow("widened to double") << 0.1f << 9 << "0.100000001";
}

void tst_Views::numberText() {
    QFETCH(float, value);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    QCOMPARE(views::NumberText(value, digits), expected);
}

void tst_Views::numberTextUnderCommaLocale_data() {
    QTest::addColumn<int>("layers");
    QTest::newRow("C library LC_NUMERIC") << int(CLayer);
    QTest::newRow("C++ global locale") << int(CppLayer);
    QTest::newRow("Qt default locale") << int(QtLayer);
    QTest::newRow("all three") << int(CLayer | CppLayer | QtLayer);
}

// Every layer is first shown to write 0.5 as "0,5" through its own interface, so that a
// locale-dependent implementation would fail here.
void tst_Views::numberTextUnderCommaLocale() {
    QFETCH(int, layers);
    if ((layers & CLayer) && commaCLocale.isEmpty())
        QSKIP("no C library locale with a decimal comma is installed and localedef could not "
              "build one");

    const QLocale qtBefore;
    const std::locale cppBefore;
    auto restore = qScopeGuard([&] {
        std::setlocale(LC_NUMERIC, "C");
        std::locale::global(cppBefore);
        QLocale::setDefault(qtBefore);
    });
    if (layers & CLayer) {
        QVERIFY(std::setlocale(LC_NUMERIC, commaCLocale.constData()));
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%.1f", 0.5);
        QCOMPARE(QByteArray(buffer), QByteArray("0,5"));
    }
    if (layers & CppLayer) {
        std::locale::global(std::locale(std::locale::classic(), new CommaNumpunct));
        std::ostringstream s;
        s << 0.5;
        QCOMPARE(s.str(), std::string("0,5"));
    }
    if (layers & QtLayer) {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(QLocale().toString(0.5), QStringLiteral("0,5"));
    }

    QCOMPARE(views::NumberText(56.6f, 3), QStringLiteral("56.6"));
    QCOMPARE(views::NumberText(0.5f, 3), QStringLiteral("0.5"));
    QCOMPARE(views::NumberText(12345.6f, 4), QStringLiteral("1.235e+04"));
    QCOMPARE(views::NumberText(-1.234e-5f, 3), QStringLiteral("-1.23e-05"));

    // The report under that locale.
    GameState g = AtLimits();
    g.WaterLevel = 12.5f;
    g.Zones[0].Organic = 56.6f;
    TOtchetForm f(nullptr);
    f.FillReport(g);
    QCOMPARE(f.Label7->text(), QStringLiteral("12.5 м"));
    QCOMPARE(f.Cell(0, 1)->text(), QStringLiteral("56.6"));
}

// ---------------------------------------------------------------------------------------------
// Report

void tst_Views::reportAfterNewGame() {
    GameState g;
    RecordingHost host(g);
    tarnova::NewGame(g, host);
    TOtchetForm f(nullptr);
    f.FillReport(g);

    QCOMPARE(f.Label5->text(), QStringLiteral("1 июня"));
    QCOMPARE(f.Label6->text(), QStringLiteral("300 грн  0 коп"));
    QCOMPARE(f.Label7->text(), QStringLiteral("10 м"));
    const QString texts[3][3] = {{"2", "56.6", "354"}, {"5", "41.2", "278"}, {"8", "23", "181"}};
    // Zone 1's inorganics (354 against 350) and zone 2's organics (41.2 against 40) break their
    // limits; zone 1's oxygen stands exactly at its minimum of 2 and keeps it.
    const bool red[3][3] = {{false, false, true}, {false, true, false}, {false, false, false}};
    const auto cells = Cells(f);
    for (int z = 0; z < 3; ++z)
        for (int r = 0; r < 3; ++r) {
            const QByteArray where = CellName(z, r).toLatin1();
            QVERIFY2(cells[z][r].text == texts[z][r], where.constData());
            QVERIFY2(cells[z][r].colour == (red[z][r] ? ui::clRed : ui::clBlue), where.constData());
        }
}

void tst_Views::reportHeader_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("grn");
    QTest::addColumn<int>("kop");
    QTest::addColumn<float>("level");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("levelText");
    QTest::newRow("day 30") << 30 << 300 << 0 << 10.0f << "30 июня" << "300 грн  0 коп" << "10 м";
    QTest::newRow("day 31") << 31 << 300 << 0 << 10.0f << "1 июля" << "300 грн  0 коп" << "10 м";
    QTest::newRow("day 61, the calendar's end")
        << 61 << 12 << 50 << 10.0f << "31 июля" << "12 грн  50 коп" << "10 м";
    QTest::newRow("7 kopecks") << 12 << 287 << 7 << 10.0f << "12 июня" << "287 грн  7 коп" << "10 м";
    QTest::newRow("-1 hryvnia 75 kopecks")
        << 40 << -1 << 75 << 10.0f << "10 июля" << "-1 грн  75 коп" << "10 м";
    QTest::newRow("money exhausted") << 45 << 0 << 0 << 10.0f << "15 июля" << "0 грн  0 коп" << "10 м";
    QTest::newRow("level 12.5") << 5 << 300 << 0 << 12.5f << "5 июня" << "300 грн  0 коп" << "12.5 м";
    QTest::newRow("level to 4 digits")
        << 5 << 300 << 0 << 9.87654f << "5 июня" << "300 грн  0 коп" << "9.877 м";
}

void tst_Views::reportHeader() {
    QFETCH(int, day);
    QFETCH(int, grn);
    QFETCH(int, kop);
    QFETCH(float, level);
    GameState g = AtLimits();
    g.DayNo = day;
    g.MoneyGrn = grn;
    g.MoneyKop = kop;
    g.WaterLevel = level;
    TOtchetForm f(nullptr);
    f.FillReport(g);
    QTEST(f.Label5->text(), "date");
    QTEST(f.Label6->text(), "money");
    QTEST(f.Label7->text(), "levelText");
    // Auto-size labels follow their texts.
    for (QLabel* l : {f.Label5, f.Label6, f.Label7}) QCOMPARE(l->size(), l->sizeHint());
}

void tst_Views::reportColours_data() {
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("row");
    QTest::addColumn<float>("value");
    QTest::addColumn<bool>("red");
    QTest::addColumn<QString>("text");
    const char* const quantity[3] = {"oxygen", "organics", "inorganics"};
    const char* const limitTexts[3][3] = {{"2", "60", "350"}, {"4", "40", "300"}, {"6", "25", "220"}};
    for (int z = 0; z < 3; ++z) {
        const tarnova::LimitRow& l = tarnova::ZoneLimits[z];
        const float limits[3] = {l.MinOxygen, l.MaxOrganic, l.MaxInorganic};
        for (int r = 0; r < 3; ++r) {
            // Oxygen breaks below its minimum, the others above their maximum; the next float
            // beyond the limit still reads as the limit.
            const float beyond = std::nextafter(limits[r], r == 0 ? -INFINITY : INFINITY);
            QTest::addRow("zone %d %s at limit", z + 1, quantity[r])
                << z << r << limits[r] << false << limitTexts[z][r];
            QTest::addRow("zone %d %s next float beyond", z + 1, quantity[r])
                << z << r << beyond << true << limitTexts[z][r];
        }
    }
}

void tst_Views::reportColours() {
    QFETCH(int, zone);
    QFETCH(int, row);
    QFETCH(float, value);
    QFETCH(bool, red);
    QFETCH(QString, text);
    TOtchetForm f(nullptr);
    // A first show with every cell red: the second must repaint all nine.
    GameState broken = AtLimits();
    for (auto& q : broken.Zones) q = {0.0f, 1e4f, 1e5f};
    f.FillReport(broken);
    for (const auto& zoneCells : Cells(f))
        for (const CellState& c : zoneCells) QCOMPARE(c.colour, ui::clRed);

    GameState g = AtLimits();
    float* values[3] = {&g.Zones[zone].Oxygen, &g.Zones[zone].Organic, &g.Zones[zone].Inorganic};
    *values[row] = value;
    f.FillReport(g);
    const auto cells = Cells(f);
    QCOMPARE(cells[zone][row].colour, red ? ui::clRed : ui::clBlue);
    QCOMPARE(cells[zone][row].text, text);
    for (int z = 0; z < 3; ++z)
        for (int r = 0; r < 3; ++r)
            if (z != zone || r != row)
                QVERIFY2(cells[z][r].colour == ui::clBlue, qPrintable(CellName(z, r)));
}

void tst_Views::reportShow() {
    TOtchetForm f(nullptr);
    GameState g;
    ReportHost host(g, &f);
    tarnova::NewGame(g, host);
    host.calls.clear();
    // A previous show of another state leaves nothing behind.
    GameState other = AtLimits();
    other.DayNo = 45;
    other.MoneyGrn = -1;
    other.Zones[2].Oxygen = 0.0f;
    f.FillReport(other);

    bool modal = false, okFocused = false, okDefault = false;
    QString date, money, zone3Oxygen;
    QColor zone3OxygenColour;
    auto answered = OnNextModal([&](QWidget* w) {
        modal = w == &f && f.isModal();
        okFocused = f.focusWidget() == f.btnOk;
        okDefault = f.btnOk->isDefault();
        date = f.Label5->text();
        money = f.Label6->text();
        zone3Oxygen = f.Cell(2, 0)->text();
        zone3OxygenColour = views::TextColour(f.Cell(2, 0));
        // Enter presses the OK button, which closes the report.
        guitest::Key(w, Qt::Key_Return);
    });
    f.ShowReport(g, host);
    QVERIFY(*answered);
    QVERIFY(modal);
    QVERIFY(!f.isVisible());
    QCOMPARE(host.calls, QStringList{QStringLiteral("ShowDate")});
    QVERIFY2(!host.reportVisibleAtShowDate, "the date must be shown before the report opens");
    QCOMPARE(f.windowTitle(), QStringLiteral("Отчет"));
    QVERIFY(okFocused);
    QVERIFY(okDefault);
    QCOMPARE(date, QStringLiteral("1 июня"));
    QCOMPARE(money, QStringLiteral("300 грн  0 коп"));
    QCOMPARE(zone3Oxygen, QStringLiteral("8"));
    QCOMPARE(zone3OxygenColour, ui::clBlue);
}

// ---------------------------------------------------------------------------------------------
// Forecasts

void tst_Views::meteo_data() {
    QTest::addColumn<int>("decade");
    QTest::addColumn<QStringList>("texts");  // air, water, precipitation, pressure, wind
    // The temperature unit: a degree sign, a space and the Latin capital C.
    const QString deg = QStringLiteral(u"\u00B0\u0020\u0043");
    QTest::newRow("period 0") << 0 << QStringList{"25" + deg, "17" + deg, "32 мм", "708 мм", "2 м/с"};
    QTest::newRow("period 1") << 1 << QStringList{"23" + deg, "15" + deg, "15 мм", "740 мм", "4 м/с"};
    QTest::newRow("period 3") << 3 << QStringList{"25" + deg, "14" + deg, "3 мм", "737 мм", "1 м/с"};
}

void tst_Views::meteo() {
    QFETCH(int, decade);
    QFETCH(QStringList, texts);
    TMeteoForm f(nullptr);
    f.FillForecast(decade);
    const QStringList shown{f.lblAir->text(), f.lblWater->text(), f.lblOsad->text(),
                            f.lblDavl->text(), f.lblWind->text()};
    QCOMPARE(shown, texts);
    for (QLabel* l : {f.lblAir, f.lblWater, f.lblOsad, f.lblDavl, f.lblWind})
        QCOMPARE(l->size(), l->sizeHint());
}

void tst_Views::sbros_data() {
    QTest::addColumn<int>("decade");
    // Plant, factory, resort: volume, organics, inorganics; then the garden's volume.
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("period 0") << 0
                              << QStringList{"1200", "200", "2000", "700", "250", "1500",
                                             "1000", "300", "2000", "1000"};
    QTest::newRow("period 1") << 1
                              << QStringList{"1200", "200", "2000", "350", "250", "1500",
                                             "1000", "300", "2000", "0"};
    QTest::newRow("period 3") << 3
                              << QStringList{"1500", "200", "2000", "350", "250", "1500",
                                             "1000", "300", "1000", "600"};
}

void tst_Views::sbros() {
    QFETCH(int, decade);
    QFETCH(QStringList, texts);
    TSbrosForm f(nullptr);
    f.FillForecast(decade);
    QStringList shown;
    for (const char* name : {"lbl11", "lbl12", "lbl13", "lbl21", "lbl22", "lbl23", "lbl31", "lbl32",
                             "lbl33", "lbl41"}) {
        shown << Text(&f, name);
        const QLabel* cell = f.findChild<QLabel*>(QLatin1String(name));
        QVERIFY(cell);
        QCOMPARE(views::TextColour(cell), ui::clBlue);
    }
    QCOMPARE(shown, texts);
    // The garden has no organics or inorganics cells.
    QVERIFY(!f.findChild<QLabel*>(QStringLiteral("lbl42")));
    QVERIFY(!f.findChild<QLabel*>(QStringLiteral("lbl43")));
}

// Both windows open modally with the period's figures and close by their OK button; a second
// show with another period shows that period's figures.
void tst_Views::forecastShow() {
    TMeteoForm meteo(nullptr);
    TSbrosForm sbros(nullptr);
    QVERIFY(meteo.Image1->isValid());
    QCOMPARE(meteo.Image1->geometry(), QRect(32, 8, 122, 68));
    QCOMPARE(meteo.windowTitle(), QStringLiteral("Метеопрогноз"));
    QCOMPARE(sbros.windowTitle(), QStringLiteral("Прогноз сброса сточных вод предприятиями"));

    for (int decade : {0, 3}) {
        bool meteoModal = false, okFocused = false;
        QString wind;
        auto closedMeteo = OnNextModal([&](QWidget* w) {
            meteoModal = w == &meteo;
            okFocused = meteo.focusWidget() == meteo.btnOk;
            wind = meteo.lblWind->text();
            QTest::mouseClick(meteo.btnOk, Qt::LeftButton);
        });
        meteo.ShowForecast(decade);
        QVERIFY(*closedMeteo);
        QVERIFY(meteoModal);
        QVERIFY(okFocused);
        QCOMPARE(wind, decade == 0 ? QStringLiteral("2 м/с") : QStringLiteral("1 м/с"));
        QVERIFY(!meteo.isVisible());

        bool sbrosModal = false;
        QString plantVolume;
        auto closedSbros = OnNextModal([&](QWidget* w) {
            sbrosModal = w == &sbros;
            plantVolume = sbros.Cell(0, 0)->text();
            guitest::Key(w, Qt::Key_Return);
        });
        sbros.ShowForecast(decade);
        QVERIFY(*closedSbros);
        QVERIFY(sbrosModal);
        QCOMPARE(plantVolume, decade == 0 ? QStringLiteral("1200") : QStringLiteral("1500"));
        QVERIFY(!sbros.isVisible());
    }
}

// ---------------------------------------------------------------------------------------------
// The windows as the main window opens them

void tst_Views::fromMainWindow() {
    guitest::WorkFolder folder;
    CreateForms();
    auto destroy = qScopeGuard([] { DestroyForms(); });
    frmMain->show();
    QVERIFY(QTest::qWaitForWindowExposed(frmMain));
    // A game in its fourth period, on a day the main window has not shown yet.
    frmMain->Game.DayNo = 35;
    frmMain->Game.Decade = 3;

    QWidget* opened = nullptr;
    QString date, mainDate, mainMonth;
    auto report = OnNextModal([&](QWidget* w) {
        opened = w;
        date = OtchetForm->Label5->text();
        mainDate = frmMain->lblDate->text();
        mainMonth = frmMain->lblMonth->text();
        OtchetForm->btnOk->click();
    });
    QTest::mouseClick(frmMain->btnOtchet, Qt::LeftButton);
    QVERIFY(*report);
    QCOMPARE(opened, static_cast<QWidget*>(OtchetForm));
    QCOMPARE(date, QStringLiteral("5 июля"));
    QCOMPARE(mainDate, QStringLiteral("5"));
    QCOMPARE(mainMonth, QStringLiteral("июля"));

    QString pressure;
    auto meteo = OnNextModal([&](QWidget* w) {
        opened = w;
        pressure = MeteoForm->lblDavl->text();
        MeteoForm->btnOk->click();
    });
    QTest::mouseClick(frmMain->btnMeteo, Qt::LeftButton);
    QVERIFY(*meteo);
    QCOMPARE(opened, static_cast<QWidget*>(MeteoForm));
    QCOMPARE(pressure, QStringLiteral("737 мм"));

    QString garden;
    auto sbros = OnNextModal([&](QWidget* w) {
        opened = w;
        garden = SbrosForm->lbl41->text();
        SbrosForm->btnOk->click();
    });
    QTest::mouseClick(frmMain->btnSbros, Qt::LeftButton);
    QVERIFY(*sbros);
    QCOMPARE(opened, static_cast<QWidget*>(SbrosForm));
    QCOMPARE(garden, QStringLiteral("600"));
}

// Every text is drawn in full inside the panel, also the widest ones the game can produce.
void tst_Views::textsFit() {
    TOtchetForm report(nullptr);
    GameState g = AtLimits();
    g.DayNo = 61;
    g.MoneyGrn = -1;
    g.MoneyKop = 75;
    g.WaterLevel = 10.1234f;
    for (auto& q : g.Zones) q = {-1.234e-5f, -1.234e-5f, -12345.6f};
    report.FillReport(g);
    TMeteoForm meteo(nullptr);
    meteo.FillForecast(0);
    TSbrosForm sbros(nullptr);
    sbros.FillForecast(0);

    for (const ui::TForm* form : {static_cast<ui::TForm*>(&report), static_cast<ui::TForm*>(&meteo),
                                  static_cast<ui::TForm*>(&sbros)}) {
        const ui::TPanel* panel = form->findChild<ui::TPanel*>(QStringLiteral("Panel1"));
        QVERIFY(panel);
        QCOMPARE(panel->geometry(), form->rect());
        const QRect inside = panel->rect().adjusted(panel->EdgeWidth(), panel->EdgeWidth(),
                                                    -panel->EdgeWidth(), -panel->EdgeWidth());
        for (const QLabel* l : form->findChildren<QLabel*>()) {
            const QByteArray where = form->objectName().toLatin1() + '.' + l->objectName().toLatin1();
            QVERIFY2(!l->text().isEmpty(), where.constData());
            QVERIFY2(inside.contains(l->geometry()), where.constData());
            const QSize needed = l->fontMetrics().size(0, l->text());
            const QByteArray message = where + " needs " + QByteArray::number(needed.width()) +
                                       "x" + QByteArray::number(needed.height());
            QVERIFY2(needed.width() <= l->width() && needed.height() <= l->height(),
                     message.constData());
        }
    }
}

QTEST_MAIN(tst_Views)
#include "tst_views.moc"

// Tests of the lake model against the game's own figures.

#include <QtTest>

#include <cmath>

#include "Lake.h"
#include "RecordingHost.h"

using namespace tarnova;

namespace {

// True when v shows as `expected` to three significant digits.
bool SameTo3(float v, double expected) {
    if (expected == 0.0) return std::fabs(v) < 5e-4;
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 2);
    return std::fabs(v - expected) <= 0.5 * unit;
}

// Money as kopecks, for comparisons.
int Kopecks(const GameState& g) { return 100 * g.MoneyGrn + g.MoneyKop; }

struct Fixture {
    GameState g;
    RecordingHost host{g};
    Fixture() {
        NewGame(g, host);
        host.calls.clear();
    }
};

// One state snapshot per simulated day, taken after the day's step (the finished game's state on
// the day that ended it).
struct PlayedDay {
    int day;
    GameState before;
    GameState after;
    DayOutcome outcome;
};

// Plays one game to its end, entering the same decisions before every cycle as the player would.
QList<PlayedDay> PlayGame(Fixture& f, const Decisions& d) {
    QList<PlayedDay> days;
    for (bool over = false; !over;) {
        ApplyDecisions(f.g, d);
        StartCycle(f.g);
        for (;;) {
            PlayedDay p{f.g.DayNo, f.g, {}, {}};
            p.outcome = DayStep(f.g, f.host);
            p.after = p.outcome.gameOver ? f.host.atGrade : f.g;
            days << p;
            if (p.outcome.gameOver) over = true;
            if (p.outcome.gameOver || p.outcome.cycleEnded) break;
            if (days.size() > 100) return days;  // a runaway game fails the caller's checks
        }
    }
    return days;
}

}  // namespace

class tst_Model : public QObject {
    Q_OBJECT
private slots:
    void newGame();
    void firstDay_data();
    void firstDay();
    void mixing_data();
    void mixing();
    void allZeroGame();
    void largestDecisionsGame();
    void levelControl_data();
    void levelControl();
    void costs_data();
    void costs();
    void moneyExhausted_data();
    void moneyExhausted();
    void dayWithoutMoney();
    void newGameAfterNoMoney();
    void penalty_data();
    void penalty();
    void gameEnd_data();
    void gameEnd();
    void cycleCalendar_data();
    void cycleCalendar();
    void oxygenNotBoundedBelow();
    void organicClampedToZero();
    void grades_data();
    void grades();
};

void tst_Model::newGame() {
    GameState g;
    g.CycleDay = 7;
    g.NoMoneyMode = 1;
    g.DayPumpIn = 11;
    g.DayPumpOut = 12;
    g.PumpOut = 5000;
    g.CycleLimit = 70;
    RecordingHost host(g);
    NewGame(g, host);
    QCOMPARE(host.calls, QStringList{"ShowDate"});
    QCOMPARE(g.DayNo, 1);
    QCOMPARE(g.Decade, 0);
    QCOMPARE(g.MoneyGrn, 300);
    QCOMPARE(g.MoneyKop, 0);
    QCOMPARE(g.WaterLevel, 10.0f);
    QCOMPARE(g.LevelChange, 0.0f);
    QCOMPARE(g.CycleLength, 3);
    QCOMPARE(g.CycleLimit, 0);
    QCOMPARE(g.PenaltyPoints, 0);
    QCOMPARE(g.PumpOut + g.PumpIn + g.AerationZone2 + g.AerationZone3, 0);
    const float expected[3][3] = {{2.0f, 56.6f, 354.0f}, {5.0f, 41.2f, 278.0f}, {8.0f, 23.0f, 181.0f}};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(g.Zones[i].Oxygen, expected[i][0]);
        QCOMPARE(g.Zones[i].Organic, expected[i][1]);
        QCOMPARE(g.Zones[i].Inorganic, expected[i][2]);
    }
    // Left for the start of the cycle and of the day.
    QCOMPARE(g.CycleDay, 7);
    QCOMPARE(g.NoMoneyMode, 1);
    QCOMPARE(g.DayPumpIn, 11);
    QCOMPARE(g.DayPumpOut, 12);
    // A new game starts with zone 1's oxygen exactly at its minimum, which keeps the limit, and
    // with two values over their limits.
    QVERIFY(!OxygenBreaks(g.Zones[0].Oxygen, ZoneLimits[0]));
    QVERIFY(InorganicBreaks(g.Zones[0].Inorganic, ZoneLimits[0]));
    QVERIFY(OrganicBreaks(g.Zones[1].Organic, ZoneLimits[1]));
}

void tst_Model::firstDay_data() {
    QTest::addColumn<int>("pumpOut");
    QTest::addColumn<int>("pumpIn");
    QTest::addColumn<int>("aeration2");
    QTest::addColumn<int>("aeration3");
    QTest::addColumn<QList<double>>("zones");  // oxygen, organic, inorganic of zones 1..3
    QTest::addColumn<int>("kopecks");
    QTest::newRow("all decisions 0")
        << 0 << 0 << 0 << 0 << QList<double>{1.80, 56.5, 358, 4.53, 39.9, 281, 7.61, 23.0, 185}
        << 30000;
    QTest::newRow("largest decisions")
        << 5000 << 5000 << 10 << 10
        << QList<double>{2.55, 53.7, 342, 13.5, 38.5, 276, 15.9, 22.4, 177} << 29000;
    QTest::newRow("pump in 2000, aeration 3 and 1")
        << 0 << 2000 << 3 << 1 << QList<double>{2.10, 55.9, 355, 7.22, 39.4, 280, 8.54, 23.0, 183}
        << 30000 - 100 - 100;
}

void tst_Model::firstDay() {
    QFETCH(int, pumpOut);
    QFETCH(int, pumpIn);
    QFETCH(int, aeration2);
    QFETCH(int, aeration3);
    QFETCH(QList<double>, zones);
    QFETCH(int, kopecks);
    Fixture f;
    ApplyDecisions(f.g, {pumpOut, pumpIn, aeration2, aeration3, 3});
    StartCycle(f.g);
    DayStep(f.g, f.host);
    for (int i = 0; i < 3; ++i) {
        const ZoneQuality& z = f.g.Zones[i];
        const float got[3] = {z.Oxygen, z.Organic, z.Inorganic};
        for (int k = 0; k < 3; ++k)
            QVERIFY2(SameTo3(got[k], zones[3 * i + k]),
                     qPrintable(QStringLiteral("zone %1 value %2: %3, expected %4")
                                    .arg(i + 1).arg(k).arg(got[k]).arg(zones[3 * i + k])));
    }
    QCOMPARE(Kopecks(f.g), kopecks);
    QCOMPARE(f.g.DayNo, 2);
}

void tst_Model::mixing_data() {
    QTest::addColumn<bool>("displace");
    QTest::addColumn<int>("V");
    QTest::addColumn<float>("C");
    QTest::addColumn<int>("v");
    QTest::addColumn<float>("c");
    QTest::addColumn<float>("expected");
    // The inflow adds its matter to the zone but not its volume: divided by V, not V + v.
    QTest::newRow("mix in, divisor is the zone volume")
        << false << 100000 << 2.0f << 50000 << 4.0f << 4.0f;
    QTest::newRow("mix in nothing") << false << 200000 << 41.2f << 0 << 250.0f << 41.2f;
    QTest::newRow("displace a tenth") << true << 100000 << 8.0f << 10000 << 0.0f << 7.2f;
    QTest::newRow("displace nothing") << true << 200000 << 5.0f << 0 << 0.0f << 5.0f;
}

void tst_Model::mixing() {
    QFETCH(bool, displace);
    QFETCH(int, V);
    QFETCH(float, C);
    QFETCH(int, v);
    QFETCH(float, c);
    QFETCH(float, expected);
    QCOMPARE(displace ? Displace(V, C, v) : MixIn(V, C, v, c), expected);
}

void tst_Model::allZeroGame() {
    Fixture f;
    const QList<PlayedDay> days = PlayGame(f, {0, 0, 0, 0, 3});
    QCOMPARE(days.size(), 46);

    // Days 1 to 7: the same rise each day (rain 1920, garden 100, evaporation 30 m3).
    const float rise = days[0].after.LevelChange;
    QCOMPARE(rise, 1920.0f - 100.0f - 30.0f);
    for (int d = 0; d < 7; ++d) {
        QCOMPARE(days[d].after.LevelChange, rise);
        QCOMPARE(days[d].after.DayPumpOut, 0);
    }
    QVERIFY(days[5].after.WaterLevel < 10.2);
    QVERIFY(days[6].after.WaterLevel > 10.2);
    // Day 8 pumps out, costs 2 grn 50 kop; days 9 and 10 pump nothing; day 11 pumps again.
    QCOMPARE(days[7].after.DayPumpOut, 5000);
    QCOMPARE(days[7].after.DayPumpIn, 0);
    QVERIFY(days[7].after.WaterLevel < days[6].after.WaterLevel);
    QCOMPARE(Kopecks(days[7].after), 29750);
    QCOMPARE(days[8].after.DayPumpOut, 0);
    QCOMPARE(days[9].after.DayPumpOut, 0);
    QCOMPARE(days[10].before.Decade, 1);
    QCOMPARE(days[10].after.DayPumpOut, 5000);
    QCOMPARE(Kopecks(days[10].after), 29500);

    // Every July day breaks a limit; the sixteenth point comes on 16 July and the date stays.
    for (int d = 30; d < 46; ++d) QCOMPARE(days[d].after.PenaltyPoints, d - 29);
    const PlayedDay& last = days.last();
    QCOMPARE(last.day, 46);
    QVERIFY(last.outcome.gameOver);
    QCOMPARE(last.after.PenaltyPoints, 16);
    QCOMPARE(last.after.DayNo, 46);
    QCOMPARE(last.after.MoneyGrn, 285);
    QCOMPARE(last.after.MoneyKop, 0);
    QCOMPARE(GradeFor(last.after.PenaltyPoints), 2);
    // The grade started a new game.
    QCOMPARE(f.g.DayNo, 1);
    QCOMPARE(f.g.PenaltyPoints, 0);
    QCOMPARE(f.g.MoneyGrn, 300);
}

void tst_Model::largestDecisionsGame() {
    Fixture f;
    const QList<PlayedDay> days = PlayGame(f, {5000, 5000, 10, 10, 10});
    QCOMPARE(days.size(), 60);
    for (const PlayedDay& p : days) {
        if (p.day >= 33) break;
        // 10 grn a day, 7 grn 50 kop on days of level control (5000 m3 instead of 10000).
        const bool control = p.after.DayPumpIn + p.after.DayPumpOut == 5000;
        QCOMPARE(Kopecks(p.before) - Kopecks(p.after), control ? 750 : 1000);
    }
    QCOMPARE(days[31].day, 32);
    QCOMPARE(Kopecks(days[31].before), 500);
    QCOMPARE(days[31].after.MoneyGrn, -5);
    QCOMPARE(days[31].after.MoneyKop, 0);
    QVERIFY(!days[31].outcome.moneyRanOut);
    QVERIFY(days[32].outcome.moneyRanOut);
    QCOMPARE(days[32].after.NoMoneyMode, 1);
    QCOMPARE(days[32].after.CycleLimit, 70);
    for (int d = 32; d < 60; ++d) {
        QCOMPARE(Kopecks(days[d].after), 0);
        QCOMPARE(days[d].after.DayPumpIn + days[d].after.DayPumpOut, 0);
        QVERIFY(!days[d].outcome.cycleEnded);
    }
    QCOMPARE(f.host.calls.count("NoMoney"), 1);
    const PlayedDay& last = days.last();
    QCOMPARE(last.day, 60);
    QVERIFY(last.outcome.gameOver);
    QCOMPARE(last.after.DayNo, 61);
    QCOMPARE(last.after.Decade, 5);
    QCOMPARE(last.after.PenaltyPoints, 12);
    QCOMPARE(GradeFor(12), 3);
}

void tst_Model::levelControl_data() {
    QTest::addColumn<float>("level");
    QTest::addColumn<int>("noMoney");
    QTest::addColumn<int>("dayIn");
    QTest::addColumn<int>("dayOut");
    const float near102 = 10.2f, near98 = 9.8f;
    const float above102 = std::nextafter(near102, 11.0f), below98 = std::nextafter(near98, 9.0f);
    // The decisions are 1234 in and 4321 out.
    QTest::newRow("float nearest 10.2 lies below the bound") << near102 << 0 << 1234 << 4321;
    QTest::newRow("next float above 10.2 pumps out") << above102 << 0 << 0 << 5000;
    QTest::newRow("float nearest 9.8 lies above the bound") << near98 << 0 << 1234 << 4321;
    QTest::newRow("next float below 9.8 pumps in") << below98 << 0 << 5000 << 0;
    QTest::newRow("high level without money") << 11.0f << 1 << 1234 << 4321;
    QTest::newRow("low level without money") << 9.0f << 1 << 1234 << 4321;
}

void tst_Model::levelControl() {
    QFETCH(float, level);
    QFETCH(int, noMoney);
    QFETCH(int, dayIn);
    QFETCH(int, dayOut);
    Fixture f;
    f.g.PumpIn = 1234;
    f.g.PumpOut = 4321;
    f.g.WaterLevel = level;
    f.g.NoMoneyMode = noMoney;
    PumpingStage(f.g);
    QCOMPARE(f.g.DayPumpIn, dayIn);
    QCOMPARE(f.g.DayPumpOut, dayOut);
    // The override is for the day only.
    QCOMPARE(f.g.PumpIn, 1234);
    QCOMPARE(f.g.PumpOut, 4321);
}

void tst_Model::costs_data() {
    QTest::addColumn<int>("grn");
    QTest::addColumn<int>("kop");
    QTest::addColumn<int>("pumped");
    QTest::addColumn<int>("aeration2");
    QTest::addColumn<int>("aeration3");
    QTest::addColumn<int>("grnAfter");
    QTest::addColumn<int>("kopAfter");
    QTest::newRow("largest decisions: 5 + 5 grn") << 300 << 0 << 10000 << 10 << 10 << 290 << 0;
    QTest::newRow("level control alone: 2 grn 50") << 300 << 0 << 5000 << 0 << 0 << 297 << 50;
    QTest::newRow("nothing costs nothing") << 300 << 0 << 0 << 0 << 0 << 300 << 0;
    QTest::newRow("499 m3 rounds down") << 300 << 0 << 499 << 0 << 0 << 300 << 0;
    QTest::newRow("500 m3 rounds up") << 300 << 0 << 500 << 0 << 0 << 299 << 50;
    QTest::newRow("1499 m3 costs 50 kop") << 300 << 0 << 1499 << 0 << 0 << 299 << 50;
    QTest::newRow("1500 m3 costs 1 grn") << 300 << 0 << 1500 << 0 << 0 << 299 << 0;
    QTest::newRow("aeration 1 and 0 costs 25 kop") << 300 << 0 << 0 << 1 << 0 << 299 << 75;
    QTest::newRow("aeration 0 and 3 costs 75 kop") << 300 << 0 << 0 << 0 << 3 << 299 << 25;
    QTest::newRow("aeration 2 and 2 costs 1 grn") << 300 << 50 << 0 << 2 << 2 << 299 << 50;
    QTest::newRow("borrow twice") << 1 << 0 << 1000 << 1 << 0 << 0 << 25;
    QTest::newRow("25 kop less 50 kop goes negative") << 0 << 25 << 1000 << 0 << 0 << -1 << 75;
    QTest::newRow("charged again below zero") << -1 << 75 << 1000 << 0 << 0 << -1 << 25;
}

void tst_Model::costs() {
    QFETCH(int, grn);
    QFETCH(int, kop);
    QFETCH(int, pumped);
    QFETCH(int, aeration2);
    QFETCH(int, aeration3);
    QFETCH(int, grnAfter);
    QFETCH(int, kopAfter);
    Fixture f;
    f.g.MoneyGrn = grn;
    f.g.MoneyKop = kop;
    f.g.DayPumpIn = pumped / 3;
    f.g.DayPumpOut = pumped - pumped / 3;
    f.g.AerationZone2 = aeration2;
    f.g.AerationZone3 = aeration3;
    CostStage(f.g);
    QCOMPARE(f.g.MoneyGrn, grnAfter);
    QCOMPARE(f.g.MoneyKop, kopAfter);
    f.g.NoMoneyMode = 1;
    CostStage(f.g);
    QCOMPARE(f.g.MoneyGrn, grnAfter);
    QCOMPARE(f.g.MoneyKop, kopAfter);
}

void tst_Model::moneyExhausted_data() {
    QTest::addColumn<int>("grn");
    QTest::addColumn<int>("kop");
    QTest::addColumn<int>("noMoney");
    QTest::addColumn<bool>("exhausted");
    QTest::newRow("exactly nothing") << 0 << 0 << 0 << true;
    QTest::newRow("debt of whole hryvnia") << -5 << 0 << 0 << true;
    QTest::newRow("debt with positive kopecks") << -1 << 75 << 0 << false;
    QTest::newRow("kopecks left") << 0 << 25 << 0 << false;
    QTest::newRow("hryvnia left") << 1 << 0 << 0 << false;
    QTest::newRow("already without control") << 0 << 0 << 1 << false;
}

void tst_Model::moneyExhausted() {
    QFETCH(int, grn);
    QFETCH(int, kop);
    QFETCH(int, noMoney);
    QFETCH(bool, exhausted);
    Fixture f;
    ApplyDecisions(f.g, {5000, 4000, 3, 2, 7});
    StartCycle(f.g);
    f.g.NoMoneyMode = noMoney;
    f.g.MoneyGrn = grn;
    f.g.MoneyKop = kop;
    PumpingStage(f.g);
    QCOMPARE(NoMoneyStage(f.g, f.host), exhausted);
    if (!exhausted) {
        QVERIFY(f.host.calls.isEmpty());
        QCOMPARE(f.g.MoneyGrn, grn);
        QCOMPARE(f.g.PumpOut, 5000);
        QCOMPARE(f.g.CycleLimit, 7);
        return;
    }
    QCOMPARE(f.host.calls, (QStringList{"TimerOff", "ShowReportForm", "NoMoney", "TimerOn"}));
    QCOMPARE(f.g.NoMoneyMode, 1);
    QCOMPARE(f.g.MoneyGrn, 0);
    QCOMPARE(f.g.MoneyKop, 0);
    QCOMPARE(f.g.PumpOut + f.g.PumpIn + f.g.AerationZone2 + f.g.AerationZone3, 0);
    QCOMPARE(f.g.DayPumpIn + f.g.DayPumpOut, 0);
    QCOMPARE(f.g.CycleLimit, 70);
    QCOMPARE(f.g.CycleLength, 7);
}

void tst_Model::dayWithoutMoney() {
    // Exactly 0 grn 0 kop with a high level: no pumping, no aeration, no costs; the cycle goes on.
    Fixture f;
    ApplyDecisions(f.g, {0, 5000, 10, 10, 3});
    StartCycle(f.g);
    f.g.MoneyGrn = 0;
    f.g.WaterLevel = 10.5f;
    const float oxygen2 = f.g.Zones[1].Oxygen;
    for (int d = 0; d < 5; ++d) {
        const DayOutcome o = DayStep(f.g, f.host);
        QCOMPARE(o.moneyRanOut, d == 0);
        QVERIFY(!o.cycleEnded);
        QCOMPARE(Kopecks(f.g), 0);
        QCOMPARE(f.g.DayPumpIn + f.g.DayPumpOut, 0);
    }
    QVERIFY(f.g.Zones[1].Oxygen < oxygen2);  // no aeration
    QVERIFY(f.g.WaterLevel > 10.5f);          // the level follows the weather alone
    QCOMPARE(f.host.calls.mid(0, 5),
             (QStringList{"TimerOff", "ShowReportForm", "NoMoney", "TimerOn", "ShowDate"}));
    QCOMPARE(f.host.calls.count("EndCycle"), 0);
}

void tst_Model::newGameAfterNoMoney() {
    Fixture f;
    f.g.NoMoneyMode = 1;
    NewGame(f.g, f.host);
    QCOMPARE(f.g.NoMoneyMode, 1);
    StartCycle(f.g);
    QCOMPARE(f.g.NoMoneyMode, 0);
    QCOMPARE(f.g.CycleLimit, 3);
    QCOMPARE(f.g.CycleDay, 0);
    f.g.WaterLevel = 10.5f;
    PumpingStage(f.g);
    QCOMPARE(f.g.DayPumpOut, 5000);
}

void tst_Model::penalty_data() {
    QTest::addColumn<int>("dayNo");
    QTest::addColumn<int>("zone");   // zone whose value is moved, 0 for none
    QTest::addColumn<int>("field");  // 0 oxygen, 1 organic, 2 inorganic
    QTest::addColumn<int>("points");
    QTest::newRow("all nine at their limits") << 31 << 0 << 0 << 0;
    const char* fields[3] = {"oxygen", "organic", "inorganic"};
    for (int zone = 1; zone <= 3; ++zone)
        for (int field = 0; field < 3; ++field)
            QTest::addRow("zone %d %s one float beyond", zone, fields[field])
                << 60 << zone << field << 1;
    QTest::newRow("June is not judged") << 30 << -1 << 0 << 0;
    QTest::newRow("everything broken counts once") << 45 << -1 << 0 << 1;
}

void tst_Model::penalty() {
    QFETCH(int, dayNo);
    QFETCH(int, zone);
    QFETCH(int, field);
    QFETCH(int, points);
    Fixture f;
    for (int i = 0; i < 3; ++i)
        f.g.Zones[i] = {ZoneLimits[i].MinOxygen, ZoneLimits[i].MaxOrganic, ZoneLimits[i].MaxInorganic};
    if (zone > 0) {
        float* v[3] = {&f.g.Zones[zone - 1].Oxygen, &f.g.Zones[zone - 1].Organic,
                       &f.g.Zones[zone - 1].Inorganic};
        *v[field] = std::nextafter(*v[field], field == 0 ? -1.0f : 1e6f);
    } else if (zone < 0) {
        // Zone 1 oxygen 1.9 and every other value over its limit.
        for (int i = 0; i < 3; ++i)
            f.g.Zones[i] = {ZoneLimits[i].MinOxygen - 1, ZoneLimits[i].MaxOrganic + 1,
                            ZoneLimits[i].MaxInorganic + 1};
        f.g.Zones[0].Oxygen = 1.9f;
    }
    f.g.DayNo = dayNo;
    f.g.PenaltyPoints = 3;
    QVERIFY(!PenaltyStage(f.g, f.host));
    QCOMPARE(f.g.PenaltyPoints, 3 + points);
    if (zone != 0) {
        for (int i = 0; i < 3; ++i) QVERIFY(BreaksLimit(f.g.Zones[i], ZoneLimits[i]) == (zone < 0 || zone == i + 1));
    }
}

void tst_Model::gameEnd_data() {
    QTest::addColumn<bool>("showReport");
    QTest::addColumn<bool>("byPoints");
    QTest::addColumn<bool>("lastCycleDay");
    QTest::addColumn<QStringList>("calls");
    const QStringList withReport{"EndCycle", "ShowGrade", "ShowDate"};
    const QStringList withoutReport{"EndCycle", "ShowReportForm", "ShowGrade", "ShowDate"};
    QTest::newRow("end of July, report on") << true << false << false << withReport;
    QTest::newRow("end of July, report off") << false << false << false << withoutReport;
    QTest::newRow("16 points, report on") << true << true << false << withReport;
    QTest::newRow("16 points, report off") << false << true << false << withoutReport;
    QTest::newRow("end of July on the cycle's last day") << true << false << true << withReport;
    QTest::newRow("16 points on the cycle's last day") << false << true << true << withoutReport;
}

void tst_Model::gameEnd() {
    QFETCH(bool, showReport);
    QFETCH(bool, byPoints);
    QFETCH(bool, lastCycleDay);
    QFETCH(QStringList, calls);
    Fixture f;
    f.host.showReport = showReport;
    StartCycle(f.g);
    f.g.CycleLimit = 10;
    f.g.CycleDay = lastCycleDay ? 9 : 4;
    f.g.DayNo = byPoints ? 46 : 60;
    f.g.Decade = byPoints ? 4 : 5;
    f.g.PenaltyPoints = byPoints ? 15 : 3;
    f.g.Zones[0].Oxygen = byPoints ? 0.0f : 10.0f;  // zone 1 breaks its limit or keeps it
    f.g.Zones[0].Inorganic = 100.0f;
    f.g.Zones[1].Organic = 30.0f;
    const DayOutcome o = DayStep(f.g, f.host);
    QVERIFY(o.gameOver);
    QVERIFY(!o.cycleEnded);
    QCOMPARE(f.host.calls, calls);
    const GameState& at = f.host.atGrade;
    QCOMPARE(at.PenaltyPoints, byPoints ? 16 : 3);
    QCOMPARE(at.DayNo, byPoints ? 46 : 61);  // 16 points do not advance the date
    QCOMPARE(at.Decade, byPoints ? 4 : 5);
    QCOMPARE(at.CycleDay, lastCycleDay ? 9 : 4);
    // The grade is followed by a new game.
    QCOMPARE(f.g.DayNo, 1);
    QCOMPARE(f.g.PenaltyPoints, 0);
}

void tst_Model::cycleCalendar_data() {
    QTest::addColumn<int>("startDay");
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("decades");  // Decade of each day simulated
    QTest::newRow("3 days from 1 June") << 1 << 3 << QList<int>{0, 0, 0};
    QTest::newRow("across the period boundary") << 10 << 3 << QList<int>{0, 1, 1};
    QTest::newRow("into July") << 29 << 4 << QList<int>{2, 2, 3, 3};
    QTest::newRow("the last period") << 51 << 9 << QList<int>{5, 5, 5, 5, 5, 5, 5, 5, 5};
}

void tst_Model::cycleCalendar() {
    QFETCH(int, startDay);
    QFETCH(int, length);
    QFETCH(QList<int>, decades);
    Fixture f;
    f.g.DayNo = startDay;
    f.g.Decade = (startDay - 1) / 10;
    f.g.CycleLength = length;
    f.g.Zones = {{{10.0f, 10.0f, 10.0f}, {10.0f, 10.0f, 10.0f}, {10.0f, 10.0f, 10.0f}}};
    StartCycle(f.g);
    for (int d = 0; d < length; ++d) {
        QCOMPARE(f.g.Decade, decades[d]);
        f.host.calls.clear();
        const DayOutcome o = DayStep(f.g, f.host);
        QCOMPARE(o.cycleEnded, d == length - 1);
        QCOMPARE(f.host.calls, d == length - 1 ? (QStringList{"ShowDate", "EndCycle"})
                                               : QStringList{"ShowDate"});
        QCOMPARE(f.g.DayNo, startDay + d + 1);
        QCOMPARE(f.g.Decade, (f.g.DayNo - 1) / 10);
    }
}

void tst_Model::oxygenNotBoundedBelow() {
    // AirTemp x Organic above 10000 oxidises more oxygen than the zone holds.
    Fixture f;
    f.g.Zones[0] = {2.0f, 500.0f, 100.0f};
    const float rain = WaterBalanceStage(f.g);
    WaterQualityStage(f.g, rain);
    QVERIFY2(f.g.Zones[0].Oxygen < 0.0f, qPrintable(QString::number(f.g.Zones[0].Oxygen)));
    QVERIFY(f.g.Zones[1].Oxygen > 0.0f);
}

void tst_Model::organicClampedToZero() {
    // Pumping moves more organic matter out of zone 1 than it holds.
    Fixture f;
    f.g.Zones[0].Organic = 0.0f;
    f.g.DayPumpIn = 5000;
    f.g.DayPumpOut = 5000;
    WaterQualityStage(f.g, WaterBalanceStage(f.g));
    QCOMPARE(f.g.Zones[0].Organic, 0.0f);
    QVERIFY(!std::signbit(f.g.Zones[0].Organic));
}

void tst_Model::grades_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("grade");
    QTest::newRow("0") << 0 << 5;
    QTest::newRow("1") << 1 << 4;
    QTest::newRow("10") << 10 << 4;
    QTest::newRow("11") << 11 << 3;
    QTest::newRow("15") << 15 << 3;
    QTest::newRow("16") << 16 << 2;
}

void tst_Model::grades() {
    QFETCH(int, points);
    QFETCH(int, grade);
    QCOMPARE(GradeFor(points), grade);
}

QTEST_APPLESS_MAIN(tst_Model)
#include "tst_model.moc"

// The lake model: new game, cycle start and the day step.
//
// Arithmetic: every expression is evaluated in x87 extended precision (long double, 64-bit
// mantissa) and rounded to float each time a real value is stored, exactly as the model has always
// been computed; a different rounding point changes the game's figures. Constants keep their own
// kind: 0.1L is the extended constant, 0.4 the double one, 60.0f the float one.

#include "Lake.h"

#include <cfloat>

#if LDBL_MANT_DIG != 64
#warning "long double is not the x87 extended type here: the lake's figures will drift"
#endif

namespace tarnova {

namespace {

using ext = long double;

// Rounds an extended value to single precision, as storing it in a float variable does.
inline float Store(ext x) { return static_cast<float>(x); }

// Conversion of a real to an integer truncates toward zero.
inline std::int32_t Trunc(ext x) { return static_cast<std::int32_t>(x); }

constexpr ext OneThird = 1.0L / 3.0L;
constexpr ext LevelPerM3 = 1.0L / 60000.0L;

constexpr double UpperLevel = 10.2;
constexpr double LowerLevel = 9.8;
constexpr std::int32_t ControlPumping = 5000;
constexpr std::int32_t NoMoneyCycleLimit = 70;

constexpr std::int32_t LastJuneDay = 30;
constexpr std::int32_t GameOverPoints = 16;
constexpr std::int32_t FinalDay = 61;

constexpr std::array<ZoneQuality, 3> InitialZones{{
    {2.0f, 56.6f, 354.0f},
    {5.0f, 41.2f, 278.0f},
    {8.0f, 23.0f, 181.0f},
}};

// Borrows a hryvnia when the kopeck part went below zero.
void Borrow(GameState& g) {
    if (g.MoneyKop < 0) {
        g.MoneyGrn = g.MoneyGrn - 1;
        g.MoneyKop = g.MoneyKop + 100;
    }
}

// The end of a game: the cycle ends, the final report is shown once, then the grade and a new game.
void EndGame(GameState& g, GameHost& host) {
    host.EndCycle();
    if (!host.ShowReport()) host.ShowReportForm();
    host.ShowGrade();
    NewGame(g, host);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Limits and grade

bool OxygenBreaks(float value, const LimitRow& limit) { return value < limit.MinOxygen; }
bool OrganicBreaks(float value, const LimitRow& limit) { return value > limit.MaxOrganic; }
bool InorganicBreaks(float value, const LimitRow& limit) { return value > limit.MaxInorganic; }

bool BreaksLimit(const ZoneQuality& q, const LimitRow& limit) {
    return OxygenBreaks(q.Oxygen, limit) || OrganicBreaks(q.Organic, limit) ||
           InorganicBreaks(q.Inorganic, limit);
}

CalendarDate DateOf(int DayNo) {
    return DayNo > LastJuneDay ? CalendarDate{DayNo - LastJuneDay, true} : CalendarDate{DayNo, false};
}

int GradeFor(int penaltyPoints) {
    if (penaltyPoints == 0) return 5;
    if (penaltyPoints <= 10) return 4;
    if (penaltyPoints < 16) return 3;
    return 2;
}

// ---------------------------------------------------------------------------------------------
// Game and cycle

void NewGame(GameState& g, GameHost& host) {
    g.DayNo = 1;
    g.Decade = 0;
    g.CycleLimit = 0;
    g.PenaltyPoints = 0;
    g.PumpOut = 0;
    g.PumpIn = 0;
    g.AerationZone2 = 0;
    g.AerationZone3 = 0;
    g.CycleLength = 3;
    g.MoneyGrn = 300;
    g.MoneyKop = 0;
    g.Zones = InitialZones;
    g.WaterLevel = 10.0f;
    g.LevelChange = 0.0f;
    host.ShowDate();
}

void StartCycle(GameState& g) {
    g.CycleDay = 0;
    g.NoMoneyMode = 0;
    g.CycleLimit = g.CycleLength;
}

void ApplyDecisions(GameState& g, const Decisions& d) {
    g.PumpOut = d[DecPumpOut];
    g.PumpIn = d[DecPumpIn];
    g.AerationZone2 = d[DecAerationZone2];
    g.AerationZone3 = d[DecAerationZone3];
    g.CycleLength = d[DecCycleLength];
}

// ---------------------------------------------------------------------------------------------
// Mixing

float MixIn(std::int32_t V, float C, std::int32_t v, float c) {
    const float sum = Store(static_cast<ext>(V) * C + static_cast<ext>(v) * c);
    return Store(static_cast<ext>(sum) / V);
}

float Displace(std::int32_t V, float C, std::int32_t v) {
    const float rest = Store(static_cast<ext>(V) * C - static_cast<ext>(v) * C);
    return Store(static_cast<ext>(rest) / V);
}

// ---------------------------------------------------------------------------------------------
// Stages 1 to 4: pumping, exhausted money, costs, water balance

void PumpingStage(GameState& g) {
    g.DayPumpIn = g.PumpIn;
    g.DayPumpOut = g.PumpOut;
    // The float level is compared with the double bounds.
    if (static_cast<double>(g.WaterLevel) > UpperLevel && g.NoMoneyMode == 0) {
        g.DayPumpOut = ControlPumping;
        g.DayPumpIn = 0;
    } else if (static_cast<double>(g.WaterLevel) < LowerLevel && g.NoMoneyMode == 0) {
        g.DayPumpOut = 0;
        g.DayPumpIn = ControlPumping;
    }
}

bool NoMoneyStage(GameState& g, GameHost& host) {
    if (!(g.MoneyGrn <= 0 && g.MoneyKop <= 0 && g.NoMoneyMode == 0)) return false;
    g.NoMoneyMode = 1;
    g.MoneyGrn = 0;
    g.MoneyKop = 0;
    g.PumpIn = 0;
    g.PumpOut = 0;
    g.DayPumpOut = 0;
    g.DayPumpIn = 0;
    g.AerationZone3 = 0;
    g.AerationZone2 = 0;
    g.CycleLimit = NoMoneyCycleLimit;
    host.SetTimerEnabled(false);
    host.ShowReportForm();
    host.ShowNoMoneyNotice();
    host.SetTimerEnabled(true);
    return true;
}

void CostStage(GameState& g) {
    if (g.NoMoneyMode != 0) return;
    // 50 kopecks per thousand m3 pumped, rounded half up.
    const std::int32_t n = g.DayPumpIn + g.DayPumpOut;
    std::int32_t k = n / 1000;
    if (n % 1000 >= 500) k = k + 1;
    g.MoneyGrn = g.MoneyGrn - k / 2;
    g.MoneyKop = g.MoneyKop - 50 * (k % 2);
    Borrow(g);
    // 25 kopecks per mg/l of aeration.
    const std::int32_t a = g.AerationZone2 + g.AerationZone3;
    g.MoneyGrn = g.MoneyGrn - a / 4;
    g.MoneyKop = g.MoneyKop - 25 * (a % 4);
    Borrow(g);
}

float WaterBalanceStage(GameState& g) {
    const MeteoRow& m = MeteoTable[g.Decade];
    const float RainInflow = Store(static_cast<ext>(m.Precipitation) * 60.0f);
    const float GardenDraw = Store(static_cast<ext>(GardenIntake[g.Decade]) * 0.1L);
    const std::int32_t tempDiff = m.AirTemp - m.WaterTemp;
    const float Evaporation =
        Store(static_cast<ext>(tempDiff) * m.Wind / m.Precipitation * 60.0f);
    const std::int32_t pumped = g.DayPumpIn - g.DayPumpOut;
    g.LevelChange = Store(static_cast<ext>(RainInflow) - GardenDraw - Evaporation + pumped);
    g.WaterLevel = Store(LevelPerM3 * g.LevelChange + g.WaterLevel);
    return RainInflow;
}

// ---------------------------------------------------------------------------------------------
// Stage 5: water quality

void WaterQualityStage(GameState& g, float rainInflow) {
    const MeteoRow& m = MeteoTable[g.Decade];
    auto& Z = g.Zones;
    auto row = [&](int zone) -> const DischargeRow& { return (*ZoneDischarge[zone])[g.Decade]; };

    // Oxygen: clean water, aeration and rain bring it up to saturation; waste water displaces it.
    const std::int32_t airByPressure = m.AirTemp * m.Pressure;
    const float OxygenSaturation = Store(static_cast<ext>(300000.0f) / airByPressure);
    Z[0].Oxygen = MixIn(ZoneVolume[0], Z[0].Oxygen, g.DayPumpIn, OxygenSaturation);
    Z[1].Oxygen = Store(static_cast<ext>(g.AerationZone2) + Z[1].Oxygen);
    Z[2].Oxygen = Store(static_cast<ext>(g.AerationZone3) + Z[2].Oxygen);
    const std::int32_t rainShare = Trunc(OneThird * rainInflow);
    for (int i = 0; i < 3; ++i)
        Z[i].Oxygen = MixIn(ZoneVolume[i], Z[i].Oxygen, rainShare, OxygenSaturation);
    for (int i = 0; i < 3; ++i)
        if (Z[i].Oxygen > OxygenSaturation) Z[i].Oxygen = OxygenSaturation;
    for (int i = 0; i < 3; ++i)
        Z[i].Oxygen = Displace(ZoneVolume[i], Z[i].Oxygen, row(i).Volume / 10);

    // Organic matter: half the period's waste water each day, decay, transfer by the pumps.
    for (int i = 0; i < 3; ++i) {
        const std::int32_t v = Trunc(static_cast<ext>(row(i).Volume) * 0.5f);
        Z[i].Organic = MixIn(ZoneVolume[i], Z[i].Organic, v, static_cast<float>(row(i).Organic));
    }
    for (int i = 0; i < 3; ++i) {
        const float e = Store(0.01L * Z[i].Organic);
        Z[i].Organic = Store(static_cast<ext>(Z[i].Organic) - e);
    }
    const std::int32_t pumpedToday = g.DayPumpIn + g.DayPumpOut;
    const float PumpTransfer = Store(static_cast<ext>(pumpedToday) * 0.00025L);
    Z[0].Organic = Store(static_cast<ext>(Z[0].Organic) - PumpTransfer);
    float s = Store(static_cast<ext>(PumpTransfer) * 0.5f);
    Z[1].Organic = Store(static_cast<ext>(s) + Z[1].Organic);
    s = Store(OneThird * PumpTransfer);
    Z[2].Organic = Store(static_cast<ext>(s) + Z[2].Organic);

    // Oxidation uses oxygen and turns organic into inorganic matter.
    for (int i = 0; i < 3; ++i) {
        const float Oxidation =
            Store(static_cast<ext>(m.AirTemp) * Z[i].Organic * Z[i].Oxygen * 0.00025L);
        Z[i].Organic = Store(static_cast<ext>(Z[i].Organic) - Oxidation);
        Z[i].Inorganic = Store(static_cast<ext>(Oxidation) * 2.0f + Z[i].Inorganic);
        Z[i].Oxygen = Store(static_cast<ext>(Z[i].Oxygen) - static_cast<ext>(Oxidation) * 0.4);
    }
    for (int i = 0; i < 3; ++i)
        if (Z[i].Organic < 0.0f) Z[i].Organic = 0.0f;

    // Inorganic matter: waste water brings it, the pumps wash it out.
    for (int i = 0; i < 3; ++i)
        Z[i].Inorganic = MixIn(ZoneVolume[i], Z[i].Inorganic, row(i).Volume / 10,
                               static_cast<float>(row(i).Inorganic));
    const std::int32_t flow = g.DayPumpIn + g.DayPumpOut + 100000;
    const float FlowRatio = Store(static_cast<ext>(flow) * 0.00001L);
    float InorganicWashout = Store(static_cast<ext>(Z[0].Inorganic) / FlowRatio);
    InorganicWashout = Store(static_cast<ext>(Z[0].Inorganic) - InorganicWashout);
    InorganicWashout = Store(static_cast<ext>(InorganicWashout) * 0.5f);
    Z[0].Inorganic = Store(static_cast<ext>(Z[0].Inorganic) - InorganicWashout);
    const float InorganicWashoutOther =
        Store(static_cast<ext>(InorganicWashout) - OneThird * InorganicWashout);
    Z[1].Inorganic = Store(static_cast<ext>(Z[1].Inorganic) - InorganicWashoutOther);
    Z[2].Inorganic = Store(static_cast<ext>(Z[2].Inorganic) - InorganicWashoutOther);
}

// ---------------------------------------------------------------------------------------------
// Stages 6 and 7: July penalty, calendar, end of cycle and game

bool PenaltyStage(GameState& g, GameHost& host) {
    if (g.DayNo <= LastJuneDay) return false;
    // Oxygen of the three zones first, then organic, then inorganic; one point however many break.
    bool broken = false;
    for (int i = 0; i < 3 && !broken; ++i) broken = OxygenBreaks(g.Zones[i].Oxygen, ZoneLimits[i]);
    for (int i = 0; i < 3 && !broken; ++i) broken = OrganicBreaks(g.Zones[i].Organic, ZoneLimits[i]);
    for (int i = 0; i < 3 && !broken; ++i)
        broken = InorganicBreaks(g.Zones[i].Inorganic, ZoneLimits[i]);
    if (broken) g.PenaltyPoints = g.PenaltyPoints + 1;
    if (g.PenaltyPoints == GameOverPoints) {
        EndGame(g, host);
        return true;
    }
    return false;
}

bool CalendarStage(GameState& g, GameHost& host, bool& cycleEnded) {
    g.DayNo = g.DayNo + 1;
    if (g.DayNo == FinalDay) {
        EndGame(g, host);
        return true;
    }
    g.Decade = (g.DayNo - 1) / 10;
    host.ShowDate();
    g.CycleDay = g.CycleDay + 1;
    if (g.CycleDay == g.CycleLimit) {
        cycleEnded = true;
        host.EndCycle();
    }
    return false;
}

DayOutcome DayStep(GameState& g, GameHost& host) {
    DayOutcome out;
    PumpingStage(g);
    out.moneyRanOut = NoMoneyStage(g, host);
    CostStage(g);
    const float rainInflow = WaterBalanceStage(g);
    WaterQualityStage(g, rainInflow);
    if (PenaltyStage(g, host)) {
        out.gameOver = true;
        return out;
    }
    out.gameOver = CalendarStage(g, host, out.cycleEnded);
    return out;
}

}  // namespace tarnova

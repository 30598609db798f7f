// Game state of one game of the lake, the scenario and limit tables, the model constants.
#pragma once

#include <array>
#include <cstdint>

namespace tarnova {

// Water quality of one zone, mg/l.
struct ZoneQuality {
    float Oxygen = 0.0f;
    float Organic = 0.0f;
    float Inorganic = 0.0f;
};

// Everything that one game holds. There is one game at a time; the main window owns it.
// Before the first NewGame every field is zero.
struct GameState {
    std::array<ZoneQuality, 3> Zones{};  // zone 1 (plant), zone 2 (factory), zone 3 (resort)
    std::int32_t MoneyGrn = 0;
    std::int32_t MoneyKop = 0;
    std::int32_t DayNo = 0;          // day the next step simulates: 1..30 June, 31..61 July
    std::int32_t Decade = 0;         // ten-day period 0..5
    std::int32_t CycleLength = 0;    // decision: days in the next cycle, 3..10
    std::int32_t CycleLimit = 0;     // days in the running cycle; 70 once the money is gone
    std::int32_t CycleDay = 0;       // days already run in the running cycle
    std::int32_t PenaltyPoints = 0;  // July days with a broken limit, 0..16
    std::int32_t PumpOut = 0;        // decision: m3 pumped out per day, 0..5000
    std::int32_t PumpIn = 0;         // decision: m3 of clean water into zone 1 per day, 0..5000
    std::int32_t AerationZone2 = 0;  // decision: mg/l of oxygen per day, 0..10
    std::int32_t AerationZone3 = 0;
    float WaterLevel = 0.0f;         // m
    float LevelChange = 0.0f;        // last day's net water balance, m3
    std::int32_t DayPumpIn = 0;      // pumping actually applied today (decision or level control)
    std::int32_t DayPumpOut = 0;
    std::int32_t NoMoneyMode = 0;    // 1 once the money ran out: no control to the end of the game
};

// ---------------------------------------------------------------------------------------------
// Scenario tables, one row per ten-day period (Decade 0..5).

struct MeteoRow {
    std::int32_t AirTemp;        // deg C
    std::int32_t WaterTemp;      // deg C
    std::int32_t Precipitation;  // mm per day
    std::int32_t Pressure;       // mm of mercury
    std::int32_t Wind;           // m/s
};

struct DischargeRow {
    std::int32_t Volume;     // m3 discharged in the period
    std::int32_t Organic;    // mg/l
    std::int32_t Inorganic;  // mg/l
};

struct LimitRow {
    float MinOxygen;
    float MaxOrganic;
    float MaxInorganic;
};

inline constexpr int DecadeCount = 6;

inline constexpr std::array<MeteoRow, DecadeCount> MeteoTable{{
    {25, 17, 32, 708, 2},
    {23, 15, 15, 740, 4},
    {21, 13, 25, 700, 5},
    {25, 14, 3, 737, 1},
    {30, 20, 1, 750, 1},
    {28, 18, 12, 724, 3},
}};

inline constexpr std::array<DischargeRow, DecadeCount> PlantDischarge{{
    {1200, 200, 2000}, {1200, 200, 2000}, {1200, 200, 2000},
    {1500, 200, 2000}, {1200, 200, 2000}, {1200, 200, 2000},
}};

inline constexpr std::array<DischargeRow, DecadeCount> FactoryDischarge{{
    {700, 250, 1500}, {350, 250, 1500}, {350, 250, 1500},
    {350, 250, 1500}, {350, 400, 1500}, {350, 250, 1500},
}};

inline constexpr std::array<DischargeRow, DecadeCount> ResortDischarge{{
    {1000, 300, 2000}, {1000, 300, 2000}, {1000, 300, 1000},
    {1000, 300, 1000}, {1000, 400, 1000}, {1000, 300, 2000},
}};

// m3 per ten days that the botanical garden takes from the lake.
inline constexpr std::array<std::int32_t, DecadeCount> GardenIntake{1000, 0, 400, 600, 300, 500};

inline constexpr std::array<LimitRow, 3> ZoneLimits{{
    {2.0f, 60.0f, 350.0f},
    {4.0f, 40.0f, 300.0f},
    {6.0f, 25.0f, 220.0f},
}};

// The discharge table whose waste water enters each zone.
inline constexpr std::array<const std::array<DischargeRow, DecadeCount>*, 3> ZoneDischarge{
    &PlantDischarge, &FactoryDischarge, &ResortDischarge};

inline constexpr std::array<std::int32_t, 3> ZoneVolume{100000, 200000, 100000};  // m3
inline constexpr std::int32_t LakeArea = 60000;                                   // m2

// ---------------------------------------------------------------------------------------------
// The five decisions the player enters before a cycle, with their admissible ranges.

struct DecisionRange {
    const char* name;
    std::int32_t min;
    std::int32_t max;
};

enum DecisionIndex { DecPumpOut, DecPumpIn, DecAerationZone2, DecAerationZone3, DecCycleLength };

inline constexpr std::array<DecisionRange, 5> DecisionRanges{{
    {"PumpOut", 0, 5000},
    {"PumpIn", 0, 5000},
    {"AerationZone2", 0, 10},
    {"AerationZone3", 0, 10},
    {"CycleLength", 3, 10},
}};

using Decisions = std::array<std::int32_t, 5>;  // in DecisionIndex order

// True when the zone's value breaks one of its limits; a value equal to its limit keeps it.
bool BreaksLimit(const ZoneQuality& q, const LimitRow& limit);
bool OxygenBreaks(float value, const LimitRow& limit);
bool OrganicBreaks(float value, const LimitRow& limit);
bool InorganicBreaks(float value, const LimitRow& limit);

// The calendar date of a game day: DayNo 1..30 are 1..30 June, 31..61 are 1..31 July.
struct CalendarDate {
    int day;
    bool july;
};
CalendarDate DateOf(int DayNo);

// Grade 5..2 for the penalty points of a finished game.
int GradeFor(int penaltyPoints);

}  // namespace tarnova

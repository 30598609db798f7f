// The lake model: new game, cycle start and the day step with its seven stages.
#pragma once

#include "GameHost.h"
#include "GameState.h"

namespace tarnova {

// Puts a fresh game in place and shows its date.
void NewGame(GameState& g, GameHost& host);

// What the start of a cycle does to the game: count from day 0, control back on, run CycleLength days.
void StartCycle(GameState& g);

// Writes the five decisions of the decision dialog into the game.
void ApplyDecisions(GameState& g, const Decisions& d);

// How a day step ended, for callers that need to know (the window puts the focus back after a
// finished game, the simulator writes its trace).
struct DayOutcome {
    bool moneyRanOut = false;  // stage 2 found the money exhausted at the start of the day
    bool cycleEnded = false;   // the cycle reached its length and the game goes on
    bool gameOver = false;     // the game ended; a new game is in place
};

// One simulated day: the handler of the day timer.
DayOutcome DayStep(GameState& g, GameHost& host);

// The stages of the day, in the order DayStep runs them. Exposed for tests.
void PumpingStage(GameState& g);
bool NoMoneyStage(GameState& g, GameHost& host);
void CostStage(GameState& g);
float WaterBalanceStage(GameState& g);  // returns the day's RainInflow
void WaterQualityStage(GameState& g, float rainInflow);
bool PenaltyStage(GameState& g, GameHost& host);   // true when the game ended
bool CalendarStage(GameState& g, GameHost& host, bool& cycleEnded);  // true when the game ended

// Spreads an inflow of volume v and concentration c through a zone of volume V (the zone's volume
// does not grow), and takes v m3 of the zone's water out as if replaced by water free of the matter.
float MixIn(std::int32_t V, float C, std::int32_t v, float c);
float Displace(std::int32_t V, float C, std::int32_t v);

}  // namespace tarnova

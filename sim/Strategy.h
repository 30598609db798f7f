// Reading a strategy file: the decisions entered before each cycle, one line per cycle.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "GameState.h"

namespace tarnova {

// The decisions of each cycle in file order. On failure `error` names the line and the field.
struct Strategy {
    std::vector<Decisions> cycles;
    std::string error;
};

// Lines that are blank or start with '#' are skipped; every other line holds the five decisions
// "PumpOut PumpIn AerationZone2 AerationZone3 CycleLength" as integers within the decision
// dialog's ranges.
Strategy ReadStrategy(std::istream& in);

}  // namespace tarnova

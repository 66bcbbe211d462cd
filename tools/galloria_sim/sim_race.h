#pragma once

#include <vector>

namespace galloria {
class CRaceEngine;
}

namespace galloria::sim {

// The finish of one race: runner indexes (0-based) by place, their times in
// fifths of a second by place, and the tick in which the race was over.
struct RaceOutcome {
    std::vector<int> order;
    std::vector<int> times;
    int ticks = 0;
};

// Reads the finish of the race the engine has just run to its end.
RaceOutcome ReadOutcome(const CRaceEngine& engine);

} // namespace galloria::sim

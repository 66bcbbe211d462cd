#pragma once

#include "race/race_engine.h"

#include <atomic>
#include <cstdint>

namespace galloria {

// What many undisplayed runs of one field showed: each runner's wins, top-two
// and top-three finishes and the sum of its finishing times (fifths).
struct RaceStudy {
    int runs = 0; // races completed; fewer than asked when stopped early
    int wins[CRaceEngine::kMaxRunners] = {};
    int places[CRaceEngine::kMaxRunners] = {};
    int shows[CRaceEngine::kMaxRunners] = {};
    double totalTime[CRaceEngine::kMaxRunners] = {};
};

// Runs `runs` races of the field that `field`'s inputs describe (fieldSize,
// the four characteristics of each runner and the tipped runner), all drawn
// from one generator seeded with `seed`: before each race every runner's
// stride phase is drawn afresh, then the race is run to its end. `field`
// itself is not touched; the races run on a copy. When `stop` is given it is
// read before every race, and the study returns what it has once it is set.
RaceStudy StudyField(const CRaceEngine& field, std::uint32_t seed, int runs,
                     const std::atomic<bool>* stop = nullptr);

} // namespace galloria

#pragma once

#include "sim_field.h"

#include "race/race_study.h"

#include <cstdint>
#include <vector>

namespace galloria::sim {

// A study of one field over many races, as galloria-sim odds runs it: how often
// each runner won, was in the first two and the first three, and the sum of its
// finishing times in fifths of a second.
struct OddsTally {
    int runs = 0;
    std::vector<long long> wins, places, shows, totalTime;
};

// The races are run in the core's chunks (race/race_study.h), as the live
// odds' Chance column runs them: the result depends on the seed and the
// number of races only, never on how many threads share the chunks.
// Runs `runs` races of the field without a tipped runner on `threads` threads (at least one).
OddsTally StudyField(const std::vector<SimRunner>& field, std::uint32_t seed, int runs, int threads);

// The machine's cores, at least one: the default of --threads.
int DefaultThreadCount();

} // namespace galloria::sim

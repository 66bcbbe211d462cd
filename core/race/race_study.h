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

// A long study runs in chunks of kStudyChunkRuns races (the last may be
// shorter). Chunk k draws from a generator seeded with StudyChunkSeed(seed, k),
// and the chunks' figures are added in chunk order, so chunks can run on
// several threads and the result still depends on the seed and the number of
// races only. Chunk 0 starts at the seed itself.
inline constexpr int kStudyChunkRuns = 1000;
std::uint32_t StudyChunkSeed(std::uint32_t seed, int chunk);

// Runs `runs` races of the field that `field`'s inputs describe (fieldSize,
// the four characteristics of each runner and the tipped runner), all drawn
// from one generator seeded with `chunkSeed`: before each race every runner's
// stride phase is drawn afresh, then the race is run to its end. `field`
// itself is not touched; the races run on a copy. When `stop` is given it is
// read before every race, and the study returns what it has once it is set.
RaceStudy StudyChunk(const CRaceEngine& field, std::uint32_t chunkSeed, int runs,
                     const std::atomic<bool>* stop = nullptr);

// Adds a later chunk's figures to `sum`.
void AddStudy(RaceStudy& sum, const RaceStudy& part);

// The whole study of `runs` races, its chunks shared out among `threads`
// threads (this one among them; at least one is used). Each thread takes the
// next chunk not yet taken, so the figures are the same for any thread count.
// A stop ends every thread within one race.
RaceStudy StudyField(const CRaceEngine& field, std::uint32_t seed, int runs,
                     const std::atomic<bool>* stop = nullptr, int threads = 1);

// The machine's cores, at least one: how many threads a study is given.
int StudyThreadCount();

} // namespace galloria

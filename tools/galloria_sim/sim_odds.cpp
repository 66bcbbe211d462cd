#include "sim_odds.h"

#include "sim_race.h"

#include "base/game_random.h"
#include "race/race_engine.h"
#include "race/race_run.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

namespace galloria::sim {

namespace {

OddsTally EmptyTally(int runners)
{
    OddsTally tally;
    tally.wins.assign(runners, 0);
    tally.places.assign(runners, 0);
    tally.shows.assign(runners, 0);
    tally.totalTime.assign(runners, 0);
    return tally;
}

void AddTally(OddsTally& sum, const OddsTally& part)
{
    sum.runs += part.runs;
    for (std::size_t k = 0; k < sum.wins.size(); ++k) {
        sum.wins[k] += part.wins[k];
        sum.places[k] += part.places[k];
        sum.shows[k] += part.shows[k];
        sum.totalTime[k] += part.totalTime[k];
    }
}

OddsTally RunChunk(CRaceEngine& engine, std::uint32_t seed, int runs)
{
    OddsTally tally = EmptyTally(engine.fieldSize);
    GameRandom random;
    random.Seed(seed);
    for (int run = 0; run < runs; ++run) {
        DrawGaitPhases(engine, random);
        RunRaceToEnd(engine, random);
        const RaceOutcome outcome = ReadOutcome(engine);
        for (std::size_t place = 0; place < outcome.order.size(); ++place) {
            const int runner = outcome.order[place];
            tally.wins[runner] += place == 0;
            tally.places[runner] += place < 2;
            tally.shows[runner] += place < 3;
            tally.totalTime[runner] += outcome.times[place];
        }
        ++tally.runs;
    }
    return tally;
}

} // namespace

std::uint32_t ChunkSeed(std::uint32_t seed, int chunk)
{
    return seed + static_cast<std::uint32_t>(chunk) * 2654435761u;
}

int DefaultThreadCount()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

OddsTally StudyField(const std::vector<SimRunner>& field, std::uint32_t seed, int runs, int threads)
{
    const int chunks = (runs + kOddsChunkRuns - 1) / kOddsChunkRuns;
    std::vector<OddsTally> parts(chunks);

    // Each thread takes the next chunk not yet taken, with an engine of its own.
    std::atomic<int> nextChunk{0};
    const auto work = [&] {
        const auto engine = std::make_unique<CRaceEngine>();
        LoadField(*engine, field);
        engine->tippedRunner = -1;
        for (int chunk = nextChunk++; chunk < chunks; chunk = nextChunk++) {
            const int chunkRuns = std::min(kOddsChunkRuns, runs - chunk * kOddsChunkRuns);
            parts[chunk] = RunChunk(*engine, ChunkSeed(seed, chunk), chunkRuns);
        }
    };
    std::vector<std::jthread> helpers;
    for (int t = 1; t < std::min(threads, chunks); ++t)
        helpers.emplace_back(work);
    work();
    helpers.clear(); // joins

    OddsTally sum = EmptyTally(static_cast<int>(field.size()));
    for (const OddsTally& part : parts)
        AddTally(sum, part);
    return sum;
}

} // namespace galloria::sim

#include "sim_odds.h"

#include "race/race_engine.h"
#include "race/race_study.h"

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

void AddStudy(OddsTally& sum, const RaceStudy& part)
{
    sum.runs += part.runs;
    for (std::size_t k = 0; k < sum.wins.size(); ++k) {
        sum.wins[k] += part.wins[k];
        sum.places[k] += part.places[k];
        sum.shows[k] += part.shows[k];
        sum.totalTime[k] += static_cast<long long>(part.totalTime[k]);
    }
}

} // namespace

int DefaultThreadCount()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

OddsTally StudyField(const std::vector<SimRunner>& field, std::uint32_t seed, int runs, int threads)
{
    const int chunks = (runs + kStudyChunkRuns - 1) / kStudyChunkRuns;
    std::vector<RaceStudy> parts(chunks);

    // Each thread takes the next chunk not yet taken, with an engine of its own.
    std::atomic<int> nextChunk{0};
    const auto work = [&] {
        const auto engine = std::make_unique<CRaceEngine>();
        LoadField(*engine, field);
        engine->tippedRunner = -1;
        for (int chunk = nextChunk++; chunk < chunks; chunk = nextChunk++) {
            const int chunkRuns = std::min(kStudyChunkRuns, runs - chunk * kStudyChunkRuns);
            parts[chunk] = StudyChunk(*engine, StudyChunkSeed(seed, chunk), chunkRuns);
        }
    };
    std::vector<std::jthread> helpers;
    for (int t = 1; t < std::min(threads, chunks); ++t)
        helpers.emplace_back(work);
    work();
    helpers.clear(); // joins

    OddsTally sum = EmptyTally(static_cast<int>(field.size()));
    for (const RaceStudy& part : parts)
        AddStudy(sum, part);
    return sum;
}

} // namespace galloria::sim

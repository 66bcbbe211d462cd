#include "race/race_study.h"

#include "base/game_random.h"
#include "race/race_run.h"

#include <algorithm>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

namespace galloria {

std::uint32_t StudyChunkSeed(std::uint32_t seed, int chunk)
{
    // Far-apart starting points along the generator's seeds.
    return seed + static_cast<std::uint32_t>(chunk) * 2654435761u;
}

RaceStudy StudyChunk(const CRaceEngine& field, std::uint32_t chunkSeed, int runs,
                     const std::atomic<bool>* stop)
{
    // The engine is a few kilobytes of arrays: on the heap, so that a study on
    // a thread with a small stack is safe.
    auto engine = std::make_unique<CRaceEngine>();
    engine->fieldSize = field.fieldSize;
    engine->tippedRunner = field.tippedRunner;
    for (int k = 0; k < CRaceEngine::kMaxRunners; ++k) {
        engine->speedRating[k] = field.speedRating[k];
        engine->sprint[k] = field.sprint[k];
        engine->stamina[k] = field.stamina[k];
        engine->spontaneity[k] = field.spontaneity[k];
    }
    GameRandom random;
    random.Seed(chunkSeed);

    RaceStudy study;
    for (int run = 0; run < runs; ++run) {
        if (stop != nullptr && stop->load(std::memory_order_relaxed))
            break;
        DrawGaitPhases(*engine, random);
        RunRaceToEnd(*engine, random);
        for (int place = 0; place < engine->finishedCount; ++place) {
            const int runner = engine->finishOrder[place];
            if (runner < 0 || runner >= CRaceEngine::kMaxRunners)
                continue;
            study.wins[runner] += place == 0;
            study.places[runner] += place < 2;
            study.shows[runner] += place < 3;
            study.totalTime[runner] += engine->finishTime[runner];
        }
        ++study.runs;
    }
    return study;
}

void AddStudy(RaceStudy& sum, const RaceStudy& part)
{
    sum.runs += part.runs;
    for (int k = 0; k < CRaceEngine::kMaxRunners; ++k) {
        sum.wins[k] += part.wins[k];
        sum.places[k] += part.places[k];
        sum.shows[k] += part.shows[k];
        sum.totalTime[k] += part.totalTime[k];
    }
}

int StudyThreadCount()
{
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

RaceStudy StudyField(const CRaceEngine& field, std::uint32_t seed, int runs, const std::atomic<bool>* stop,
                     int threads)
{
    const int chunks = runs > 0 ? (runs + kStudyChunkRuns - 1) / kStudyChunkRuns : 0;
    std::vector<RaceStudy> parts(chunks);
    std::atomic<int> nextChunk{0};
    const auto work = [&] {
        for (int chunk = nextChunk++; chunk < chunks; chunk = nextChunk++) {
            if (stop != nullptr && stop->load(std::memory_order_relaxed))
                return;
            const int chunkRuns = std::min(kStudyChunkRuns, runs - chunk * kStudyChunkRuns);
            parts[chunk] = StudyChunk(field, StudyChunkSeed(seed, chunk), chunkRuns, stop);
        }
    };
    std::vector<std::jthread> helpers;
    for (int t = 1; t < std::min(threads, chunks); ++t) {
        try {
            helpers.emplace_back(work);
        } catch (const std::system_error&) {
            break; // no more threads to be had: the ones running share the chunks
        }
    }
    work();
    helpers.clear(); // joins

    RaceStudy study;
    for (const RaceStudy& part : parts)
        AddStudy(study, part);
    return study;
}

} // namespace galloria

#include "race/race_study.h"

#include "base/game_random.h"
#include "race/race_run.h"

#include <algorithm>
#include <memory>

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

RaceStudy StudyField(const CRaceEngine& field, std::uint32_t seed, int runs, const std::atomic<bool>* stop)
{
    RaceStudy study;
    for (int chunk = 0; chunk * kStudyChunkRuns < runs; ++chunk) {
        const int chunkRuns = std::min(kStudyChunkRuns, runs - chunk * kStudyChunkRuns);
        AddStudy(study, StudyChunk(field, StudyChunkSeed(seed, chunk), chunkRuns, stop));
        if (stop != nullptr && stop->load(std::memory_order_relaxed))
            break;
    }
    return study;
}

} // namespace galloria

#include "race/race_study.h"

#include "base/game_random.h"
#include "race/race_run.h"

#include <memory>

namespace galloria {

RaceStudy StudyField(const CRaceEngine& field, std::uint32_t seed, int runs, const std::atomic<bool>* stop)
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
    random.Seed(seed);

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

} // namespace galloria

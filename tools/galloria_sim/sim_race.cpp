#include "sim_race.h"

#include "race/race_engine.h"

namespace galloria::sim {

RaceOutcome ReadOutcome(const CRaceEngine& engine)
{
    RaceOutcome outcome;
    for (int place = 0; place < engine.finishedCount; ++place) {
        const int runner = engine.finishOrder[place];
        outcome.order.push_back(runner);
        outcome.times.push_back(engine.finishTime[runner]);
    }
    outcome.ticks = engine.tickCount;
    return outcome;
}

} // namespace galloria::sim

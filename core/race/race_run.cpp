#include "race/race_run.h"

#include "base/game_random.h"
#include "race/race_engine.h"
#include "stable/horse_record.h"

namespace galloria {

void LoadRunner(CRaceEngine& engine, int runner, const HorseRecord& horse)
{
    engine.speedRating[runner] = horse.speed;
    engine.sprint[runner] = horse.sprint;
    engine.stamina[runner] = horse.stamina;
    engine.spontaneity[runner] = horse.spontaneity;
}

void DrawGaitPhases(CRaceEngine& engine, GameRandom& random)
{
    for (int k = 0; k < engine.fieldSize; ++k)
        engine.gaitPhase[k] = random.Next() % 11;
}

void RunRaceToEnd(CRaceEngine& engine, GameRandom& random)
{
    engine.StartRace(random);
    while (!engine.raceOver)
        engine.AdvanceTick(random);
}

} // namespace galloria

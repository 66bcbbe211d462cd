#pragma once

#include "base/game_random.h"
#include "race/race_engine.h"

namespace galloria {

// A field of twelve runners whose characteristics and stride phases are
// drawn from `random`, the same for the same seed.
inline void DrawRandomField(CRaceEngine& engine, GameRandom& random)
{
    engine.fieldSize = CRaceEngine::kMaxRunners;
    for (int k = 0; k < engine.fieldSize; ++k) {
        engine.speedRating[k] = random.Next() % 101;
        engine.sprint[k] = random.Next() % 101;
        engine.stamina[k] = random.Next() % 101;
        engine.spontaneity[k] = random.Next() % 101;
        engine.gaitPhase[k] = random.Next() % 11;
    }
}

} // namespace galloria

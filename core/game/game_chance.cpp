// The runners' chances of the prepared race, measured in the background.
#include "game/game.h"

#include "race/race_run.h"

#include <algorithm>
#include <memory>

namespace galloria {

void Game::StartRunnerChance()
{
    chance.Stop();
    if (!chanceEnabled)
        return;
    // The inputs the engine will get when RACE! starts this race, the tipped
    // runner included; the engine itself is left alone.
    auto field = std::make_unique<CRaceEngine>(engine);
    const int size = CurrentFieldSize();
    field->fieldSize = std::max(1, size);
    for (int k = 0; k < size; ++k) {
        const int horse = StableIndexOfRunner(k);
        if (horse >= 0)
            LoadRunner(*field, k, stable.records[horse]);
    }
    field->tippedRunner = tippedRunner;
    // Seeded from the game's generator as it stands, without drawing from it,
    // so a seeded game measures the same figures every time.
    chance.Start(*field, random.state);
}

void Game::StopRunnerChance()
{
    chance.Stop();
}

} // namespace galloria

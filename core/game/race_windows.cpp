#include "game/race_windows.h"

#include "game/game.h"
#include "stable/horse_record.h"

#include <string>
#include <vector>

namespace galloria {

void FillLiveOdds(LiveOddsModel& model, const Game& game)
{
    const int field = game.CurrentFieldSize();
    std::vector<std::string> names(field);
    for (int runner = 0; runner < field; ++runner) {
        const int horse = game.StableIndexOfRunner(runner);
        if (horse >= 0)
            names[runner] = std::string(HorseName(game.stable.records[horse]));
    }
    model.Fill(names, field, game.state.pools);
    model.RefreshChance(game.chance);
}

} // namespace galloria

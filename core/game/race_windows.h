#pragma once

#include "betting/live_odds_model.h"

namespace galloria {

class Game;

// LIVE ODDS & POOLS: the current race's runner names, runner count and pools
// copied into the model, with the chances as far as they are measured.
void FillLiveOdds(LiveOddsModel& model, const Game& game);

} // namespace galloria

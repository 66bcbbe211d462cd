#pragma once

#include "betting/payout_board_view.h"

namespace galloria {

class Game;

// The payout board of the race just run: its finishers by place with their
// names, owners when ownership is on, the tipster's horse and the prices.
PayoutBoardView RacePayoutBoard(const Game& game);

} // namespace galloria

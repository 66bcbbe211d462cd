#include "game/race_payout_board.h"

#include "game/game.h"

#include <string>
#include <vector>

namespace galloria {

PayoutBoardView RacePayoutBoard(const Game& game)
{
    const int field = game.CurrentFieldSize();
    std::vector<int> byPlace;
    for (int place = 0; place < game.engine.finishedCount && place < field; ++place)
        byPlace.push_back(game.engine.finishOrder[place]);
    std::vector<std::string> names(kMaxFieldSize);
    for (int runner = 0; runner < field; ++runner)
        names[runner] = std::string(game.RunnerName(runner));
    return BuildPayoutBoardView(byPlace, names, game.runnerOwners, game.tippedRunner, game.state.payouts);
}

} // namespace galloria

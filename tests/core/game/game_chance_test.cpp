#include "game/game.h"

#include "game/game_in_folder.h"

#include <gtest/gtest.h>

#include <vector>

namespace galloria {
namespace {

// What one seeded set drew: the generator's state after every step a player
// takes, and the finish of every race.
struct SetTrace {
    std::vector<std::uint32_t> states;
    std::vector<std::vector<int>> finishes;
    std::vector<bool> chanceAtBetting; // the measurement was under way or done
    std::vector<bool> chanceInputsMatch;
    std::vector<int> balances;
};

SetTrace PlaySeededSet(bool chanceOn)
{
    testing::GameInFolder setup(3); // ten simulated races per race: they draw too
    setup.clock = 4000;
    setup.clockStep = 7919;
    const std::unique_ptr<Game>& game = setup.game;
    game->chanceEnabled = chanceOn;

    SetTrace trace;
    CRaceEngine seen;
    setup.host.bettor = [&](BettingWindowModel& window) {
        const RunnerChance& chance = game->chance;
        trace.chanceAtBetting.push_back(chance.CurrentStatus() != RunnerChance::Status::Idle);
        if (chance.Inputs() != nullptr)
            seen = *chance.Inputs();
        // Three players each buy a Win on a different runner.
        for (int player = 0; player < 3; ++player)
            testing::BuyWin(window, player, 50, player);
    };
    setup.StartSet({"Ann", "Bob", "Cy", ""});
    for (int race = 0; race < kRacesPerSet && game->menus.Phase() == GamePhase::Betting; ++race) {
        trace.states.push_back(game->random.state);
        game->RaceOrNextRace();
        // The race has started: nothing of the measurement runs any more.
        EXPECT_EQ(game->chance.CurrentStatus(), RunnerChance::Status::Idle);
        if (chanceOn) {
            const CRaceEngine& engine = game->engine;
            bool same = seen.fieldSize == engine.fieldSize && seen.tippedRunner == engine.tippedRunner;
            for (int k = 0; k < engine.fieldSize; ++k)
                same = same && seen.speedRating[k] == engine.speedRating[k] &&
                       seen.sprint[k] == engine.sprint[k] && seen.stamina[k] == engine.stamina[k] &&
                       seen.spontaneity[k] == engine.spontaneity[k];
            trace.chanceInputsMatch.push_back(same);
        }
        trace.states.push_back(game->random.state);
        trace.finishes.emplace_back(game->engine.finishOrder,
                                    game->engine.finishOrder + game->engine.finishedCount);
        for (const PlayerSlot& player : game->state.players)
            trace.balances.push_back(player.balance);
        game->RaceOrNextRace();
        trace.states.push_back(game->random.state);
    }
    return trace;
}

TEST(GameChance, TheGamesGeneratorDrawsTheSameWithAndWithoutTheChances)
{
    const SetTrace without = PlaySeededSet(false);
    const SetTrace with = PlaySeededSet(true);
    ASSERT_EQ(without.finishes.size(), static_cast<size_t>(kRacesPerSet));
    EXPECT_EQ(with.states, without.states);
    EXPECT_EQ(with.finishes, without.finishes);
    EXPECT_EQ(with.balances, without.balances);
    // And the measurement did run in the one and not in the other.
    EXPECT_EQ(with.chanceAtBetting, std::vector<bool>(kRacesPerSet, true));
    EXPECT_EQ(without.chanceAtBetting, std::vector<bool>(kRacesPerSet, false));
    // It measured the field the engine then ran, tipped runner included.
    EXPECT_EQ(with.chanceInputsMatch, std::vector<bool>(kRacesPerSet, true));
}

} // namespace
} // namespace galloria

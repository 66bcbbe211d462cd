// What the game sends beyond the window's text, which the scenario scripts
// (tests/scenarios) cannot see: a shown race's animation hooks and sounds, and
// the payout board's owners. The game's sessions of play, and the sounds of
// unshown ones, are scenario scripts.
#include "game/game.h"

#include "game/game_in_folder.h"
#include "game/race_payout_board.h"
#include "stable/owners.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace galloria {
namespace {

int Count(const std::vector<std::string>& texts, std::string_view text)
{
    return static_cast<int>(std::ranges::count(texts, std::string(text)));
}

class GameSet : public ::testing::Test, public testing::GameInFolder {};

TEST_F(GameSet, ThePayoutBoardListsTheFinishersWithTheirOwnersWhenOwnershipIsOn)
{
    StartSet({"Ann"});
    game->RaceOrNextRace();
    PayoutBoardView board = RacePayoutBoard(*game);
    ASSERT_EQ(static_cast<int>(board.rows.size()), game->CurrentFieldSize());
    for (int place = 0; place < game->CurrentFieldSize(); ++place)
        EXPECT_EQ(board.rows[place].name, game->RunnerName(game->engine.finishOrder[place])) << place;
    EXPECT_EQ(board.rows[0].owner, "");

    // The next race's runners all belong to Lee; the board shows it once
    // ownership is on.
    game->RaceOrNextRace();
    game->settings.ownershipSetting = 0;
    OwnerBook book;
    book.folder = folder.Path();
    for (int runner = 0; runner < game->CurrentFieldSize(); ++runner)
        book.AddRelation(game->RunnerName(runner), "Lee");
    ASSERT_TRUE(book.WriteRelations());
    game->RaceOrNextRace();
    board = RacePayoutBoard(*game);
    ASSERT_FALSE(board.rows.empty());
    EXPECT_EQ(board.rows[0].owner, "Lee");
    EXPECT_EQ(board.rows.back().owner, "Lee");
}

TEST_F(GameSet, AShownRaceCheersOnceAndACancelledPauseFinishesItUnshown)
{
    store.SetInt("Settings", "View", 0); // Whole Race
    MakeGame();
    host.animate = [this] {
        while (game->AdvanceRaceFrame()) {
        }
    };
    StartSet({"Ann"});
    host.sounds.clear();
    game->RaceOrNextRace();
    EXPECT_EQ(Count(host.sounds, "once Sounds/gxcheer.wav"), 1);
    EXPECT_EQ(host.photosCaptured, 3) << "one capture per finisher of the first three";
    EXPECT_EQ(game->settings.viewRaceMode, ViewRaceMode::WholeRace);

    // Paused a third of the way and cancelled: the rest is run undisplayed,
    // the results are as usual, and the view setting comes back.
    game->RaceOrNextRace();
    host.animate = [this] {
        while (game->engine.leaderPosition < 3000 && game->AdvanceRaceFrame()) {
        }
        host.answers.push_back(MessageAnswer::Cancel);
        game->PauseRace();
        EXPECT_EQ(game->settings.viewRaceMode, ViewRaceMode::None);
        EXPECT_FALSE(game->AdvanceRaceFrame()) << "nothing more is shown";
        // The gallop begun after the box, as a start held at the gate does.
        game->sounds.Play(SoundEffect::Run);
    };
    host.sounds.clear();
    game->RaceOrNextRace();
    EXPECT_TRUE(game->engine.raceOver);
    EXPECT_TRUE(game->state.nextRaceArmed);
    EXPECT_EQ(game->settings.viewRaceMode, ViewRaceMode::WholeRace);
    EXPECT_EQ(game->state.pendingViewMode, -1);
    EXPECT_EQ(Count(host.sounds, "once Sounds/gxcheer.wav"), 0) << "the leader passed 9500 unshown";
    const auto lastGallop =
        std::ranges::find(host.sounds.rbegin(), host.sounds.rend(), "loop Sounds/gxrun.wav");
    ASSERT_NE(lastGallop, host.sounds.rend());
    EXPECT_NE(std::find(lastGallop.base(), host.sounds.end(), "stop"), host.sounds.end())
        << "the gallop is stopped";
}

} // namespace
} // namespace galloria

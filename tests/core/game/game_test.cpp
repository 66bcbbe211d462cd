// What a shown race sends beyond the window's text, through the animation
// hook that the scenario scripts (tests/scenarios) never drive: its sounds,
// its photos and a pause cancelled. The game's sessions of play are scenario
// scripts.
#include "game/game.h"

#include "game/game_in_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace galloria {
namespace {

int Count(const std::vector<std::string>& texts, std::string_view text)
{
    return static_cast<int>(std::ranges::count(texts, std::string(text)));
}

class GameSet : public ::testing::Test, public testing::GameInFolder {};

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

#include "game/race_replay.h"

#include "game/game_in_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace galloria {
namespace {

namespace fs = std::filesystem;

// What a frame shows of the race: every runner's position, nose and lane.
using Frame = std::vector<int>;
Frame FrameOf(const CRaceEngine& engine)
{
    Frame frame;
    for (int runner = 0; runner < engine.fieldSize; ++runner)
        frame.insert(frame.end(),
                     {engine.position[runner], engine.nosePosition[runner], engine.drawnLane[runner]});
    return frame;
}

std::vector<Frame> Replayed(const RaceRecord& record, SoundPlayer& sounds)
{
    RaceReplayShow show(record, 5, true, sounds);
    std::vector<Frame> frames;
    while (show.AdvanceFrame())
        frames.push_back(FrameOf(show.engine));
    return frames;
}

std::map<fs::path, std::string> FilesIn(const fs::path& folder)
{
    std::map<fs::path, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        files[fs::relative(entry.path(), folder)] = text.str();
    }
    return files;
}

class GameReplay : public ::testing::Test, public testing::GameInFolder {};

// Each race of the set, replayed, shows frame for frame what the live race
// showed; the menu offers replays from the first race's results until the
// set ends.
TEST_F(GameReplay, ReplaysEveryRaceOfTheSetFrameForFrame)
{
    std::vector<std::vector<Frame>> live;
    host.animate = [this, &live] {
        live.emplace_back();
        while (game->AdvanceRaceFrame())
            live.back().push_back(FrameOf(game->engine));
    };
    StartSet({"Ann"});
    EXPECT_FALSE(game->menus.IsItemEnabled(MenuCommand::ReplayRace)) << "no race run yet";
    game->RaceOrNextRace();
    EXPECT_TRUE(game->menus.IsAvailable(MenuCommand::ReplayRace)) << "the first race's results";
    game->RaceOrNextRace();
    EXPECT_TRUE(game->menus.IsAvailable(MenuCommand::ReplayRace)) << "betting on the second race";
    RunAndMoveOn(2);

    ASSERT_EQ(game->replays.Races().size(), 3u);
    ASSERT_EQ(live.size(), 3u);
    for (int race = 0; race < 3; ++race) {
        const RaceRecord& record = game->replays.Races()[race];
        EXPECT_EQ(record.raceIndex, race);
        EXPECT_GE(record.winner, 0);
        EXPECT_GT(record.winPrice, 0);
        EXPECT_EQ(Replayed(record, game->sounds), live[race]) << "race " << race + 1;
    }
    // A tip is rare, and its extra reserve shows only if its runner tires: the record carries it anyway.
    CRaceEngine tipped = game->engine;
    tipped.tippedRunner = 2;
    EXPECT_EQ(
        RaceReplayShow(RaceRecord::Of(tipped, game->random, 3), 5, true, game->sounds).engine.tippedRunner,
        2);

    game->QuitRaceSet();
    EXPECT_EQ(game->menus.Phase(), GamePhase::NoSet);
    EXPECT_TRUE(game->replays.Empty());
    EXPECT_FALSE(game->menus.IsItemEnabled(MenuCommand::ReplayRace));
}

// Two players play the same seeded set with the same bets; one of them
// watches every race of the set again after each result. Money, files and
// the generator end up the same.
TEST(GameReplaySet, WatchingReplaysChangesNothingOfTheSet)
{
    testing::GameInFolder plain;
    testing::GameInFolder watched;
    for (testing::GameInFolder* world : {&plain, &watched}) {
        world->host.bettor = [world](BettingWindowModel& window) {
            testing::BuyWin(window, 0, 100, world->game->state.raceIndex % 6);
        };
        world->StartSet({"Ann"});
    }
    for (int race = 0; race < 10; ++race) {
        plain.RunAndMoveOn();
        watched.game->RaceOrNextRace();
        for (const RaceRecord& record : watched.game->replays.Races())
            Replayed(record, watched.game->sounds);
        watched.game->RaceOrNextRace();
        EXPECT_EQ(watched.game->random.state, plain.game->random.state) << "race " << race + 1;
        EXPECT_EQ(watched.game->state.players[0].balance, plain.game->state.players[0].balance);
    }
    EXPECT_EQ(watched.game->menus.Phase(), GamePhase::NoSet);
    EXPECT_EQ(FilesIn(watched.folder.Path()), FilesIn(plain.folder.Path()));
}

} // namespace
} // namespace galloria

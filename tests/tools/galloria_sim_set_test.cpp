#include "sim_run.h"
#include "sim_set.h"

#include "game/game.h"

#include "../core/halloffame/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace galloria::sim {
namespace {

namespace fs = std::filesystem;

using galloria::testing::ReadBytes;
using galloria::testing::TempFolder;

// The file without its first line, which holds the date.
std::string AfterFirstLine(const fs::path& path)
{
    const std::string text = ReadBytes(path);
    return text.substr(std::min(text.size(), text.find('\n') + 1));
}

TEST(SimSet, TheSameCommandGivesTheSameOutputAndTheSameFiles)
{
    TempFolder first;
    TempFolder second;
    std::string outputs[2];
    for (int run = 0; run < 2; ++run) {
        const fs::path& folder = run == 0 ? first.Path() : second.Path();
        const SimRun set =
            Sim({"set", "--seed", "77", "--players", "Ann,Bob,Cy", "--strategy", "mixed", "--sets", "2",
                 "--odds", "2", "--dir", folder.string(), "--stable", GALLORIA_STARTING_STABLE, "--json"});
        ASSERT_EQ(set.status, 0) << set.err;
        outputs[run] = set.out;
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_GE(std::count(outputs[0].begin(), outputs[0].end(), '\n'), 11)
        << "a line per race and one per set";

    for (const char* file : {"data/Stable.dat", "data/BackUp.dat", "Program.txt"})
        EXPECT_EQ(ReadBytes(first.Path() / file), ReadBytes(second.Path() / file)) << file;
    for (const char* file : {"Result01.txt", "AutoSaved.gxu"}) {
        ASSERT_TRUE(fs::exists(first.Path() / file)) << file;
        EXPECT_EQ(AfterFirstLine(first.Path() / file), AfterFirstLine(second.Path() / file)) << file;
    }
    EXPECT_TRUE(fs::exists(first.Path() / "GXscores.gxs"));
    EXPECT_NE(ReadBytes(first.Path() / "data/Stable.dat"), ReadBytes(GALLORIA_STARTING_STABLE))
        << "the races were recorded";
}

TEST(SimSet, EveryBalanceIsItsMoneyBeforeTheRaceLessStakesPlusPayouts)
{
    TempFolder folder;
    std::ostringstream out;
    int racesChecked = 0;
    const AfterRace check = [&](const Game& game) {
        const RaceSetState& state = game.state;
        for (const PlayerSlot& player : state.players) {
            if (!player.InGame())
                continue;
            const int before =
                state.raceIndex == 0 ? player.startBalance : player.balanceAfterRace[state.raceIndex - 1];
            long long expected = before;
            for (const Bet& bet : player.bets.Bought())
                expected += bet.won - bet.amount;
            ASSERT_EQ(player.balance, expected) << player.name << " in race " << state.raceIndex + 1;
            ASSERT_GE(player.balance, 0);
            ASSERT_EQ(player.balanceAfterRace[state.raceIndex], player.balance);
        }
        ++racesChecked;
    };
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SetRunOptions options;
        options.seed = seed;
        options.players = {"Ann", "Bob", "Cy", "Dee"};
        options.strategy = Strategy::Mixed;
        options.stake = 20 + 40 * static_cast<int>(seed % 5);
        options.oddsAccuracy = 1;
        options.folder = folder.Path();
        options.startingStable = GALLORIA_STARTING_STABLE;
        RunSets(options, out, check);
    }
    EXPECT_GE(racesChecked, 100);
}

} // namespace
} // namespace galloria::sim

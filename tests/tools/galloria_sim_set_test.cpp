#include "sim.h"
#include "sim_set.h"

#include "game/game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

namespace galloria::sim {
namespace {

namespace fs = std::filesystem;

// A game folder of its own for each use, removed afterwards.
class Folder {
public:
    explicit Folder(const std::string& name)
        : path_(fs::temp_directory_path() /
                ("galloria-set-" + name + "-" + std::to_string(std::random_device{}())))
    {
        fs::create_directories(path_);
    }
    ~Folder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

std::string Bytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file without its first line, which holds the date.
std::string AfterFirstLine(const fs::path& path)
{
    const std::string text = Bytes(path);
    return text.substr(std::min(text.size(), text.find('\n') + 1));
}

int Sim(const std::vector<std::string>& words, std::string& out, std::string& err)
{
    std::ostringstream outStream;
    std::ostringstream errStream;
    const int status = RunGalloriaSim(words, outStream, errStream);
    out = outStream.str();
    err = errStream.str();
    return status;
}

TEST(SimSet, TheSameCommandGivesTheSameOutputAndTheSameFiles)
{
    Folder first("first");
    Folder second("second");
    std::string outputs[2];
    for (int run = 0; run < 2; ++run) {
        const fs::path& folder = run == 0 ? first.Path() : second.Path();
        std::string err;
        ASSERT_EQ(
            Sim({"set", "--seed", "77", "--players", "Ann,Bob,Cy", "--strategy", "mixed", "--sets", "2",
                 "--odds", "2", "--dir", folder.string(), "--stable", GALLORIA_STARTING_STABLE, "--json"},
                outputs[run], err),
            0)
            << err;
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    int lines = 0;
    for (char c : outputs[0])
        lines += c == '\n';
    EXPECT_GE(lines, 11) << "a line per race and one per set";

    for (const char* file : {"data/Stable.dat", "data/BackUp.dat", "Program.txt"})
        EXPECT_EQ(Bytes(first.Path() / file), Bytes(second.Path() / file)) << file;
    for (const char* file : {"Result01.txt", "AutoSaved.gxu"}) {
        ASSERT_TRUE(fs::exists(first.Path() / file)) << file;
        EXPECT_EQ(AfterFirstLine(first.Path() / file), AfterFirstLine(second.Path() / file)) << file;
    }
    EXPECT_TRUE(fs::exists(first.Path() / "GXscores.gxs"));
    EXPECT_NE(Bytes(first.Path() / "data/Stable.dat"), Bytes(GALLORIA_STARTING_STABLE))
        << "the races were recorded";
}

TEST(SimSet, BadCommandsAreRefusedWithAReason)
{
    Folder empty("empty");
    std::string out;
    std::string err;
    EXPECT_EQ(Sim({"set", "--seed", "1", "--players", "Ann", "--dir", empty.Path().string()}, out, err), 1);
    EXPECT_NE(err.find("--stable"), std::string::npos) << err;

    const std::vector<std::vector<std::string>> refused = {
        {"set", "--players", "Ann"},
        {"set", "--seed", "1"},
        {"set", "--seed", "1", "--players", "Ann Lee"},
        {"set", "--seed", "1", "--players", "Ann,abcdefghijk"},
        {"set", "--seed", "1", "--players", "A,B,C,D,E"},
        {"set", "--seed", "1", "--players", "Ann", "--strategy", "lucky"},
        {"set", "--seed", "1", "--players", "Ann", "--odds", "4"},
        {"set", "--seed", "1", "--players", "Ann", "--stake", "0"},
    };
    for (const auto& words : refused) {
        EXPECT_EQ(Sim(words, out, err), 2) << words.back();
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
}

TEST(SimSet, EveryBalanceIsItsMoneyBeforeTheRaceLessStakesPlusPayouts)
{
    Folder folder("money");
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

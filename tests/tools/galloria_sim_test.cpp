#include "sim_run.h"

#include "../core/halloffame/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>
#include <regex>
#include <sstream>

namespace galloria::sim {
namespace {

const std::vector<std::string> kThreeHorses = {"--horse",     "80,40,60,30", "--horse",
                                               "70,70,50,50", "--horse",     "60,90,40,80"};

std::vector<std::string> With(std::vector<std::string> words, const std::vector<std::string>& more)
{
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

TEST(GalloriaSimRace, JsonLineIsAFinishOfTheWholeFieldAndRepeatsForTheSameSeed)
{
    const auto words = With(With({"race", "--seed", "42"}, kThreeHorses), {"--json"});
    const SimRun first = Sim(words);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(Sim(words).out, first.out);
    EXPECT_EQ(std::count(first.out.begin(), first.out.end(), '\n'), 1);

    std::vector<int> order = JsonList<int>(first.out, "order");
    const std::vector<int> times = JsonList<int>(first.out, "times");
    ASSERT_EQ(order.size(), 3u);
    ASSERT_EQ(times.size(), 3u);
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
    std::sort(order.begin(), order.end());
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
    const std::regex ticks("\"ticks\":([0-9]+)\\}");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(first.out, match, ticks));
    // A race of 9992 units at 7 to 16 units a tick lasts 600 to 1500 ticks.
    EXPECT_GT(std::stoi(match[1]), 600);
    EXPECT_LT(std::stoi(match[1]), 1500);
}

// The finishing time of `runner` in a --json line.
int TimeOf(const std::string& line, int runner)
{
    const std::vector<int> order = JsonList<int>(line, "order");
    const std::vector<int> times = JsonList<int>(line, "times");
    const auto place = std::find(order.begin(), order.end(), runner) - order.begin();
    return times.at(static_cast<std::size_t>(place));
}

TEST(GalloriaSimRace, GivenGaitAndTippedRunnerChangeTheRaceOnlyAsAsked)
{
    const auto base = With({"race", "--seed", "5"}, kThreeHorses);
    const SimRun drawn = Sim(With(base, {"--json"}));
    const SimRun fixed = Sim(With(base, {"--gait", "0,5,10", "--json"}));
    const SimRun tipped = Sim(With(base, {"--gait", "0,5,10", "--tipped", "0", "--json"}));
    ASSERT_EQ(drawn.status, 0);
    ASSERT_EQ(fixed.status, 0);
    ASSERT_EQ(tipped.status, 0);
    EXPECT_NE(drawn.out, fixed.out);
    EXPECT_EQ(Sim(With(base, {"--gait", "0,5,10", "--json"})).out, fixed.out);
    // The fast first horse tires; 15000 more energy brings it home sooner.
    EXPECT_LT(TimeOf(tipped.out, 0), TimeOf(fixed.out, 0));
}

TEST(GalloriaSimRace, TableShowsPlacePostAndTime)
{
    const SimRun run = Sim(With({"race", "--seed", "3"}, kThreeHorses));
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_NE(line.find("Place"), std::string::npos);
    int rows = 0;
    const std::regex row(R"(^\s+[1-3]\s+[1-3]\s+\d+,\d+,\d+,\d+\s+\d:\d\d\.[0-4]$)");
    while (std::getline(lines, line)) {
        EXPECT_TRUE(std::regex_match(line, row)) << line;
        ++rows;
    }
    EXPECT_EQ(rows, 3);
}

TEST(GalloriaSimArguments, BadArgumentsGiveOneLineAndExitTwo)
{
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"gallop"},
        With({"race"}, kThreeHorses),                                     // no seed
        {"race", "--seed", "1"},                                          // no horses
        {"race", "--seed", "x1", "--horse", "1,2,3,4"},                   // seed not a number
        {"race", "--seed", "1", "--horse", "101,2,3,4"},                  // characteristic above 100
        {"race", "--seed", "1", "--horse", "1,2,3"},                      // three characteristics
        {"race", "--seed", "1", "--horse", "1,2,,4"},                     // empty item
        {"race", "--seed", "1", "--horse", "1,2,3,4", "--gait", "11"},    // phase above 10
        With({"race", "--seed", "1", "--gait", "1,2"}, kThreeHorses),     // phase count
        With({"race", "--seed", "1", "--tipped", "3"}, kThreeHorses),     // no runner 3
        With({"race", "--seed", "1", "--colour", "red"}, kThreeHorses),   // unknown option
        With({"race", "--seed", "1", "--seed", "2"}, kThreeHorses),       // twice
        With({"race", "--seed"}, {}),                                     // missing value
        With({"race", "--seed", "1", "--stable", "a.dat"}, kThreeHorses), // both kinds of field
        {"race", "--seed", "1", "--stable", "a.dat"},                     // stable without field
        With({"odds", "--seed", "1"}, kThreeHorses),                      // no runs
        With({"odds", "--seed", "1", "--runs", "0"}, kThreeHorses),
        {"stable"},
        {"stable", "a.dat", "b.dat"},
        {"set", "--players", "Ann"},
        {"set", "--seed", "1"},
        {"set", "--seed", "1", "--players", "Ann Lee"},
        {"set", "--seed", "1", "--players", "Ann,abcdefghijk"},
        {"set", "--seed", "1", "--players", "A,B,C,D,E"},
        {"set", "--seed", "1", "--players", "Ann", "--strategy", "lucky"},
        {"set", "--seed", "1", "--players", "Ann", "--odds", "4"},
        {"set", "--seed", "1", "--players", "Ann", "--stake", "0"},
    };
    for (const auto& words : bad) {
        const SimRun run = Sim(words);
        EXPECT_EQ(run.status, 2) << (words.empty() ? "" : words[0]) << " " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.out.empty());
    }

    std::vector<std::string> thirteen = {"race", "--seed", "1"};
    for (int i = 0; i < 13; ++i)
        thirteen.insert(thirteen.end(), {"--horse", "50,50,50,50"});
    EXPECT_EQ(Sim(thirteen).status, 2);
}

TEST(GalloriaSimOdds, SharesAddUpToOneTwoAndThreeFinishers)
{
    const auto words = With(With({"odds", "--runs", "40", "--seed", "9"}, kThreeHorses), {"--json"});
    const SimRun run = Sim(words);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Sim(words).out, run.out);
    const auto sum = [](const std::vector<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0); };
    EXPECT_NEAR(sum(JsonList(run.out, "win")), 1.0, 1e-3);
    EXPECT_NEAR(sum(JsonList(run.out, "place")), 2.0, 1e-3);
    EXPECT_NEAR(sum(JsonList(run.out, "show")), 3.0, 1e-3);
    for (double time : JsonList(run.out, "mean_time"))
        EXPECT_GT(time, 300.0);
}

// Stable files made on the spot in a temporary folder.
class GalloriaSimStable : public ::testing::Test {
protected:
    // A file of `horses` records with names "Horse A", "Horse B"... and
    // characteristics that follow the number, plus `extraBytes` of a broken record.
    std::string WriteStable(int horses, int extraBytes = 0)
    {
        const std::filesystem::path path = folder.Path() / "Stable.dat";
        std::ofstream file(path, std::ios::binary);
        for (int i = 0; i < horses; ++i) {
            unsigned char record[264] = {};
            const std::string name = std::string("Horse ") + static_cast<char>('A' + i);
            std::copy(name.begin(), name.end(), record);
            record[30] = static_cast<unsigned char>(10 + 7 * i); // speed
            record[31] = 50;
            record[32] = 60;
            record[33] = 40;
            file.write(reinterpret_cast<const char*>(record), sizeof record);
        }
        const std::string broken(extraBytes, '\x7f');
        file.write(broken.data(), static_cast<std::streamsize>(broken.size()));
        return path.string();
    }

    galloria::testing::TempFolder folder;
};

TEST_F(GalloriaSimStable, FieldFromTheStableRacesLikeTheSameHorsesGivenByHand)
{
    const std::string path = WriteStable(5);
    const SimRun fromStable = Sim({"race", "--seed", "11", "--stable", path, "--field", "2,5,1", "--json"});
    const SimRun byHand = Sim({"race", "--seed", "11", "--horse", "17,50,60,40", "--horse", "38,50,60,40",
                               "--horse", "10,50,60,40", "--json"});
    ASSERT_EQ(fromStable.status, 0) << fromStable.err;
    EXPECT_EQ(fromStable.out, byHand.out);

    const SimRun table = Sim({"race", "--seed", "11", "--stable", path, "--field", "2,5,1"});
    EXPECT_NE(table.out.find("Horse E"), std::string::npos);
}

TEST_F(GalloriaSimStable, MissingOrMalformedFilesAndFieldsAreReportedNotCrashedOn)
{
    const std::string path = WriteStable(5);
    for (const char* field : {"6", "0", "2,2"}) // horses of the stable, once each
        EXPECT_EQ(Sim({"race", "--seed", "1", "--stable", path, "--field", field}).status, 2) << field;
    const std::string missing = (folder.Path() / "none.dat").string();
    for (const auto& words : std::vector<std::vector<std::string>>{
             {"stable", missing}, {"race", "--seed", "1", "--stable", missing, "--field", "1"}}) {
        const SimRun run = Sim(words);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
    }
    // A game folder without a stable asks for one to start from.
    const SimRun noStable =
        Sim({"set", "--seed", "1", "--players", "Ann", "--dir", (folder.Path() / "game").string()});
    EXPECT_EQ(noStable.status, 1);
    EXPECT_NE(noStable.err.find("--stable"), std::string::npos) << noStable.err;

    const std::string broken = WriteStable(0, 263);
    const SimRun run = Sim({"stable", broken});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(run.err.empty());
}

TEST_F(GalloriaSimStable, ListingHasOneRowPerHorseAndIgnoresABrokenTail)
{
    const std::string path = WriteStable(4, 100);
    const SimRun run = Sim({"stable", path});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1 + 4);
    EXPECT_NE(run.out.find("Horse D"), std::string::npos);
    EXPECT_NE(run.out.find("Best Time"), std::string::npos);
}

} // namespace
} // namespace galloria::sim

// galloria-sim odds on several threads, and galloria-sim bench's signature.

#include "sim_odds.h"
#include "sim_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

namespace galloria::sim {
namespace {

// Two runners make cheap races; 2500 runs are three chunks, the last one short.
const std::vector<std::string> kOddsWords = {"odds",    "--runs",      "2500",    "--seed",      "4711",
                                             "--horse", "70,40,60,30", "--horse", "55,80,45,70", "--json"};

std::vector<std::string> WithThreads(const std::string& threads)
{
    std::vector<std::string> words = kOddsWords;
    words.insert(words.end(), {"--threads", threads});
    return words;
}

TEST(GalloriaSimOddsThreads, TheLineDoesNotDependOnTheThreadCount)
{
    const SimRun one = Sim(WithThreads("1"));
    ASSERT_EQ(one.status, 0) << one.err;
    ASSERT_NE(one.out.find("\"win\":["), std::string::npos) << one.out;
    for (const char* threads : {"2", "3", "16"}) {
        const SimRun many = Sim(WithThreads(threads));
        EXPECT_EQ(many.out, one.out) << threads << " threads";
    }
    EXPECT_EQ(Sim(kOddsWords).out, one.out) << "the default thread count";
}

TEST(GalloriaSimOddsThreads, ChunksAreSeededApartAndAddedUp)
{
    EXPECT_EQ(StudyChunkSeed(4711, 0), 4711u) << "the first chunk starts at the seed itself";
    EXPECT_NE(StudyChunkSeed(4711, 1), StudyChunkSeed(4711, 2));

    std::vector<SimRunner> field(3);
    for (int k = 0; k < 3; ++k)
        field[k].horse.speed = static_cast<std::uint8_t>(40 + 20 * k);
    const int runs = kStudyChunkRuns + 7;
    const OddsTally whole = StudyField(field, 99, runs, 2);
    EXPECT_EQ(whole.runs, runs);
    EXPECT_EQ(std::accumulate(whole.wins.begin(), whole.wins.end(), 0LL), runs);
    EXPECT_EQ(std::accumulate(whole.shows.begin(), whole.shows.end(), 0LL), 3LL * runs);

    // The same as its two chunks run one after the other.
    const OddsTally first = StudyField(field, StudyChunkSeed(99, 0), kStudyChunkRuns, 1);
    const OddsTally second = StudyField(field, StudyChunkSeed(99, 1), 7, 1);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(whole.wins[k], first.wins[k] + second.wins[k]) << k;
        EXPECT_EQ(whole.totalTime[k], first.totalTime[k] + second.totalTime[k]) << k;
    }
}

TEST(GalloriaSimOddsThreads, BadThreadCountsAreRefused)
{
    for (const char* threads : {"0", "-1", "two", "257"}) {
        const SimRun run = Sim(WithThreads(threads));
        EXPECT_EQ(run.status, 2) << threads;
        EXPECT_NE(run.err.find("--threads"), std::string::npos) << run.err;
    }
    EXPECT_EQ(Sim({"race", "--seed", "1", "--horse", "50,50,50,50", "--threads", "2"}).status, 2);
}

// The signature of the fixed workload. A change to the rules of a race, the
// odds, the payouts or the settlement changes it, and the commit that makes
// the change updates it here on purpose; a change to how the code works must
// leave it as it is.
TEST(GalloriaSimBench, SignatureOfTheFixedWorkloadIsPinned)
{
    const SimRun run = Sim({"bench", "--stable", GALLORIA_STARTING_STABLE});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("signature 48b1750092ef04cc  (72 races, 2 sets of 4 players: 20 races)  ", 0), 0u)
        << run.out;
    EXPECT_EQ(run.out.back(), '\n');
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << "one line";
}

TEST(GalloriaSimBench, MissingStableOrOtherOptionsAreReported)
{
    const SimRun missing = Sim({"bench", "--stable", "/nonexistent/Stable.dat"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("/nonexistent/Stable.dat"), std::string::npos) << missing.err;
    EXPECT_EQ(Sim({"bench", "--seed", "3"}).status, 2);
    EXPECT_EQ(Sim({"bench", "extra"}).status, 2);
}

} // namespace
} // namespace galloria::sim

// The live odds' Chance column and galloria-sim's odds command measure the
// same thing: for one field, run count and seed they must agree exactly.
#include "sim_run.h"

#include "betting/runner_chance.h"
#include "race/race_study.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

namespace galloria::sim {
namespace {

TEST(RunnerChanceAndSimOdds, TwelveRunnersTwoThousandRacesGiveTheSamePercentages)
{
    constexpr int kRuns = RunnerChance::kRuns;
    constexpr std::uint32_t kSeed = 20261207;
    std::vector<std::string> words = {
        "odds", "--runs", std::to_string(kRuns), "--seed", std::to_string(kSeed), "--json"};
    CRaceEngine field;
    field.fieldSize = 12;
    field.tippedRunner = -1; // the odds command has no tip
    for (int k = 0; k < 12; ++k) {
        const int traits[4] = {40 + 5 * k, 90 - 6 * k, 30 + (k * 37) % 60, 20 + (k * 53) % 70};
        words.push_back("--horse");
        words.push_back(std::to_string(traits[0]) + "," + std::to_string(traits[1]) + "," +
                        std::to_string(traits[2]) + "," + std::to_string(traits[3]));
        field.speedRating[k] = traits[0];
        field.sprint[k] = traits[1];
        field.stamina[k] = traits[2];
        field.spontaneity[k] = traits[3];
    }
    const SimRun run = Sim(words);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<double> win = JsonList(run.out, "win");
    ASSERT_EQ(win.size(), 12u) << run.out;

    RunnerChance chance;
    chance.Start(field, kSeed);
    for (int i = 0; i < 12000 && chance.CurrentStatus() != RunnerChance::Status::Done; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(chance.CurrentStatus(), RunnerChance::Status::Done);
    ASSERT_EQ(chance.Result().runs, kRuns);
    for (int k = 0; k < 12; ++k) {
        EXPECT_DOUBLE_EQ(static_cast<double>(chance.Result().wins[k]) / kRuns, win[k]) << "runner " << k + 1;
        // The percentage of the sim's share, rounded half up to tenths.
        const long long wins = std::llround(win[k] * kRuns);
        const long long tenths = (2000 * wins + kRuns) / (2 * kRuns);
        char text[24];
        std::snprintf(text, sizeof text, "%lld.%lld%%", tenths / 10, tenths % 10);
        EXPECT_EQ(ChanceText(chance, k), text);
    }
}

} // namespace
} // namespace galloria::sim

#include "betting/runner_chance.h"

#include "race/race_study.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace galloria {
namespace {

CRaceEngine SixRunners(int tipped)
{
    CRaceEngine field;
    field.fieldSize = 6;
    const int traits[6][4] = {{80, 40, 60, 30}, {70, 70, 50, 50}, {60, 90, 40, 80},
                              {50, 50, 90, 20}, {90, 20, 30, 60}, {40, 60, 70, 40}};
    for (int k = 0; k < 6; ++k) {
        field.speedRating[k] = traits[k][0];
        field.sprint[k] = traits[k][1];
        field.stamina[k] = traits[k][2];
        field.spontaneity[k] = traits[k][3];
    }
    field.tippedRunner = tipped;
    return field;
}

void WaitUntilDone(const RunnerChance& chance)
{
    for (int i = 0; i < 6000 && chance.CurrentStatus() == RunnerChance::Status::Running; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(chance.CurrentStatus(), RunnerChance::Status::Done);
}

TEST(StudyField, SameSeedAndFieldSameFiguresEveryRaceOneWinnerAndAStopRunsNothing)
{
    const CRaceEngine field = SixRunners(-1);
    const RaceStudy a = StudyField(field, 77, 150);
    const RaceStudy b = StudyField(field, 77, 150);
    const RaceStudy c = StudyField(field, 78, 150);
    EXPECT_EQ(a.runs, 150);
    int wins = 0, places = 0, shows = 0;
    bool differs = false;
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(a.wins[k], b.wins[k]);
        EXPECT_EQ(a.totalTime[k], b.totalTime[k]);
        differs |= a.wins[k] != c.wins[k];
        wins += a.wins[k];
        places += a.places[k];
        shows += a.shows[k];
        EXPECT_LE(a.wins[k], a.places[k]);
        EXPECT_LE(a.places[k], a.shows[k]);
    }
    EXPECT_EQ(wins, 150);
    EXPECT_EQ(places, 300);
    EXPECT_EQ(shows, 450);
    EXPECT_TRUE(differs) << "another seed, other races";

    // The tipped runner is part of the field.
    const RaceStudy tipped = StudyField(SixRunners(5), 77, 150);
    differs = false;
    for (int k = 0; k < 6; ++k)
        differs |= a.wins[k] != tipped.wins[k] || a.totalTime[k] != tipped.totalTime[k];
    EXPECT_TRUE(differs);

    std::atomic<bool> stop{true}; // a stop already set runs nothing
    EXPECT_EQ(StudyField(field, 1, 100, &stop).runs, 0);
}

TEST(RunnerChance, FinishedFiguresAreTheStudyOfTheFieldOnAnyNumberOfThreads)
{
    // Three chunks, the last one short, shared by two and by three threads.
    constexpr int kRunsAsked = 2 * kStudyChunkRuns + 40;
    const CRaceEngine field = SixRunners(2);
    const RaceStudy expected = StudyField(field, 1234, kRunsAsked);
    for (int threads : {2, 3}) {
        RunnerChance chance;
        chance.Start(field, 1234, kRunsAsked, threads);
        WaitUntilDone(chance);
        ASSERT_EQ(chance.Result().runs, kRunsAsked);
        for (int k = 0; k < 6; ++k)
            EXPECT_TRUE(chance.Result().wins[k] == expected.wins[k] &&
                        chance.Result().totalTime[k] == expected.totalTime[k])
                << threads << " threads, runner " << k;
    }
    RunnerChance chance;
    EXPECT_EQ(ChanceText(chance, 0), "-");
    chance.Start(field, 1234, 200);
    WaitUntilDone(chance);
    const RaceStudy small = StudyField(field, 1234, 200);
    ASSERT_EQ(chance.Result().runs, 200);
    for (int k = 0; k < 6; ++k) {
        const int tenths = (2000 * small.wins[k] + 200) / 400;
        EXPECT_EQ(ChanceText(chance, k),
                  std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%");
    }
    EXPECT_EQ(ChanceText(chance, 6), "-") << "no runner 7 in a field of six";
    ASSERT_NE(chance.Inputs(), nullptr);
    EXPECT_EQ(chance.Inputs()->tippedRunner, 2);
}

TEST(RunnerChance, RunningSaysSoAndAStopForgetsItAtOnce)
{
    RunnerChance chance;
    chance.Start(SixRunners(-1), 9, 1000000); // far longer than any test waits
    EXPECT_EQ(chance.CurrentStatus(), RunnerChance::Status::Running);
    EXPECT_EQ(ChanceText(chance, 0), "running...");
    chance.Stop();
    EXPECT_EQ(chance.CurrentStatus(), RunnerChance::Status::Idle);
    EXPECT_EQ(chance.Result().runs, 0);
    EXPECT_EQ(chance.Inputs(), nullptr);
    // A new start after a stop measures afresh; the destructor stops it.
    chance.Start(SixRunners(-1), 9, 1000000);
    EXPECT_EQ(chance.CurrentStatus(), RunnerChance::Status::Running);
}

} // namespace
} // namespace galloria

#include "betting/odds_simulation.h"

#include "base/game_random.h"
#include "betting/odds.h"
#include "betting/race_set_state.h"
#include "race/race_engine.h"
#include "stable/stable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace galloria {
namespace {

constexpr int kRace = 4;
constexpr int kField = 8;

class RecordingProgress : public OddsProgress {
public:
    void Open(int range) override { calls.push_back("open " + std::to_string(range)); }
    void SetPosition(int position) override
    {
        calls.push_back(std::to_string(position));
        if (onPosition)
            onPosition();
    }
    void Close() override { calls.push_back("close"); }

    std::vector<std::string> calls;
    std::function<void()> onPosition;
};

// Race 5 of the set runs eight horses of a stable of twenty, posted out of
// stable order so that a mix-up of post and stable index shows.
class SimulateOddsTest : public ::testing::Test {
protected:
    SimulateOddsTest()
    {
        stable->count = 20;
        for (int h = 0; h < stable->count; ++h) {
            HorseRecord& horse = stable->records[h];
            horse.speed = static_cast<std::uint8_t>(5 * h);
            horse.sprint = static_cast<std::uint8_t>(100 - 4 * h);
            horse.stamina = static_cast<std::uint8_t>((37 * h) % 101);
            horse.spontaneity = static_cast<std::uint8_t>((53 * h) % 101);
        }
        state.raceIndex = kRace;
        state.program.runnerCount[kRace] = kField;
        const int posts[kField] = {19, 3, 11, 7, 0, 15, 8, 12};
        const double odds[kField] = {3.0, 5.5, 8.0, 12.0, 30.0, 4.0, 9.0, 100.0};
        std::copy(posts, posts + kField, state.program.runners[kRace]);
        std::copy(odds, odds + kField, state.program.morningLineOdds[kRace]);
        for (int k = 0; k < kField; ++k)
            engine.gaitPhase[k] = (3 * k) % 11;
        engine.tippedRunner = 2;
        random.Seed(4242);
    }

    std::vector<double> Odds() const
    {
        const auto odds = state.program.FieldOdds(kRace);
        return {odds.begin(), odds.end()};
    }

    // The odds that `count` races of the field give when run by hand from the same seed.
    std::vector<double> ReplayedOdds(int count) const
    {
        auto replay = std::make_unique<CRaceEngine>();
        replay->fieldSize = kField;
        replay->tippedRunner = 2;
        for (int k = 0; k < kField; ++k) {
            const HorseRecord& horse = stable->records[state.program.runners[kRace][k]];
            replay->speedRating[k] = horse.speed;
            replay->sprint[k] = horse.sprint;
            replay->stamina[k] = horse.stamina;
            replay->spontaneity[k] = horse.spontaneity;
            replay->gaitPhase[k] = (3 * k) % 11;
        }
        GameRandom replayRandom;
        replayRandom.Seed(4242);
        std::vector<double> odds = Odds();
        for (int run = 0; run < count; ++run) {
            replay->StartRace(replayRandom);
            while (!replay->raceOver)
                replay->AdvanceTick(replayRandom);
            ApplyFinishToOdds(odds, std::span<const int>(replay->finishOrder, kField));
        }
        return odds;
    }

    std::unique_ptr<Stable> stable = std::make_unique<Stable>();
    RaceSetState state;
    CRaceEngine engine;
    GameRandom random;
    RecordingProgress progress;
};

TEST_F(SimulateOddsTest, TheRacesMoveTheOddsByTheirResultsAndFillTheBar)
{
    const std::vector<double> before = Odds();
    const std::vector<double> ten = ReplayedOdds(10);
    const std::vector<double> five = ReplayedOdds(5);
    ASSERT_EQ(SimulateOdds(10, state, engine, *stable, random, &progress), OddsSimulationResult::Completed);
    EXPECT_EQ(Odds(), ten);
    EXPECT_NE(Odds(), before);
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"open 10", "1", "2", "3", "4", "5", "6", "7", "8",
                                                        "9", "10", "close"}));
    EXPECT_FALSE(state.oddsSimulationActive);

    // Five races step the bar two at a time.
    std::copy(before.begin(), before.end(), state.program.morningLineOdds[kRace]);
    random.Seed(4242);
    progress.calls.clear();
    SimulateOdds(5, state, engine, *stable, random, &progress);
    EXPECT_EQ(Odds(), five);
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"open 10", "2", "4", "6", "8", "10", "close"}));
}

TEST_F(SimulateOddsTest, NoRunsMeansNoProgressAndNoDraws)
{
    const std::vector<double> before = Odds();
    EXPECT_EQ(SimulateOdds(0, state, engine, *stable, random, &progress), OddsSimulationResult::Skipped);
    EXPECT_EQ(Odds(), before);
    EXPECT_TRUE(progress.calls.empty());
    EXPECT_EQ(random.state, 4242u);

    state.program.runners[kRace][6] = 20; // not a horse of this stable
    EXPECT_EQ(SimulateOdds(10, state, engine, *stable, random, &progress), OddsSimulationResult::Skipped);
    EXPECT_EQ(Odds(), before);
    EXPECT_TRUE(progress.calls.empty());
}

TEST_F(SimulateOddsTest, ASecondSimulationIsRefusedWhileOneRuns)
{
    std::vector<OddsSimulationResult> nested;
    progress.onPosition = [&] { nested.push_back(SimulateOdds(10, state, engine, *stable, random)); };
    const std::vector<double> expected = ReplayedOdds(5);

    EXPECT_EQ(SimulateOdds(5, state, engine, *stable, random, &progress), OddsSimulationResult::Completed);
    EXPECT_EQ(nested, std::vector<OddsSimulationResult>(5, OddsSimulationResult::AlreadyRunning));
    EXPECT_EQ(Odds(), expected); // the refused calls changed nothing

    progress.onPosition = nullptr;
    EXPECT_EQ(SimulateOdds(5, state, engine, *stable, random), OddsSimulationResult::Completed);
}

TEST(NormaliseOdds, EveryRaceOfTheProgramFromItsHorsesRatings)
{
    auto stable = std::make_unique<Stable>();
    stable->count = 30;
    for (int h = 0; h < stable->count; ++h)
        stable->statistics[h].ratingOdds = 2.0 + h;
    RaceProgram program;
    program.runnerCount[0] = 6;
    program.runnerCount[9] = 7;
    const int race0[] = {5, 2, 9, 14, 21, 28};
    const int race9[] = {0, 1, 3, 4, 6, 7, 99}; // the last post names no horse of the stable
    std::copy(std::begin(race0), std::end(race0), program.runners[0]);
    std::copy(std::begin(race9), std::end(race9), program.runners[9]);

    NormaliseOdds(program, *stable);

    std::vector<double> expected0 = {7, 4, 11, 16, 23, 30};
    NormaliseFieldOdds(expected0);
    for (int k = 0; k < 6; ++k)
        EXPECT_DOUBLE_EQ(program.morningLineOdds[0][k], expected0[k]);
    std::vector<double> expected9 = {2, 3, 5, 6, 8, 9, 0};
    NormaliseFieldOdds(expected9);
    for (int k = 0; k < 7; ++k)
        EXPECT_DOUBLE_EQ(program.morningLineOdds[9][k], expected9[k]);
    EXPECT_EQ(program.morningLineOdds[0][6], 0.0);
    EXPECT_EQ(program.morningLineOdds[4][0], 0.0); // a race without runners
}

} // namespace
} // namespace galloria

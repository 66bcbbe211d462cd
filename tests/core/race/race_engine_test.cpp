#include "race/race_engine.h"

#include "base/game_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

namespace galloria {
namespace {

constexpr int kLine = CRaceEngine::kFinishLine;

struct Horse {
    int speed = 50;
    int sprint = 50;
    int stamina = 50;
    int spontaneity = 50;
    int gaitPhase = 0;
};

void LoadField(CRaceEngine& engine, const std::vector<Horse>& field, int tippedRunner = -1)
{
    engine.fieldSize = static_cast<int>(field.size());
    for (int k = 0; k < engine.fieldSize; ++k) {
        engine.speedRating[k] = field[k].speed;
        engine.sprint[k] = field[k].sprint;
        engine.stamina[k] = field[k].stamina;
        engine.spontaneity[k] = field[k].spontaneity;
        engine.gaitPhase[k] = field[k].gaitPhase;
    }
    engine.tippedRunner = tippedRunner;
}

// A field of n horses whose characteristics come from the generator.
std::vector<Horse> DrawField(int n, GameRandom& random)
{
    std::vector<Horse> field(n);
    for (Horse& horse : field)
        horse = {random.Next() % 101, random.Next() % 101, random.Next() % 101, random.Next() % 101,
                 random.Next() % 11};
    return field;
}

// Starts `field` and puts it a few units before the line in a state in which
// a tick draws nothing and changes no speed: every runner in a lane of its
// own, cruising at exactly its maximum speed of 10, fresh, its effort decided
// long ago. Each then moves exactly 10 units per tick, so a test can place
// noses precisely.
void StartOnStretch(CRaceEngine& engine, GameRandom& random, const std::vector<Horse>& field,
                    const std::vector<double>& floatPositions)
{
    random.Seed(1);
    LoadField(engine, field);
    engine.StartRace(random);
    engine.accelerationMode = false;
    int leader = 0;
    for (int k = 0; k < engine.fieldSize; ++k) {
        engine.floatPosition[k] = engine.savedFloatPosition[k] = floatPositions[k];
        engine.position[k] = engine.nosePosition[k] = static_cast<int>(floatPositions[k]);
        engine.speed[k] = engine.targetSpeed[k] = engine.maxSpeed[k] = 10.0;
        engine.energy[k] = 1e9;
        engine.strategyCountdown[k] = 1000;
        leader = std::max(leader, engine.position[k]);
    }
    engine.leaderPosition = leader;
}

void RunToEnd(CRaceEngine& engine, GameRandom& random)
{
    engine.StartRace(random);
    while (!engine.raceOver)
        engine.AdvanceTick(random);
}

// gaitPhase giving a nose offset of `offset` in the first tick.
int PhaseForOffset(int offset)
{
    return offset == 3 ? 0 : offset == 2 ? 2 : offset == 1 ? 3 : 7;
}

TEST(RaceEngineStart, LinesUpTheFieldFromIdle)
{
    const CRaceEngine idle;
    EXPECT_EQ(idle.tickCount, -1);
    EXPECT_EQ(idle.tippedRunner, -1);
    EXPECT_FALSE(idle.raceOver);
    EXPECT_EQ(idle.finishOrder[0], CRaceEngine::kNoRunner);

    GameRandom random;
    random.Seed(99);
    CRaceEngine engine;
    std::vector<Horse> field(12);
    for (int k = 0; k < 12; ++k)
        field[k].sprint = 5 * k;
    field[0].speed = 100;
    LoadField(engine, field, 0);
    engine.StartRace(random);

    // The top speed rating, and the tipster's extra energy.
    EXPECT_EQ(engine.baseSpeed[0], 16.0);
    EXPECT_TRUE(engine.earlyCap[0] == 12.0 || engine.earlyCap[0] == 13.0) << engine.earlyCap[0];
    EXPECT_EQ(engine.energy[0], (16.0 - 6.0) * 9992.0 + 15000.0);
    EXPECT_EQ(engine.energy[1], (15.0 - 6.0) * 9992.0);

    const std::set<double> pool = {0.03, 0.035, 0.04, 0.045, 0.05, 0.055,
                                   0.06, 0.065, 0.07, 0.075, 0.09, 0.11};
    std::set<double> handedOut;
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(engine.lane[k], 2 * k);
        EXPECT_EQ(engine.drawnLane[k], 12 * k);
        EXPECT_EQ(engine.speed[k], 4.0);
        EXPECT_EQ(engine.targetSpeed[k], engine.baseSpeed[k] - 3.0);
        EXPECT_EQ(engine.maxSpeed[k], engine.baseSpeed[k]);
        EXPECT_TRUE(engine.strategyCountdown[k] >= 10 && engine.strategyCountdown[k] <= 39);
        handedOut.insert(engine.acceleration[k] - 0.0002 * field[k].sprint);
    }
    // Every runner has its own pool entry (taking the sprint bonus off again may cost the last bit).
    ASSERT_EQ(handedOut.size(), 12u);
    auto entry = pool.begin();
    for (double acceleration : handedOut)
        EXPECT_NEAR(acceleration, *entry++, 1e-12);
}

TEST(RaceEngineStart, ClampsBadInputsIntoRange)
{
    GameRandom random;
    random.Seed(3);
    CRaceEngine engine;
    engine.fieldSize = 0;
    engine.StartRace(random);
    EXPECT_EQ(engine.fieldSize, 1);
    engine.fieldSize = 13;
    engine.gaitPhase[5] = -1;
    engine.gaitPhase[6] = 11;
    engine.StartRace(random);
    EXPECT_EQ(engine.fieldSize, 12);
    EXPECT_EQ(engine.gaitPhase[5], 10);
    EXPECT_EQ(engine.gaitPhase[6], 0);
}

// A signature of forty seeded races of every field size: finishes, times,
// race lengths and the final positions to the bit folded into one number, so
// that any change to the engine's arithmetic or to its draws shows here.
TEST(RaceEngineRace, SignatureOfFortySeededRacesIsPinned)
{
    GameRandom random;
    random.Seed(777);
    CRaceEngine engine;
    std::uint32_t signature = 2166136261u;
    const auto fold = [&signature](int value) {
        signature = (signature ^ static_cast<std::uint32_t>(value)) * 16777619u;
    };
    for (int race = 0; race < 40; ++race) {
        const int fieldSize = 1 + race % 12;
        const std::vector<Horse> field = DrawField(fieldSize, random);
        LoadField(engine, field, random.Next() % (fieldSize + 1) - 1);
        RunToEnd(engine, random);
        for (int place = 0; place < fieldSize; ++place) {
            fold(engine.finishOrder[place]);
            fold(engine.finishTime[engine.finishOrder[place]]);
        }
        fold(engine.tickCount);
        for (int k = 0; k < fieldSize; ++k) {
            std::uint64_t bits;
            std::memcpy(&bits, &engine.floatPosition[k], sizeof bits);
            fold(static_cast<int>(bits & 0xFFFFFFFFu));
            fold(static_cast<int>(bits >> 32));
        }
    }
    EXPECT_EQ(signature, 4289812081u);
    EXPECT_EQ(random.state, 2015609872u);
}

TEST(RaceEngineRace, SingleRunnerKeepsTheRailAndFinishesAlone)
{
    GameRandom random;
    random.Seed(8);
    CRaceEngine engine;
    LoadField(engine, {{60, 60, 60, 60, 4}});
    engine.StartRace(random);
    int topThree = 0;
    int finishTick = -1;
    while (!engine.raceOver) {
        const double energyBefore = engine.energy[0];
        const int placed = engine.AdvanceTick(random);
        topThree += placed;
        if (placed)
            finishTick = engine.tickCount;
        ASSERT_EQ(engine.lane[0], 0);
        ASSERT_EQ(engine.drawnLane[0], 0);
        // Nobody to follow: no slipstream, the full square of the speed is spent.
        ASSERT_EQ(engine.energy[0], energyBefore - engine.speed[0] * engine.speed[0]);
    }
    EXPECT_EQ(topThree, 1);
    EXPECT_EQ(finishTick, engine.lastFinishTick);
    EXPECT_EQ(engine.finishOrder[0], 0);
    EXPECT_EQ(engine.finishedCount, 1);
}

// What the rest of the game relies on, checked after every tick of many races.
TEST(RaceEngineRace, HoldsItsInvariantsThroughManyRaces)
{
    GameRandom random;
    random.Seed(2024);
    CRaceEngine engine;
    for (int race = 0; race < 120; ++race) {
        const int fieldSize = 1 + race % 12;
        const std::vector<Horse> field = DrawField(fieldSize, random);
        LoadField(engine, field, random.Next() % (fieldSize + 1) - 1);
        engine.StartRace(random);
        double previousMax[12];
        std::copy(engine.maxSpeed, engine.maxSpeed + 12, previousMax);
        int previousLeader = 0;
        int topThree = 0;
        while (!engine.raceOver) {
            topThree += engine.AdvanceTick(random);
            // A finish tick is a real tick: the clock never steps back.
            ASSERT_EQ(engine.raceTime, (engine.tickCount + 1) / 2);
            ASSERT_TRUE(engine.finishThisTick || engine.leaderPosition >= previousLeader);
            previousLeader = engine.leaderPosition;
            for (int k = 0; k < fieldSize; ++k) {
                ASSERT_LE(engine.maxSpeed[k], previousMax[k]);
                ASSERT_GE(engine.maxSpeed[k], engine.baseSpeed[k] - 6.0);
                ASSERT_GE(engine.speed[k], 7.0);
                ASSERT_GE(engine.lane[k], 0);
                ASSERT_LE(engine.lane[k], 22);
                previousMax[k] = engine.maxSpeed[k];
            }
            if (engine.raceOver)
                ASSERT_EQ(engine.tickCount, engine.lastFinishTick + 31);
            else
                ASSERT_TRUE(engine.lastFinishTick == CRaceEngine::kStillRunning ||
                            engine.tickCount <= engine.lastFinishTick + 30);
        }
        ASSERT_EQ(engine.finishedCount, fieldSize);
        ASSERT_EQ(topThree, std::min(3, fieldSize));
        std::set<int> runners(engine.finishOrder, engine.finishOrder + fieldSize);
        ASSERT_EQ(runners.size(), static_cast<std::size_t>(fieldSize));
        ASSERT_LT(*runners.rbegin(), fieldSize);
        for (int place = 1; place < fieldSize; ++place)
            ASSERT_LE(engine.finishTime[engine.finishOrder[place - 1]],
                      engine.finishTime[engine.finishOrder[place]]);
    }
}

// A winner that runs on long after its finish must not step off the course:
// from position 21000 the lane step would otherwise turn negative.
TEST(RaceEngineRace, RunnersFarPastTheLineKeepToTheCourse)
{
    GameRandom random;
    CRaceEngine engine;
    StartOnStretch(engine, random, {{}, {}, {}}, {21500.0, 21600.0, 21900.0});
    // Runner 0 re-decides right behind runner 1 in the rail lane, 400 behind the leader.
    engine.lane[1] = engine.targetLane[1] = engine.drawnLane[1] = 0;
    engine.reevaluate[0] = true;
    engine.AdvanceTick(random);
    EXPECT_EQ(engine.lane[0], 0);
    EXPECT_EQ(engine.targetLane[0], 0);
}

// A runner closing fast on its lane checks up to the pace of the nearest
// runner ahead in it; of two equally near, the lower numbered one.
TEST(RaceEngineRace, ChecksUpBehindTheNearestRunnerAheadInItsLane)
{
    GameRandom random;
    CRaceEngine engine;
    StartOnStretch(engine, random, {{}, {}, {}, {}}, {5000.0, 5070.0, 5050.0, 5050.0});
    const double aheadSpeeds[] = {8.0, 9.0, 9.5};
    for (int k = 0; k < 4; ++k) {
        engine.lane[k] = engine.targetLane[k] = engine.drawnLane[k] = 0;
        if (k > 0)
            engine.speed[k] = engine.targetSpeed[k] = aheadSpeeds[k - 1];
    }
    engine.AdvanceTick(random);
    EXPECT_EQ(engine.targetSpeed[0], 9.0 - 0.5);
}

TEST(RaceEngineFinish, NosesLevelAfterTheShiftDeadHeatInRunnerOrder)
{
    GameRandom random;
    CRaceEngine engine;
    // Runner 0 is a unit behind runner 1 but one stride unit further forward
    // with its nose: both noses reach 9995.
    StartOnStretch(engine, random, {{.gaitPhase = PhaseForOffset(3)}, {.gaitPhase = PhaseForOffset(2)}, {}},
                   {9982.0, 9983.0, 9000.0});
    const std::uint32_t before = random.state;

    EXPECT_EQ(engine.AdvanceTick(random), 2);
    EXPECT_EQ(random.state, before) << "the prepared stretch should draw nothing";
    EXPECT_TRUE(engine.finishThisTick);
    EXPECT_EQ(engine.finishedCount, 2);
    EXPECT_EQ(engine.finishOrder[0], 0);
    EXPECT_EQ(engine.finishOrder[1], 1);
    EXPECT_EQ(engine.finishTime[0], engine.finishTime[1]);
    EXPECT_EQ(engine.finishState[2], 0);

    // The photo frame shows the field shifted back by the excess of 3 ...
    EXPECT_EQ(engine.nosePosition[0], kLine);
    EXPECT_EQ(engine.nosePosition[1], kLine);
    EXPECT_EQ(engine.position[0], 9989);
    EXPECT_EQ(engine.position[1], 9990);
    EXPECT_EQ(engine.position[2], 9007);
    EXPECT_EQ(engine.leaderPosition, kLine) << "a finish lifts the leader to the line";
    // ... while the race goes on from the true positions.
    EXPECT_EQ(engine.floatPosition[2], 9010.0);
    EXPECT_EQ(engine.AdvanceTick(random), 0);
    EXPECT_EQ(engine.position[2], 9020);
    EXPECT_EQ(engine.floatPosition[1], 10003.0);
}

TEST(RaceEngineFinish, OnlyPlacesUpToThirdCountTowardsTheTopThree)
{
    GameRandom random;
    CRaceEngine engine;
    StartOnStretch(engine, random, {{.gaitPhase = 7}, {.gaitPhase = 7}, {.gaitPhase = 7}, {.gaitPhase = 7}},
                   {9988.0, 9988.0, 9980.5, 9980.5});

    EXPECT_EQ(engine.AdvanceTick(random), 2); // a dead heat for first and second
    EXPECT_EQ(engine.AdvanceTick(random), 1); // one for third and fourth
    EXPECT_EQ(engine.finishOrder[2], 2);
    EXPECT_EQ(engine.finishOrder[3], 3);
    EXPECT_EQ(engine.lastFinishTick, 1);
}

TEST(RaceEngineFinish, RunnerBehindTheShiftedLeaderFinishesATickLater)
{
    GameRandom random;
    CRaceEngine engine;
    StartOnStretch(engine, random, {{.gaitPhase = 7}, {.gaitPhase = 7}}, {9983.0, 9985.0});

    // Both noses pass the line (9993 and 9995); shifting for runner 0 first
    // and then for runner 1 leaves runner 1 on the line and runner 0 behind it.
    EXPECT_EQ(engine.AdvanceTick(random), 1);
    EXPECT_EQ(engine.finishOrder[0], 1);
    EXPECT_EQ(engine.position[0], 9990);
    EXPECT_EQ(engine.position[1], kLine);
    EXPECT_EQ(engine.finishState[0], 0);

    EXPECT_EQ(engine.AdvanceTick(random), 1);
    EXPECT_EQ(engine.finishOrder[1], 0);
    EXPECT_EQ(engine.finishTime[0], engine.finishTime[1] + 1);
    EXPECT_EQ(engine.lastFinishTick, 1);
}

} // namespace
} // namespace galloria

#include "game/race_program_draw.h"

#include "base/game_random.h"
#include "betting/race_set_state.h"
#include "stable/stable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <numeric>
#include <set>
#include <vector>

namespace galloria {
namespace {

// A stable in memory of `count` horses; speeds spread over every class
// unless one speed is given for all.
std::unique_ptr<Stable> MakeStable(int count, int onlySpeed = -1)
{
    auto stable = std::make_unique<Stable>();
    GameRandom random;
    random.Seed(99);
    stable->count = count;
    for (int h = 0; h < count; ++h) {
        HorseRecord& horse = stable->records[h];
        horse = HorseRecord{};
        SetHorseName(horse, "Horse " + std::to_string(h + 1));
        horse.speed = static_cast<std::uint8_t>(onlySpeed >= 0 ? onlySpeed : random.Next() % 101);
        horse.earningsHistory[0] = static_cast<std::uint32_t>(random.Next() % 20000);
        horse.finishHistory[0] = static_cast<std::uint8_t>(1 + random.Next() % 8);
        horse.oddsHistory[0] = static_cast<float>(3 + random.Next() % 40);
        horse.timeHistory[0] = 400;
    }
    stable->ComputeStatistics(random);
    return stable;
}

// Every program drawn must hold for the whole set: purses, field sizes,
// posts filled then empty, no horse twice, odds within their bounds.
void ExpectSoundProgram(const RaceProgram& program, int horseCount)
{
    std::set<int> seen;
    for (int race = 0; race < kRacesPerSet; ++race) {
        const int purse = program.purse[race];
        EXPECT_EQ(purse % 1000, 0);
        EXPECT_GE(purse, 5000);
        EXPECT_LE(purse, 50000);
        const int size = program.runnerCount[race];
        ASSERT_GE(size, 6);
        ASSERT_LE(size, 12);
        for (int post = 0; post < kMaxFieldSize; ++post) {
            const int horse = program.runners[race][post];
            if (post >= size) {
                EXPECT_EQ(horse, -1);
                continue;
            }
            ASSERT_GE(horse, 0);
            ASSERT_LT(horse, horseCount);
            EXPECT_TRUE(seen.insert(horse).second) << "horse " << horse << " runs twice";
            EXPECT_GE(program.morningLineOdds[race][post], 2.5);
            EXPECT_LE(program.morningLineOdds[race][post], 1000.0);
        }
    }
}

std::vector<std::uint32_t> SeedsUpTo(std::uint32_t last)
{
    std::vector<std::uint32_t> seeds(last);
    std::iota(seeds.begin(), seeds.end(), 1u);
    return seeds;
}

// Draws the program of each seed from `stable` and checks it, up to the first
// failure; returns the field sizes drawn.
std::set<int> DrawSoundPrograms(const Stable& stable, const std::vector<std::uint32_t>& seeds)
{
    GameRandom random;
    RaceProgram program;
    std::set<int> sizes;
    for (const std::uint32_t seed : seeds) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        random.Seed(seed);
        EXPECT_TRUE(DrawRaceProgram(program, stable, random));
        ExpectSoundProgram(program, stable.count);
        if (::testing::Test::HasFailure())
            break;
        sizes.insert(program.runnerCount, program.runnerCount + kRacesPerSet);
    }
    return sizes;
}

TEST(RaceProgramDraw, EverySeedGivesASoundSetOfTenRaces)
{
    EXPECT_EQ(DrawSoundPrograms(*MakeStable(400), SeedsUpTo(200)).size(), 7u)
        << "every field size from 6 to 12 comes up";
}

TEST(RaceProgramDraw, HorsesOfTheRaceClassAreFavoured)
{
    // With every class in the stable, most runners stand within five of the
    // level the purse asks for.
    const auto stable = MakeStable(2000);
    GameRandom random;
    RaceProgram program;
    int runners = 0;
    int ofTheClass = 0;
    for (int seed = 1; seed <= 50; ++seed) {
        random.Seed(seed);
        DrawRaceProgram(program, *stable, random);
        for (int race = 0; race < kRacesPerSet; ++race) {
            const int level = std::max(10, (2 * program.purse[race] - 10000) / 1000);
            for (int post = 0; post < program.runnerCount[race]; ++post) {
                ++runners;
                ofTheClass += std::abs(stable->records[program.runners[race][post]].speed - level) < 6;
            }
        }
    }
    EXPECT_GT(ofTheClass, runners * 3 / 4);
}

TEST(RaceProgramDraw, ASmallStableIsRefusedAndAJustLargeEnoughOneStillEnds)
{
    GameRandom random;
    random.Seed(5);
    RaceProgram program;
    program.runnerCount[0] = 9;

    const auto tooSmall = MakeStable(119);
    EXPECT_FALSE(DrawRaceProgram(program, *tooSmall, random));
    EXPECT_EQ(program.runnerCount[0], 0) << "a refused draw leaves no half program";
    const std::string message = StableTooSmallMessage(119);
    EXPECT_NE(message.find("119"), std::string::npos);
    EXPECT_NE(message.find("120"), std::string::npos);
    EXPECT_TRUE(StableTooSmallMessage(120).empty());

    // 120 horses of one speed: no horse fits a cheap race well, purses get
    // cut, and the last posts can only take the few horses left.
    DrawSoundPrograms(*MakeStable(120, 95), SeedsUpTo(20));
}

// The first `count` horses of the starting stable, statistics computed with
// a fixed seed.
std::unique_ptr<Stable> StartingStable(int count = Stable::kMaxHorses)
{
    auto stable = std::make_unique<Stable>();
    EXPECT_TRUE(ReadStableFile(GALLORIA_STARTING_STABLE, *stable).ok());
    stable->count = std::min(stable->count, count);
    GameRandom random;
    random.Seed(1);
    stable->ComputeStatistics(random);
    return stable;
}

TEST(RaceProgramDraw, SmallStablesEndQuicklyWithEveryHorseOnce)
{
    // Cut to its first 120 to 200 horses, the starting stable runs out of
    // horses of some classes long before a set is drawn: the posts that only
    // meet horses already running must still be filled, each horse once.
    for (const int count : {120, 150, 200}) {
        SCOPED_TRACE(std::to_string(count) + " horses");
        const auto stable = StartingStable(count);
        ASSERT_EQ(stable->count, count);
        DrawSoundPrograms(*stable, SeedsUpTo(200));
    }

    // Even the whole starting stable has seeds whose draw met only horses
    // already running for millions of redraws in a row.
    DrawSoundPrograms(*StartingStable(), {103, 8906, 10756});
}

// A race of the program drawn by hand: posts, then the horses chosen in the
// database, and what the race must hold afterwards.
struct ChosenCase {
    const char* what;
    std::vector<int> drawn;
    std::vector<int> chosen;
    std::vector<int> expected;
};

TEST(PlaceChosenHorses, ChosenHorsesTakeTheFirstPostsAndNoHorseRunsTwice)
{
    const auto stable = MakeStable(150);
    const ChosenCase cases[] = {
        {"nothing chosen", {1, 2, 3, 4, 5, 6, 7}, {}, {1, 2, 3, 4, 5, 6, 7}},
        {"two chosen keep the field size", {1, 2, 3, 4, 5, 6, 7}, {40, 41}, {40, 41, 3, 4, 5, 6, 7}},
        {"a chosen horse drawn later swaps posts", {1, 2, 3, 4, 5, 6, 7}, {6, 40}, {6, 40, 3, 4, 5, 1, 7}},
        {"six chosen make the whole field",
         {1, 2, 3, 4, 5, 6, 7, 8},
         {9, 10, 11, 12, 13, 14},
         {9, 10, 11, 12, 13, 14}},
        {"a deleted horse leaves its post as drawn", {1, 2, 3, 4, 5, 6}, {40, 999}, {40, 2, 3, 4, 5, 6}},
    };
    for (const ChosenCase& c : cases) {
        RaceProgram program;
        const int race = 4;
        program.runnerCount[race] = static_cast<int>(c.drawn.size());
        std::ranges::copy(c.drawn, program.runners[race]);
        std::vector<int> chosen = c.chosen;
        chosen.push_back(-1);

        const bool placed = PlaceChosenHorses(program, race, chosen, *stable);

        EXPECT_EQ(placed, !c.chosen.empty()) << c.what;
        const std::vector<int> field(program.runners[race], program.runners[race] + program.FieldSize(race));
        EXPECT_EQ(field, c.expected) << c.what;
        if (placed) {
            double inverseSum = 0;
            for (const double odds : program.FieldOdds(race))
                inverseSum += 1.0 / odds;
            EXPECT_NEAR(inverseSum, 1.0, 0.25) << c.what << ": odds made again for the field";
        }
    }
}

} // namespace
} // namespace galloria

#include "race/race_call_sheet.h"

#include "base/game_random.h"
#include "race/race_run.h"
#include "stable/stable.h"

#include <gtest/gtest.h>

#include <memory>

namespace galloria {
namespace {

using Calls = std::vector<std::pair<int, std::string>>;

// The starting stable's first twelve horses, run from `seed` as galloria-sim race does.
RaceCallSheet CallSeededRace(std::uint32_t seed, int variant, CRaceEngine& engine, GameRandom& random)
{
    auto stable = std::make_unique<Stable>();
    EXPECT_TRUE(ReadStableFile(GALLORIA_STARTING_STABLE, *stable).ok());
    std::vector<std::string> names;
    engine.fieldSize = 12;
    for (int runner = 0; runner < 12; ++runner) {
        LoadRunner(engine, runner, stable->records[runner]);
        names.emplace_back(HorseName(stable->records[runner]));
    }
    random.Seed(seed);
    DrawGaitPhases(engine, random);
    return CallRace(engine, random, names, variant);
}

Calls Said(const RaceCallSheet& sheet)
{
    Calls said;
    for (const RaceCallSheet::TimedCall& call : sheet.calls)
        said.emplace_back(call.tick, call.text);
    return said;
}

// Seed 7 ends in a photo, seed 36 in a dead heat for first: the calls are
// pinned word for word.
TEST(RaceCall, SeededRacesGetTheSameCallsAndTheirFinishMargins)
{
    CRaceEngine engine;
    GameRandom random;
    const RaceCallSheet photo = CallSeededRace(7, 1, engine, random);
    const Calls photoCalls = {
        {0, "And they're away!"},
        {132, "Nell's Wanderer saves ground on the inside and moves up!"},
        {213,
         "At the quarter, it's Ebony Valour by three-quarters of a length from Nell's Wanderer, and a short "
         "head back to Stormy Secret."},
        {395, "Half way: Ebony Valour in front, a length clear of Stormy Secret, with Nell's Wanderer a neck "
              "behind."},
        {524, "Ebony Valour starts to weaken, and Stormy Secret is coming!"},
        {637, "Into the home turn: Stormy Secret leads by a nose from Ebony Valour, Nell's Wanderer "
              "three-quarters "
              "of a length further back."},
        {687, "Marble Rhapsody improves into second!"},
        {737, "The leader Stormy Secret is feeling it now, Marble Rhapsody on the heels!"},
        {740, "It's a photo!"},
        {765, "Stormy Secret gets home by a short head from Marble Rhapsody!"},
    };
    EXPECT_EQ(Said(photo), photoCalls);
    EXPECT_EQ(photo.winnerTick, 740);
    EXPECT_EQ(photo.CallAt(739), photoCalls[7].second);
    EXPECT_EQ(photo.CallAt(-1), "");

    const RaceCallSheet deadHeat = CallSeededRace(36, 1, engine, random);
    ASSERT_FALSE(deadHeat.calls.empty());
    EXPECT_EQ(deadHeat.calls.back().tick, 746);
    EXPECT_EQ(deadHeat.calls.back().text, "Dead heat! Nothing between Stormy Secret and Marble Rhapsody!");
    EXPECT_EQ(deadHeat.margins.units[0], 0);
    EXPECT_GT(deadHeat.margins.units[1], 0);

    // Another race of the set says the same things in other words.
    const RaceCallSheet race2 = CallSeededRace(7, 2, engine, random);
    ASSERT_EQ(race2.calls.size(), photo.calls.size());
    EXPECT_EQ(race2.calls[0].text, "The gates open and they're racing!");
    EXPECT_NE(race2.calls.back().text, photo.calls.back().text);
}

TEST(RaceCall, MarginsAreSaidAsACallerSaysThem)
{
    EXPECT_EQ(MarginText(0), "a nose");
    EXPECT_EQ(MarginText(29), "a head");
    EXPECT_EQ(MarginText(30), "a neck");
    EXPECT_EQ(MarginText(124), "a length");
    EXPECT_EQ(MarginText(175), "2 lengths");
    EXPECT_EQ(MarginText(2049), "20 lengths");
    EXPECT_EQ(MarginText(2050), "a distance");
}

// The finish is slowed in its last ticks up to the winner's: always in a
// replay, live only when the first two are within a length.
TEST(RaceCall, SlowMotionCoversTheTicksBeforeTheWinnerCrosses)
{
    RaceCallSheet sheet;
    sheet.winnerTick = 700;
    sheet.margins.units = {kLengthUnits - 1, 40};
    EXPECT_TRUE(CloseFinish(sheet.margins));
    EXPECT_FALSE(SlowMotionTick(sheet, false, 700 - kSlowMotionTicks));
    EXPECT_TRUE(SlowMotionTick(sheet, false, 701 - kSlowMotionTicks));
    EXPECT_TRUE(SlowMotionTick(sheet, false, 700));
    EXPECT_FALSE(SlowMotionTick(sheet, false, 701));

    sheet.margins.units[0] = kLengthUnits;
    EXPECT_FALSE(CloseFinish(sheet.margins));
    EXPECT_FALSE(SlowMotionTick(sheet, false, 690));
    EXPECT_TRUE(SlowMotionTick(sheet, true, 690));
    sheet.winnerTick = -1;
    EXPECT_FALSE(SlowMotionTick(sheet, true, 0)) << "a race nobody finished";
}

} // namespace
} // namespace galloria

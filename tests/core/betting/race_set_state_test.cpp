#include "betting/race_set_state.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

TEST(RaceSetState, ProgramStartsWithNoPlayersAndFullStartBalances)
{
    const RaceSetState state;
    for (const PlayerSlot& player : state.players) {
        EXPECT_FALSE(player.InGame());
        EXPECT_EQ(player.startBalance, 10000);
        EXPECT_EQ(player.balance, 0);
        EXPECT_EQ(player.settledBalance, 0);
    }
    EXPECT_EQ(state.program.runners[9][11], -1);
    EXPECT_EQ(state.pendingViewMode, -1);
}

TEST(RaceSetState, ResetRestoresNamedSlotsAndEmptiesUnnamedOnes)
{
    RaceSetState state;
    state.players[0].name = "Ann";
    state.players[0].startBalance = 7500;
    state.players[0].balance = 120;
    state.players[2].balance = 55; // not in the game
    for (PlayerSlot& player : state.players) {
        player.statistics.betsPlaced[1] = 4;
        player.statistics.racesPlayed = 9;
        player.bets.Add(Bet{.description = "x", .amount = 10, .type = BetType::Win});
        player.balanceAfterRace[3] = 999;
    }
    state.raceCounter = 14;
    state.raceIndex = 4;
    state.program.runnerCount[4] = 8;
    state.program.runners[4][0] = 17;
    state.program.morningLineOdds[4][0] = 3.5;
    state.pools.triactaPool[1][2][3] = 40;
    state.pools.typeTotal[1] = 500;
    state.nextRaceArmed = state.raceRunning = true;
    state.firstTenEligible = true;

    state.ResetRaceSet();

    EXPECT_EQ(state.players[0].balance, 7500);
    EXPECT_EQ(state.players[2].balance, 0) << "an empty seat holds no money";
    for (const PlayerSlot& player : state.players) {
        EXPECT_EQ(player.statistics, BetStatistics{});
        EXPECT_EQ(player.bets.count, 0);
        EXPECT_TRUE(player.bets.slots[0].description.empty());
        EXPECT_EQ(player.balanceAfterRace[3], 999); // kept: only settlement and "Continue Racing" write it
    }
    EXPECT_EQ(state.raceCounter, -1);
    EXPECT_EQ(state.program.morningLineOdds[4][0], 0.0);
    EXPECT_EQ(state.program.runners[4][0], 17); // the field itself is redrawn, not reset
    EXPECT_EQ(state.pools.triactaPool[1][2][3], 0.0);
    EXPECT_EQ(state.pools.typeTotal[1], 0.0);
    EXPECT_FALSE(state.nextRaceArmed);
    EXPECT_FALSE(state.raceRunning);
    EXPECT_TRUE(state.firstTenEligible); // the start command decides it
}

TEST(RaceSetState, FieldSizeAndOddsStayInsideTheArrays)
{
    RaceProgram program;
    program.runnerCount[2] = 7;
    program.runnerCount[3] = 40; // as from a damaged file
    program.runnerCount[4] = -3;
    EXPECT_EQ(program.FieldOdds(2).size(), 7u);
    EXPECT_EQ(program.FieldOdds(2).data(), &program.morningLineOdds[2][0]);
    EXPECT_EQ(program.FieldSize(3), 12);
    EXPECT_EQ(program.FieldSize(4), 0);
    EXPECT_EQ(program.FieldSize(-1), 0);
    EXPECT_TRUE(program.FieldOdds(10).empty());
}

} // namespace
} // namespace galloria

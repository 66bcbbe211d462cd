#include "game/race_set_results_model.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace galloria {
namespace {

using Grid = RaceSetResultsModel;
using Texts = std::vector<std::string>;

// Two players in slots 1 and 3; their balances after the races run so far.
RaceSetState SetAfterThreeRaces()
{
    RaceSetState state;
    const auto seat = [&state](int slot, const char* name, std::array<int, 3> afterRaces) {
        PlayerSlot& player = state.players[slot];
        player.name = name;
        player.startBalance = 10000;
        std::ranges::copy(afterRaces, player.balanceAfterRace);
        player.balance = afterRaces.back();
    };
    seat(0, "Ann", {9500, 12250, 11000});
    seat(2, "Cy", {8000, 0, 0});
    state.players[1].balance = 777; // not in the game: never shown
    state.raceIndex = 2;
    return state;
}

// One slot's column from top to bottom: name, start, the ten races, finish.
Texts Column(const Grid& grid, int slot)
{
    Texts cells;
    for (int row = 0; row < Grid::kRowCount; ++row)
        cells.push_back(grid.Cell(row, slot));
    return cells;
}

const Texts kEmptyColumn(Grid::kRowCount, "");

TEST(RaceSetResultsModel, ASetQuitAfterThreeRaces)
{
    Grid grid;
    grid.Fill(SetAfterThreeRaces(), SetEndReason::Quit);

    EXPECT_FALSE(grid.CanContinue());
    EXPECT_EQ(Column(grid, 0),
              (Texts{"Ann", "10000", "9500", "12250", "11000", "0", "0", "0", "0", "0", "0", "0", "11000"}));
    EXPECT_EQ(Column(grid, 2),
              (Texts{"Cy", "10000", "8000", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(Column(grid, 1), kEmptyColumn);
    EXPECT_EQ(Column(grid, 3), kEmptyColumn);
    EXPECT_EQ(grid.Cell(Grid::kRowCount, 0), "");
    EXPECT_EQ(grid.Cell(0, Grid::kColumnCount), "");
    EXPECT_EQ(grid.Cell(-1, -1), "");
}

TEST(RaceSetResultsModel, ContinuingNeedsTenRacesAndMoney)
{
    RaceSetState state = SetAfterThreeRaces();
    Grid grid;

    grid.Fill(state, SetEndReason::TenRacesRun);
    EXPECT_TRUE(grid.CanContinue());

    grid.Fill(state, SetEndReason::NoMoneyLeft);
    EXPECT_FALSE(grid.CanContinue());

    // Ten races run and every player broke: a new set would have nothing to bet.
    state.players[0].balance = 0;
    grid.Fill(state, SetEndReason::TenRacesRun);
    EXPECT_FALSE(grid.CanContinue());
}

TEST(RaceSetResultsModel, AContinuedSetShowsItsOwnStartAndARefillForgetsTheLast)
{
    RaceSetState state = SetAfterThreeRaces();
    Grid grid;
    grid.Fill(state, SetEndReason::Quit);

    // The second set starts with the first one's finish; Cy has left.
    state.players[0].startBalance = 11000;
    state.players[0].balance = 13400;
    state.players[2].name.clear();
    grid.Fill(state, SetEndReason::TenRacesRun);
    EXPECT_EQ(grid.Cell(Grid::kStartRow, 0), "11000");
    EXPECT_EQ(grid.Cell(Grid::kFinishRow, 0), "13400");
    EXPECT_EQ(Column(grid, 2), kEmptyColumn);
}

TEST(RaceSetResultsModel, LabelsAndTheReasonForTheEnd)
{
    EXPECT_EQ(Grid::RowLabel(Grid::kNameRow), "");
    EXPECT_EQ(Grid::RowLabel(Grid::kStartRow), "Start");
    EXPECT_EQ(Grid::RowLabel(Grid::kFirstRaceRow), "Race 1");
    EXPECT_EQ(Grid::RowLabel(Grid::kFirstRaceRow + 9), "10");
    EXPECT_EQ(Grid::RowLabel(Grid::kFinishRow), "Finish");
    EXPECT_EQ(Grid::ColumnHeading(3), "Player 4");

    EXPECT_EQ(SetEndReasonOf(true, 9), SetEndReason::Quit);
    EXPECT_EQ(SetEndReasonOf(false, 9), SetEndReason::TenRacesRun);
    EXPECT_EQ(SetEndReasonOf(false, 8), SetEndReason::NoMoneyLeft) << "broke in the ninth race";
}

} // namespace
} // namespace galloria

#include "game/race_set_results_model.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

// Two players in slots 1 and 3; Ann's balances after the races run so far.
RaceSetState SetAfterThreeRaces()
{
    RaceSetState state;
    state.players[0].name = "Ann";
    state.players[0].startBalance = 10000;
    state.players[0].balanceAfterRace[0] = 9500;
    state.players[0].balanceAfterRace[1] = 12250;
    state.players[0].balanceAfterRace[2] = 11000;
    state.players[0].balance = 11000;
    state.players[2].name = "Cy";
    state.players[2].startBalance = 10000;
    state.players[2].balanceAfterRace[0] = 8000;
    state.players[2].balanceAfterRace[1] = 0;
    state.players[2].balanceAfterRace[2] = 0;
    state.players[2].balance = 0;
    state.players[1].balance = 777; // not in the game: never shown
    state.raceIndex = 2;
    return state;
}

TEST(RaceSetResultsModel, ASetQuitAfterThreeRaces)
{
    RaceSetResultsModel grid;
    grid.Fill(SetAfterThreeRaces(), SetEndReason::Quit);
    using Grid = RaceSetResultsModel;

    EXPECT_EQ(grid.Title(), "Quiting Race Set.");
    EXPECT_FALSE(grid.CanContinue());
    EXPECT_EQ(grid.Cell(Grid::kNameRow, 0), "Ann");
    EXPECT_EQ(grid.Cell(Grid::kStartRow, 0), "10000");
    EXPECT_EQ(grid.Cell(Grid::kFirstRaceRow, 0), "9500");
    EXPECT_EQ(grid.Cell(Grid::kFirstRaceRow + 1, 0), "12250");
    EXPECT_EQ(grid.Cell(Grid::kFirstRaceRow + 2, 0), "11000");
    for (int race = 3; race < kRacesPerSet; ++race)
        EXPECT_EQ(grid.Cell(Grid::kFirstRaceRow + race, 0), "0") << race;
    EXPECT_EQ(grid.Cell(Grid::kFinishRow, 0), "11000");
    EXPECT_EQ(grid.Cell(Grid::kNameRow, 2), "Cy");
    EXPECT_EQ(grid.Cell(Grid::kFirstRaceRow, 2), "8000");
    EXPECT_EQ(grid.Cell(Grid::kFinishRow, 2), "0");
    for (int row = 0; row < Grid::kRowCount; ++row) {
        EXPECT_EQ(grid.Cell(row, 1), "") << row;
        EXPECT_EQ(grid.Cell(row, 3), "") << row;
    }
    EXPECT_EQ(grid.Cell(Grid::kRowCount, 0), "");
    EXPECT_EQ(grid.Cell(0, Grid::kColumnCount), "");
    EXPECT_EQ(grid.Cell(-1, -1), "");
}

TEST(RaceSetResultsModel, ContinuingNeedsTenRacesAndMoney)
{
    RaceSetState state = SetAfterThreeRaces();
    RaceSetResultsModel grid;

    grid.Fill(state, SetEndReason::TenRacesRun);
    EXPECT_EQ(grid.Title(), "This Is The End Of The 10 Race Set.");
    EXPECT_TRUE(grid.CanContinue());

    grid.Fill(state, SetEndReason::NoMoneyLeft);
    EXPECT_EQ(grid.Title(), "Ending Race Set Early. No Money Left!!");
    EXPECT_FALSE(grid.CanContinue());

    // Ten races run and every player broke: a new set would have nothing to bet.
    state.players[0].balance = 0;
    grid.Fill(state, SetEndReason::TenRacesRun);
    EXPECT_FALSE(grid.CanContinue());
    EXPECT_EQ(grid.Title(), "This Is The End Of The 10 Race Set.");
}

TEST(RaceSetResultsModel, AContinuedSetShowsItsOwnStartAndARefillForgetsTheLast)
{
    RaceSetState state = SetAfterThreeRaces();
    RaceSetResultsModel grid;
    grid.Fill(state, SetEndReason::Quit);

    // The second set starts with the first one's finish; Cy has left.
    state.players[0].startBalance = 11000;
    state.players[0].balance = 13400;
    state.players[2].name.clear();
    grid.Fill(state, SetEndReason::TenRacesRun);
    EXPECT_EQ(grid.Cell(RaceSetResultsModel::kStartRow, 0), "11000");
    EXPECT_EQ(grid.Cell(RaceSetResultsModel::kFinishRow, 0), "13400");
    EXPECT_EQ(grid.Cell(RaceSetResultsModel::kNameRow, 2), "");
    EXPECT_EQ(grid.Cell(RaceSetResultsModel::kFirstRaceRow, 2), "");
    EXPECT_EQ(grid.Cell(RaceSetResultsModel::kFinishRow, 2), "");
}

TEST(RaceSetResultsModel, LabelsAndTheReasonForTheEnd)
{
    using Grid = RaceSetResultsModel;
    EXPECT_EQ(Grid::RowLabel(Grid::kNameRow), "");
    EXPECT_EQ(Grid::RowLabel(Grid::kStartRow), "Start");
    EXPECT_EQ(Grid::RowLabel(Grid::kFirstRaceRow), "Race 1");
    EXPECT_EQ(Grid::RowLabel(Grid::kFirstRaceRow + 9), "10");
    EXPECT_EQ(Grid::RowLabel(Grid::kFinishRow), "Finish");
    EXPECT_EQ(Grid::ColumnHeading(3), "Player 4");

    EXPECT_EQ(SetEndReasonOf(true, 9), SetEndReason::Quit);
    EXPECT_EQ(SetEndReasonOf(false, 9), SetEndReason::TenRacesRun);
    EXPECT_EQ(SetEndReasonOf(false, 4), SetEndReason::NoMoneyLeft);
}

} // namespace
} // namespace galloria

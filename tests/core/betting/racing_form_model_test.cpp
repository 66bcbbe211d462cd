#include "betting/racing_form_model.h"

#include "betting/race_set_state.h"
#include "stable/stable.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace galloria {
namespace {

using Texts = std::vector<std::string>;

// A row's history columns: last finish and purse, best time, firsts, seconds, thirds, earnings.
Texts History(const RacingFormRow& row)
{
    return {row.lastFinish, row.lastPurse, row.bestTime, row.firsts, row.seconds, row.thirds, row.earnings};
}

// A race of the set whose runners are stable horses 0..n-1 in post order, with
// horse statistics set directly (as a load would derive them).
class RacingFormTest : public ::testing::Test {
protected:
    static constexpr int kRace = 2;

    std::unique_ptr<RaceSetState> state = std::make_unique<RaceSetState>();
    std::unique_ptr<Stable> stable = std::make_unique<Stable>();

    void MakeField(int runners)
    {
        state->raceIndex = kRace;
        state->raceCounter = 12;
        state->program.runnerCount[kRace] = runners;
        state->program.purse[kRace] = 25000;
        stable->count = runners;
        for (int k = 0; k < runners; ++k) {
            SetHorseName(stable->records[k], "Horse " + std::to_string(k + 1));
            state->program.runners[kRace][k] = k;
            state->program.morningLineOdds[kRace][k] = 6.0 + k; // post order is odds order by default
            HorseStatistics& s = stable->statistics[k];
            s.bestTime = 400 + k;
            s.lastFinish = 1 + k % 3;
            s.lastPurse = 10000;
        }
    }

    HorseStatistics& Horse(int runner) { return stable->statistics[runner]; }
    double& Odds(int runner) { return state->program.morningLineOdds[kRace][runner]; }

    // The runners of the form's rows, top to bottom, 0-based.
    std::vector<int> Order(SortOrder sort, int tipped = -1) const
    {
        const RacingFormModel form = BuildRacingForm(*state, *stable, sort, tipped);
        std::vector<int> order;
        for (int i = 0; i < form.rowCount; ++i)
            order.push_back(form.rows[i].runner);
        return order;
    }
};

TEST_F(RacingFormTest, HeadingAndRowTextsOfARaceWithHistory)
{
    MakeField(6);
    state->program.runners[kRace][4] = 4;
    SetHorseName(stable->records[4], "Jolly Roger");
    Odds(4) = 5.5;
    HorseStatistics& s = Horse(4);
    s.lastFinish = 3;
    s.lastPurse = 15000;
    s.bestTime = 367;
    s.firsts = 2;
    s.seconds = 11;
    s.thirds = 0;
    s.totalEarnings = 123456;

    const RacingFormModel form = BuildRacingForm(*state, *stable, SortOrder::None, -1);
    EXPECT_EQ((Texts{form.raceTitle, form.purseLabel, form.purse, form.raceNumber}),
              (Texts{"Race 3", "Purse:", "$25000", "No. 13"}));
    ASSERT_EQ(form.rowCount, 6);

    const RacingFormRow& row = form.rows[4];
    EXPECT_EQ(row.runner, 4);
    EXPECT_EQ((Texts{row.post, row.name, row.odds}), (Texts{"5", "Jolly Roger", "9:2"}));
    EXPECT_EQ(History(row), (Texts{"3", "$15000", "1:13.2", "2", "11", "0", "$123456"}));
    EXPECT_EQ(form.Cell(4, FormColumn::LastRace), "3 $15000");
    EXPECT_EQ(form.Cell(6, FormColumn::Post), "");
}

TEST_F(RacingFormTest, AHorseWithoutHistoryShowsNoPlaceAndNoTimeAndARaceOutsideTheSetNoRows)
{
    MakeField(6);
    Horse(2) = HorseStatistics{};
    Horse(2).ratingOdds = 10;
    const RacingFormModel form = BuildRacingForm(*state, *stable, SortOrder::None, -1);
    EXPECT_EQ(History(form.rows[2]), (Texts{"-", "", "-", "0", "0", "0", "$0"}));
    EXPECT_EQ(form.Cell(2, FormColumn::LastRace), "-");

    // A post whose horse is missing from the stable (empty or past its end)
    // still shows its number and odds, as a horse that has never run.
    state->program.runners[kRace][0] = -1;
    state->program.runners[kRace][1] = 1999;
    const RacingFormModel gaps = BuildRacingForm(*state, *stable, SortOrder::Earnings, -1);
    ASSERT_EQ(gaps.rowCount, 6);
    for (int i = 0; i < gaps.rowCount; ++i) {
        const RacingFormRow& r = gaps.rows[i];
        if (r.runner == 0 || r.runner == 1) {
            EXPECT_EQ(r.name, "");
            EXPECT_EQ(r.bestTime, "-");
            EXPECT_EQ(r.earnings, "$0");
            EXPECT_FALSE(r.odds.empty());
        }
    }

    // A race outside the set has no rows at all.
    state->raceIndex = 10;
    state->program.runnerCount[9] = 6; // not to be mistaken for the last race's field
    const RacingFormModel outside = BuildRacingForm(*state, *stable, SortOrder::Odds, 2);
    EXPECT_EQ(outside.rowCount, 0);
    EXPECT_EQ(outside.tippedRow, -1);
    EXPECT_EQ(outside.purse, "$0");
}

TEST_F(RacingFormTest, EachSortOrderPutsTheBestFirst)
{
    MakeField(6);
    const double odds[6] = {7.0, 3.2, 12.0, 2.6, 40.0, 5.0};
    const int times[6] = {420, 401, 415, 433, 399, 410};
    const int record[6][3] = {{0, 0, 1}, {1, 0, 0}, {0, 3, 0}, {0, 1, 0}, {2, 0, 0}, {0, 0, 0}};
    const unsigned earnings[6] = {500, 9000, 0, 30000, 12000, 1000};
    for (int k = 0; k < 6; ++k) {
        Odds(k) = odds[k];
        Horse(k).bestTime = times[k];
        Horse(k).firsts = record[k][0];
        Horse(k).seconds = record[k][1];
        Horse(k).thirds = record[k][2];
        Horse(k).totalEarnings = earnings[k];
    }
    EXPECT_EQ(Order(SortOrder::None), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Order(SortOrder::Odds), (std::vector<int>{3, 1, 5, 0, 2, 4}));
    EXPECT_EQ(Order(SortOrder::BestTime), (std::vector<int>{4, 1, 5, 2, 0, 3}));
    // Records 4 x firsts + 2 x seconds + thirds: 1, 4, 6, 2, 8, 0.
    EXPECT_EQ(Order(SortOrder::Results), (std::vector<int>{4, 2, 1, 3, 0, 5}));
    EXPECT_EQ(Order(SortOrder::Earnings), (std::vector<int>{3, 4, 1, 5, 0, 2}));
    // A stored sort value the game does not know shows post order.
    EXPECT_EQ(Order(static_cast<SortOrder>(9)), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST_F(RacingFormTest, EqualKeysKeepPostOrderAndUntimedHorsesGoLast)
{
    MakeField(6);
    // Odds rank by truncated tenths: 3.01 and 3.09 are alike, 3.05 is ahead of 3.1.
    const double odds[6] = {3.09, 3.1, 3.01, 2.95, 3.05, 2.99};
    for (int k = 0; k < 6; ++k)
        Odds(k) = odds[k];
    EXPECT_EQ(Order(SortOrder::Odds), (std::vector<int>{3, 5, 0, 2, 4, 1}));

    // One first counts as much as two seconds; the later post with the better
    // key moves up, the equal ones behind it stay in post order.
    for (int k = 0; k < 6; ++k)
        Horse(k) = HorseStatistics{.bestTime = 400};
    Horse(0).firsts = 1;
    Horse(1).seconds = 2;
    Horse(2).firsts = 2;
    Horse(4).thirds = 4;
    EXPECT_EQ(Order(SortOrder::Results), (std::vector<int>{2, 0, 1, 4, 3, 5}));
    EXPECT_EQ(Order(SortOrder::BestTime), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Order(SortOrder::Earnings), (std::vector<int>{0, 1, 2, 3, 4, 5}));

    // No best time is held as 0: those horses follow every timed one, in post order.
    const int times[6] = {0, 450, 0, 300, 999, 0};
    for (int k = 0; k < 6; ++k)
        Horse(k).bestTime = times[k];
    EXPECT_EQ(Order(SortOrder::BestTime), (std::vector<int>{3, 1, 4, 0, 2, 5}));
}

TEST_F(RacingFormTest, AFullFieldIsCompactAndEveryRunnerAppearsOnce)
{
    for (int runners : {6, 11, 12}) {
        SCOPED_TRACE(runners);
        MakeField(runners);
        for (int k = 0; k < runners; ++k)
            Odds(k) = 30.0 - (k * 7) % 12; // a shuffled order
        const RacingFormModel form = BuildRacingForm(*state, *stable, SortOrder::Odds, -1);
        ASSERT_EQ(form.rowCount, runners);
        EXPECT_EQ(form.compact, runners == 12);
        EXPECT_EQ(form.columnHeadings, runners != 12);
        std::vector<bool> seen(runners, false);
        for (int i = 0; i < form.rowCount; ++i) {
            const int runner = form.rows[i].runner;
            ASSERT_GE(runner, 0);
            ASSERT_LT(runner, runners);
            EXPECT_FALSE(seen[runner]);
            seen[runner] = true;
            EXPECT_EQ(form.rows[i].post, std::to_string(runner + 1));
            EXPECT_EQ(form.rows[i].name, "Horse " + std::to_string(runner + 1));
        }
    }
}

TEST_F(RacingFormTest, TheTipstersHorseIsMarkedWhereverItIsSorted)
{
    MakeField(12);
    Odds(7) = 2.5; // the shortest: sorted by odds it leads
    RacingFormModel form = BuildRacingForm(*state, *stable, SortOrder::Odds, 7);
    EXPECT_EQ(form.tippedRow, 0);
    EXPECT_EQ(form.rows[0].runner, 7);
    int marked = 0;
    for (int i = 0; i < form.rowCount; ++i)
        marked += form.rows[i].tipped;
    EXPECT_EQ(marked, 1);

    form = BuildRacingForm(*state, *stable, SortOrder::None, 7);
    EXPECT_EQ(form.tippedRow, 7);
    EXPECT_TRUE(form.rows[7].tipped);

    // No tip, or a runner the race does not have: nothing is marked.
    MakeField(6);
    for (int tipped : {-1, 6, 11}) {
        form = BuildRacingForm(*state, *stable, SortOrder::None, tipped);
        EXPECT_EQ(form.tippedRow, -1);
        for (int i = 0; i < form.rowCount; ++i)
            EXPECT_FALSE(form.rows[i].tipped);
    }
}

} // namespace
} // namespace galloria

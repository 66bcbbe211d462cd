#include "halloffame/hall_of_fame_sheet_model.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace galloria {
namespace {

using M = HallOfFameSheetModel;

class HallOfFameSheet : public ::testing::Test {
protected:
    HallOfFameSheet()
    {
        hallOfFame.folder = folder.Path();
        hallOfFame.clock = [] {
            return LocalDateTime{.year = 2026, .month = 12, .day = 7, .hour = 9, .minute = 5};
        };
        set.raceCounter = 9;
        set.firstTenEligible = true;
    }

    void Player(int slot, std::string name, int net)
    {
        set.slots[slot] = {std::move(name), 10000 + net, 10000, 10000 + net};
        set.playerCount = 0;
        for (const SlotResultInput& each : set.slots)
            set.playerCount += each.name.empty() ? 0 : 1;
    }

    void Entry(int row, int list, const char* name, const char* value)
    {
        ScoreEntry& entry = hallOfFame.table[row][list];
        entry.date.Set("1-2-2025");
        entry.name.Set(name);
        entry.value.Set(value);
        entry.races.Set("10");
    }

    testing::TempFolder folder;
    HallOfFame hallOfFame;
    SetResultInput set;
    M model;
};

TEST_F(HallOfFameSheet, TheTabsHeadingsAndColumnsAreInListOrder)
{
    const char* tabs[] = {"Top",      "Win Bets", "Place Bets", "Show Bets", "Across", "Exactas",
                          "Triactas", "Team",     "% Won",      "Day",       "Month",  "Web Ten"};
    for (int page = 0; page < M::kPageCount; ++page) {
        EXPECT_EQ(Tr(M::Page(page).tab), tabs[page]);
        EXPECT_EQ(M::Page(page).racesColumn, page != kTeamList);
        EXPECT_EQ(Tr(M::Page(page).valueTitle), page == kPercentWonList ? "PERCENT" : "MONEY");
    }
    EXPECT_EQ(Tr(M::Page(kAcrossList).heading), "BEST RESULT FROM ACROSS BETS");
    EXPECT_EQ(Tr(M::kTitle), "High Scores");
}

TEST_F(HallOfFameSheet, OpeningWithoutAScoreFileWritesOneAndShowsTwelveVacantPages)
{
    ASSERT_FALSE(std::filesystem::exists(hallOfFame.FilePath()));
    model.Open(hallOfFame);
    EXPECT_TRUE(std::filesystem::exists(hallOfFame.FilePath()));
    EXPECT_EQ(std::filesystem::file_size(hallOfFame.FilePath()), kScoreFileSize);
    for (int page = 0; page < M::kPageCount; ++page) {
        const M::PageRows& rows = model.Rows(page);
        EXPECT_TRUE(rows.selected.empty());
        for (int row = 0; row < kScoreRowCount; ++row) {
            EXPECT_EQ(rows.date[row], "       ~~~~~~");
            EXPECT_EQ(rows.name[row], page == kTeamList ? " ~~~~~~" : "             ~~~~~~");
            EXPECT_EQ(rows.value[row], "          ~~~~~~");
            EXPECT_EQ(rows.races[row], page == kTeamList ? "" : "~~");
        }
    }
}

TEST_F(HallOfFameSheet, APlayerEnteringTopAtRowThreeMarksThatRowOnly)
{
    Entry(0, kTopList, "Old", "9000");
    Entry(1, kTopList, "Ann", "8000"); // Ann's older entry with another value
    Entry(2, kTopList, "Cy", "7000");
    Entry(4, kTopList, "Ann", "6000"); // the same value but an older entry below
    Player(0, "Ann", 6000);
    hallOfFame.RecordEndOfSet(set);
    model.Fill(hallOfFame);
    const M::PageRows& top = model.Rows(kTopList);
    EXPECT_EQ(top.name[3], "    ----> Ann");
    EXPECT_EQ(top.value[3], "          6000");
    EXPECT_EQ(top.date[3], "       12-7-2026");
    EXPECT_EQ(top.races[3], "10");
    EXPECT_EQ(top.name[1], "             Ann");
    EXPECT_EQ(top.name[5], "             Ann") << "the older 6000 moved down a row, unmarked";
    EXPECT_EQ(top.selected, std::vector<int>{3});
    // Day and Month rank the money won too, and mark it.
    EXPECT_EQ(model.Rows(kDayList).selected, std::vector<int>{0});
    EXPECT_EQ(model.Rows(kMonthList).name[0], "    ----> Ann");
    // Lists the player did not enter mark nothing.
    EXPECT_TRUE(model.Rows(kWinBetsList).selected.empty());
}

TEST_F(HallOfFameSheet, NothingIsMarkedBeforeASetEndsAndTwoIdenticalPlayersMarkTwoRows)
{
    Entry(0, kTopList, "Max", "0");
    Entry(1, kTopList, "", "");
    model.Fill(hallOfFame);
    for (int page = 0; page < M::kPageCount; ++page)
        EXPECT_TRUE(model.Rows(page).selected.empty()) << page;

    hallOfFame.table = VacantScoreTable();
    Player(0, "Max", 2500);
    Player(2, "Max", 2500);
    hallOfFame.RecordEndOfSet(set);
    model.Fill(hallOfFame);
    const M::PageRows& top = model.Rows(kTopList);
    EXPECT_EQ(top.selected, (std::vector<int>{0, 1}));
    EXPECT_EQ(top.name[0], "    ----> Max");
    EXPECT_EQ(top.name[1], "    ----> Max");
    EXPECT_EQ(top.name[2], "             ~~~~~~");
}

TEST_F(HallOfFameSheet, TheTeamPageSelectsTheLatestTeamWithoutAnArrow)
{
    Entry(0, kTeamList, "Big Team  ", "9999");
    Player(0, "Ann", 3000);
    Player(1, "Bob", 1000);
    hallOfFame.RecordEndOfSet(set);
    model.Fill(hallOfFame);
    const M::PageRows& team = model.Rows(kTeamList);
    EXPECT_EQ(team.selected, std::vector<int>{1});
    EXPECT_EQ(team.name[1], " Ann Bob  ");
    EXPECT_EQ(team.value[1], "          4000");
    EXPECT_EQ(team.races[1], "");
}

} // namespace
} // namespace galloria

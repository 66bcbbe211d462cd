#include "halloffame/hall_of_fame.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <vector>

namespace galloria {
namespace {

using Texts = std::vector<std::string>;

class HallOfFameUpdate : public ::testing::Test {
protected:
    HallOfFameUpdate()
    {
        hallOfFame.folder = folder.Path();
        hallOfFame.clock = [this] { return moment; };
        set.raceCounter = 9;
        set.firstTenEligible = true;
    }

    // Puts a player into `slot` who started with 10000 and ended with 10000 + net.
    SlotResultInput& Player(int slot, std::string name, int net)
    {
        set.slots[slot] = {std::move(name), 10000 + net, 10000, 10000 + net};
        set.playerCount = 0;
        for (const SlotResultInput& each : set.slots)
            set.playerCount += each.name.empty() ? 0 : 1;
        return set.slots[slot];
    }

    // The values of one list from the top down, up to its first vacant entry.
    Texts Values(int list) const
    {
        Texts values;
        for (const ScoreRow& row : hallOfFame.table) {
            if (row[list].value.View() == kVacantText)
                break;
            values.emplace_back(row[list].value.View());
        }
        return values;
    }

    testing::TempFolder folder;
    LocalDateTime moment{2003, 3, 14, 20, 30};
    HallOfFame hallOfFame;
    SetResultInput set;
};

TEST_F(HallOfFameUpdate, ResultRowHoldsEachListsCandidate)
{
    SlotResultInput& player = Player(1, "Ann", 2500);
    player.settledBalance = 13000;
    player.betsPlaced = {0, 4, 3, 0, 0, 2, 2};
    player.betsWon = {0, 2, 1, 0, 0, 1, 1};
    player.amountBet = {0, 400, 300, 0, 0, 200, 100};
    player.amountWon = {0, 900, 100, 0, 0, 0, 2100};
    set.raceCounter = 14;
    hallOfFame.FillSetResultRow(1, set);

    Texts values;
    for (const ScoreEntry& entry : hallOfFame.results[1])
        values.emplace_back(entry.value.View());
    // 5 of 11 bets won; Web Ten counts the settled balance.
    EXPECT_EQ(values,
              (Texts{"2500", "500", "-200", "0", "0", "-200", "2000", "0", "45.5", "0", "0", "3000"}));
    const ScoreEntry& top = hallOfFame.results[1][kTopList];
    EXPECT_EQ(top.name.View(), "Ann");
    EXPECT_EQ(top.races.View(), "15");
    EXPECT_EQ(hallOfFame.results[1][kDayList].date.View(), "00/00/0000");
    EXPECT_EQ(hallOfFame.results[1][kDayList].name.View(), "empty");

    set.firstTenEligible = false;
    set.raceCounter = 150; // more races than the field shows
    hallOfFame.FillSetResultRow(1, set);
    EXPECT_EQ(hallOfFame.results[1][kWebTenList].value.View(), "0");
    EXPECT_EQ(top.races.View(), "99");
}

TEST_F(HallOfFameUpdate, LossBreakEvenOrAnEmptySlotEnterNoList)
{
    Player(0, "Loser", -300).betsPlaced[1] = 3;
    Player(1, "Even", 0);
    // A slot without a player is skipped even if it was left with figures.
    Player(2, "", 4000).amountWon[1] = 900;
    hallOfFame.RecordEndOfSet(set);
    EXPECT_EQ(hallOfFame.table, VacantScoreTable());
}

TEST_F(HallOfFameUpdate, PercentWonNeedsElevenBetsAndRanksByWholePercent)
{
    SlotResultInput& ten = Player(0, "Ten", 100);
    ten.betsPlaced[1] = 10;
    ten.betsWon[1] = 9;
    hallOfFame.FillSetResultRow(0, set);
    EXPECT_EQ(hallOfFame.results[0][kPercentWonList].value.View(), " 0.0");
    hallOfFame.MergeIntoHallOfFame(0);
    EXPECT_TRUE(Values(kPercentWonList).empty());

    hallOfFame.table[0][kPercentWonList].value.Set("46.0");
    hallOfFame.table[1][kPercentWonList].value.Set("45.9");
    SlotResultInput& eleven = Player(1, "Eleven", 100);
    eleven.betsPlaced = {0, 6, 5, 0, 0, 0, 0};
    eleven.betsWon = {0, 3, 2, 0, 0, 0, 0};
    hallOfFame.FillSetResultRow(1, set);
    hallOfFame.MergeIntoHallOfFame(1);
    // 45.5 counts as 45, equal to the 45.9 already there, so it goes above it.
    EXPECT_EQ(Values(kPercentWonList), (Texts{"46.0", "45.5", "45.9"}));
}

TEST_F(HallOfFameUpdate, EqualResultsPutTheNewestAboveAndDropTheLast)
{
    for (int row = 0; row < kScoreRowCount; ++row) {
        hallOfFame.table[row][kTopList].value.Set(std::to_string(5000 - row * 100));
        hallOfFame.table[row][kTopList].name.Set("Old" + std::to_string(row));
    }
    Player(0, "First", 5000);
    Player(2, "Later", 5000);
    hallOfFame.RecordEndOfSet(set);

    const ScoreTable& table = hallOfFame.table;
    EXPECT_EQ(table[0][kTopList].name.View(), "Later");
    EXPECT_EQ(table[1][kTopList].name.View(), "First");
    EXPECT_EQ(table[2][kTopList].name.View(), "Old0");
    EXPECT_EQ(table[19][kTopList].name.View(), "Old17"); // Old18 and Old19 are gone
    EXPECT_EQ(table[0][kTopList].date.View(), "3-14-2003");
    EXPECT_EQ(table[0][kTeamList].date.View(), "3-14-2003");
    EXPECT_EQ(table[0][kTopList].races.View(), "10");
    EXPECT_EQ(Values(kDayList), (Texts{"5000", "5000"}));
}

TEST_F(HallOfFameUpdate, DayAndMonthListsAge)
{
    Player(0, "Ann", 700);
    hallOfFame.RecordEndOfSet(set); // on 3-14-2003
    moment.hour = 23;               // later the same day: both lists keep their entries
    hallOfFame.RecordEndOfSet(set);
    EXPECT_EQ(Values(kDayList).size(), 2u);

    moment.day = 15; // a new day empties Day before the new result goes in
    hallOfFame.RecordEndOfSet(set);
    EXPECT_EQ(Values(kDayList).size(), 1u);
    EXPECT_EQ(Values(kMonthList).size(), 3u);

    moment = {2004, 3, 2, 10, 0}; // March of the next year: Month stays
    hallOfFame.RecordEndOfSet(set);
    EXPECT_EQ(Values(kMonthList).size(), 4u);

    moment.month = 4; // a new month empties Month
    hallOfFame.RecordEndOfSet(set);
    EXPECT_EQ(Values(kMonthList).size(), 1u);
    EXPECT_EQ(Values(kTopList).size(), 5u); // the other lists never age
}

TEST_F(HallOfFameUpdate, OnlyANewWebTenBestOverTenThousandCallsTheExport)
{
    std::vector<int> exported;
    const auto hook = [&exported](int slot) { exported.push_back(slot); };

    Player(0, "Nearly", 9999);
    hallOfFame.RecordEndOfSet(set, hook);
    EXPECT_EQ(hallOfFame.table[0][kWebTenList].value.View(), "9999");
    EXPECT_TRUE(exported.empty());

    set.slots[0] = {};
    Player(1, "Record", 10000);
    hallOfFame.RecordEndOfSet(set, hook);
    EXPECT_EQ(exported, std::vector<int>{1});

    hallOfFame.table[0][kWebTenList].value.Set("10001");
    hallOfFame.FillSetResultRow(1, set);
    EXPECT_FALSE(hallOfFame.MergeIntoHallOfFame(1));
    EXPECT_EQ(hallOfFame.table[1][kWebTenList].value.View(), "10000");
}

} // namespace
} // namespace galloria

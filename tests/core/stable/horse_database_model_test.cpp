#include "stable/horse_database_model.h"

#include "halloffame/temp_folder.h"
#include "stable/six_horses.h"

#include <gtest/gtest.h>

#include <memory>

namespace galloria {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

class HorseDatabase : public ::testing::Test {
protected:
    void SetUp() override { testing::LoadSixHorses(*stable, folder.Path()); }

    std::vector<std::string> Column(int column) const
    {
        std::vector<std::string> texts;
        for (int row = 0; row < database.RowCount(); ++row)
            texts.push_back(database.Cell(row, column));
        return texts;
    }
    std::vector<std::string> Names() const { return Column(1); }

    testing::TempFolder folder;
    std::unique_ptr<Stable> stable = std::make_unique<Stable>();
    HorseDatabaseModel database{*stable};
};

using Texts = std::vector<std::string>;

TEST(DatabaseSortKey, ReplacesNoTimeAndDollarsAndPadsAllButTheName)
{
    const struct {
        const char* text;
        int column;
        const char* key;
    } cases[] = {
        {"0:0.0", 3, "////2:00.0"},
        {"1:13.2", 3, "////1:13.2"},
        {"$10000", 7, "/////10000"},
        {"$9000", 7, "//////9000"},
        {"12", 0, "////////12"},
        {"Al", 2, "////////Al"},
        {"Al", 1, "Al"},
        {"0:0.0", 1, "2:00.0"},
        {"Longer Than Ten", 2, "Longer Than Ten"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DatabaseSortKey(c.text, c.column), c.key) << c.text << " in column " << c.column;
}

// The questions of a deletion and an entry, word for word, are a
// scenario's (dialogs_stable_questions).
TEST_F(HorseDatabase, ColumnsAndCellsWithAndWithoutOwners)
{
    database.Open(false);
    Texts headings;
    for (const DatabaseColumn& column : database.Columns())
        headings.emplace_back(column.heading.source);
    EXPECT_EQ(headings, (Texts{"No.", "Name", "Best Time", "1st", "2nd", "3rd", "Earning", "Hi Win", "Speed",
                               "Sprint", "Stam", "Spont"}));
    ASSERT_EQ(database.RowCount(), 6);
    EXPECT_EQ(Column(0), (Texts{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(Column(2), (Texts{"1:14.0", "0:0.0", "1:10.2", "0:0.0", "1:20.1", "1:13.0"}));
    EXPECT_EQ(Column(6), (Texts{"$9000", "$0", "$10000", "$0", "$500", "$0"}));
    for (int column = 3; column <= 5; ++column)
        EXPECT_EQ(database.Cell(2, column), column == 4 ? "0" : "1");
    EXPECT_EQ(database.Cell(4, 8), "70");

    WriteBytes(
        folder.Path() / "data" / "relation.txt",
        "                Echo\tOwner One\r\n               Ghost\tNobody\r\n                Echo\tOwner "
        "Two\r\n");
    database.Open(true);
    ASSERT_EQ(database.ColumnCount(), 13);
    EXPECT_STREQ(database.Columns()[2].heading.source, "Owner");
    EXPECT_STREQ(database.Columns()[3].heading.source, "Best Time");
    EXPECT_EQ(Column(2), (Texts{" ", " ", "Owner Two", " ", " ", " "})) << "the last relation counts";
    EXPECT_EQ(ReadBytes(folder.Path() / "data" / "relation.txt"),
              "                Echo\tOwner One\r\n                Echo\tOwner Two\r\n")
        << "the relation of a horse not in the stable is dropped";
}

TEST_F(HorseDatabase, ClicksSortByTheRulesOfEachColumn)
{
    struct Case {
        bool owners;
        int column;
        int clicks;
        Texts names;
    };
    const Case cases[] = {
        // Name: A to Z first, then back.
        {false, 1, 1, {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot"}},
        {false, 1, 2, {"Foxtrot", "Echo", "Delta", "Charlie", "Bravo", "Alpha"}},
        // Best Time without owners: fastest first, no time last.
        {false, 2, 1, {"Echo", "Foxtrot", "Bravo", "Charlie", "Alpha", "Delta"}},
        // With owners Best Time is the fourth column: slowest first, no time first.
        {true, 3, 1, {"Alpha", "Delta", "Charlie", "Bravo", "Foxtrot", "Echo"}},
        // Earning: $10000 above $9000; ties keep their order.
        {false, 6, 1, {"Echo", "Bravo", "Charlie", "Alpha", "Delta", "Foxtrot"}},
        {false, 6, 2, {"Alpha", "Delta", "Foxtrot", "Charlie", "Bravo", "Echo"}},
        // No.: the largest number first.
        {false, 0, 1, {"Foxtrot", "Charlie", "Delta", "Echo", "Alpha", "Bravo"}},
    };
    for (const Case& c : cases) {
        database.sortColumn = -1;
        database.Open(c.owners);
        for (int click = 0; click < c.clicks; ++click)
            database.SortBy(c.column);
        EXPECT_EQ(Names(), c.names) << "column " << c.column << ", " << c.clicks << " click(s)";
    }
}

TEST_F(HorseDatabase, ShorterOwnerNamesSortFirstBecauseTheyArePadded)
{
    WriteBytes(folder.Path() / "data" / "relation.txt",
               "               Alpha\tAmy\r\n               Bravo\tZo\r\n             Charlie\tAaron\r\n");
    database.Open(true);
    database.SortBy(2);
    EXPECT_EQ(Column(2), (Texts{" ", " ", " ", "Zo", "Amy", "Aaron"}));
}

TEST_F(HorseDatabase, SortColumnAndDirectionSurviveReopeningAndDeletion)
{
    database.Open(false);
    database.SortBy(6);
    EXPECT_EQ(database.ArrowColumn(), 6);
    database.Open(false);
    EXPECT_EQ(database.Cell(0, 1), "Bravo") << "a new opening lists the stable in order";
    EXPECT_EQ(database.ArrowColumn(), -1) << "and its heading shows no order";
    database.SortBy(6);
    EXPECT_FALSE(database.sortAscending);
    EXPECT_EQ(Names(), (Texts{"Alpha", "Delta", "Foxtrot", "Charlie", "Bravo", "Echo"}));

    const int rows[] = {5}; // Echo, number 3
    EXPECT_EQ(database.DeleteRows(rows), "");
    EXPECT_EQ(database.ArrowColumn(), -1) << "refilled in stable order";
    database.SortBy(6);
    EXPECT_TRUE(database.sortAscending);
    EXPECT_EQ(Names(), (Texts{"Bravo", "Charlie", "Alpha", "Delta", "Foxtrot"}));
}

TEST_F(HorseDatabase, DeletingSelectedRowsRenumbersTheRestAndDropsTheirRelations)
{
    WriteBytes(folder.Path() / "data" / "relation.txt",
               "               Bravo\tOwner B\r\n             Foxtrot\tOwner F\r\n");
    database.Open(false);
    database.SortBy(1);            // A to Z: Alpha(2) Bravo(1) Charlie(5) Delta(4) Echo(3) Foxtrot(6)
    const int selected[] = {4, 1}; // Echo and Bravo, in the order a table may give them
    EXPECT_EQ(database.NumbersOfRows(selected), (std::vector<int>{1, 3})) << "in list order";

    EXPECT_EQ(database.DeleteRows(selected), "");
    EXPECT_EQ(stable->count, 4);
    EXPECT_EQ(Names(), (Texts{"Alpha", "Delta", "Charlie", "Foxtrot"})) << "refilled in stable order";
    EXPECT_EQ(Column(0), (Texts{"1", "2", "3", "4"}));
    EXPECT_EQ(ReadBytes(stable->StablePath()).size(), 4 * kHorseRecordSize);
    EXPECT_EQ(ReadBytes(stable->BackupPath()), ReadBytes(stable->StablePath()));
    EXPECT_EQ(ReadBytes(folder.Path() / "data" / "relation.txt"), "             Foxtrot\tOwner F\r\n")
        << "dropped even with owners hidden";

    EXPECT_EQ(database.DeleteRows({}), "") << "nothing selected changes nothing";
    EXPECT_EQ(stable->count, 4);
}

TEST_F(HorseDatabase, AStableFileThatCannotBeWrittenDeletesNothingAndSaysSo)
{
    database.Open(false);
    fs::remove(stable->StablePath());
    fs::create_directory(stable->StablePath());
    const int selected[] = {0};
    EXPECT_EQ(database.DeleteRows(selected), kHorsesNotDeletedMessage.source);
    EXPECT_EQ(database.RowCount(), 6);
}

TEST_F(HorseDatabase, EnteringTakesAtMostTwelveInListOrderAndCancelEmptiesTheChoice)
{
    // Twenty horses, so that fifteen can be chosen.
    for (int h = 6; h < 20; ++h) {
        stable->records[h] = HorseRecord{};
        SetHorseName(stable->records[h], "Extra " + std::string(1, static_cast<char>('A' + h)));
        stable->records[h].speed = static_cast<std::uint8_t>(h);
    }
    stable->count = 20;
    database.Open(false);
    database.SortBy(8); // Speed, fastest first
    std::vector<int> rows;
    for (int row = 14; row >= 0; --row)
        rows.push_back(row);
    EXPECT_EQ(database.EnterRows(rows), EnterHorsesQuestion(15));
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(stable->nextRaceSelection[k], database.HorseOfRow(k)) << k;
    EXPECT_EQ(HorseName(stable->records[stable->nextRaceSelection[0]]), "Charlie");

    const int three[] = {7, 2, 5};
    EXPECT_EQ(database.EnterRows(three), EnterHorsesQuestion(3));
    EXPECT_EQ(stable->nextRaceSelection[0], database.HorseOfRow(2));
    EXPECT_EQ(stable->nextRaceSelection[1], database.HorseOfRow(5));
    EXPECT_EQ(stable->nextRaceSelection[2], database.HorseOfRow(7));
    EXPECT_EQ(stable->nextRaceSelection[3], -1);

    database.CancelEntry();
    for (int entry : stable->nextRaceSelection)
        EXPECT_EQ(entry, -1);
}

TEST(HorseFigures, FollowTheHistory)
{
    HorseRecord horse{};
    const std::uint16_t times[] = {0, 999, 1000, 420};
    std::ranges::copy(times, horse.timeHistory);
    const std::uint8_t places[] = {1, 2, 3, 1, 7};
    std::ranges::copy(places, horse.finishHistory);
    const std::uint32_t won[] = {6000, 3000, 1000, 30000};
    std::ranges::copy(won, horse.earningsHistory);
    const HorseFigures figures = FiguresOf(horse);
    EXPECT_EQ(figures.bestTime, 420);
    EXPECT_EQ(figures.firsts, 2);
    EXPECT_EQ(figures.seconds, 1);
    EXPECT_EQ(figures.thirds, 1);
    EXPECT_EQ(figures.totalEarnings, 40000u);
    EXPECT_EQ(figures.hiWin, 30000u);
    EXPECT_EQ(figures.racesRun, 5);
    EXPECT_EQ(FiguresOf(HorseRecord{}).bestTime, 0);
}

} // namespace
} // namespace galloria

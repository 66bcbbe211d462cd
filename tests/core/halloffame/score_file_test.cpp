#include "halloffame/hall_of_fame.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <random>

namespace galloria {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A table whose entries all differ, with names that fill their field.
ScoreTable SampleTable()
{
    ScoreTable table = VacantScoreTable();
    for (int row = 0; row < kScoreRowCount; ++row) {
        for (int list = 0; list < kScoreListCount; ++list) {
            const std::string id = std::to_string(row) + "/" + std::to_string(list);
            ScoreEntry& entry = table[row][list];
            entry.date.Set("12-31-2003");
            entry.name.Set(id + std::string(40, 'x'));
            entry.value.Set("-" + id);
            entry.races.Set(std::to_string(row));
        }
    }
    return table;
}

class ScoreFile : public ::testing::Test {
protected:
    ScoreFile() { hallOfFame.folder = folder.Path(); }

    std::filesystem::path FilePath() const { return folder.Path() / "GXscores.gxs"; }

    TempFolder folder;
    HallOfFame hallOfFame;
};

TEST(StoredTexts, AreCutToTheirFieldsAndReadAsWholeNumbers)
{
    EXPECT_EQ(FixedText<6>("abcdefgh").View(), "abcde");
    EXPECT_EQ(FixedText<6>("abcd\xC3\xA9").View(), "abcd"); // no half of an accented letter
    const char stored[6] = {'~', '~', '\0', 'j', 'u', 'n'};
    FixedText<6> field;
    field.SetFromStoredField(stored);
    EXPECT_EQ(field, FixedText<6>("~~")); // nothing after the NUL is kept

    EXPECT_EQ(LeadingWholeNumber("-250"), -250);
    EXPECT_EQ(LeadingWholeNumber("45.5"), 45);
    EXPECT_EQ(LeadingWholeNumber("~~~~~~"), 0);
    EXPECT_EQ(LeadingWholeNumber("99999999999999"), 2147483647);
    EXPECT_EQ(WholeNumberText(4'000'000'000), "999999999");
    EXPECT_EQ(WholeNumberText(-4'000'000'000), "-99999999");
}

TEST_F(ScoreFile, SaveAndLoadGiveTheSameBytes)
{
    hallOfFame.table = SampleTable();
    ASSERT_TRUE(hallOfFame.Save());
    const std::string bytes = ReadBytes(FilePath());
    ASSERT_EQ(bytes.size(), 15600u);
    // Entry (row 3, list 7) lies at 780 * 3 + 65 * 7: date, name, value, races.
    const std::size_t at = 780 * 3 + 65 * 7;
    EXPECT_EQ(bytes.substr(at, 12), std::string("12-31-2003\0\0", 12));
    EXPECT_EQ(bytes.substr(at + 12, 40), "3/7" + std::string(36, 'x') + '\0');
    EXPECT_EQ(bytes.substr(at + 52, 13), std::string("-3/7\0\0\0\0\0\0"
                                                     "3\0\0",
                                                     13));

    HallOfFame reader;
    reader.folder = folder.Path();
    reader.Load();
    EXPECT_EQ(reader.table, hallOfFame.table);
    ASSERT_TRUE(reader.Save());
    EXPECT_EQ(ReadBytes(FilePath()), bytes);
}

TEST_F(ScoreFile, ResetAndAMissingFileWriteOnlyMarkers)
{
    const std::string vacantEntry = std::string("~~~~~~\0\0\0\0\0\0", 12) + "~~~~~~" + std::string(34, '\0') +
                                    std::string("~~~~~~\0\0\0\0"
                                                "~~\0",
                                                13);
    std::string markers;
    for (int i = 0; i < 240; ++i)
        markers += vacantEntry;

    hallOfFame.Load(); // no file yet
    EXPECT_EQ(ReadBytes(FilePath()), markers);

    hallOfFame.table = SampleTable();
    ASSERT_TRUE(hallOfFame.Save());
    ASSERT_TRUE(hallOfFame.Reset());
    EXPECT_EQ(ReadBytes(FilePath()), markers);
    hallOfFame.table = SampleTable();
    hallOfFame.Load();
    EXPECT_EQ(hallOfFame.table, VacantScoreTable());
}

TEST_F(ScoreFile, ShortOrRandomFilesLoadSafely)
{
    const ScoreTable sample = SampleTable();
    // Row 0 whole, row 1 up to the middle of its third entry.
    WriteBytes(FilePath(), EncodeScoreTable(sample).substr(0, 780 + 2 * 65 + 30));
    hallOfFame.Load();
    EXPECT_EQ(hallOfFame.table[0], sample[0]);
    EXPECT_EQ(hallOfFame.table[1][1], sample[1][1]);
    EXPECT_EQ(hallOfFame.table[1][2], VacantScoreEntry());
    EXPECT_EQ(hallOfFame.table[19][11], VacantScoreEntry());

    std::mt19937 generator(7);
    std::string noise(15700, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(generator());
    WriteBytes(FilePath(), noise);
    hallOfFame.Load();
    for (const ScoreRow& row : hallOfFame.table) {
        for (const ScoreEntry& entry : row)
            ASSERT_LT(entry.name.View().size(), 40u);
    }
    const ScoreTable loaded = hallOfFame.table;
    ASSERT_TRUE(hallOfFame.Save());
    hallOfFame.Load();
    EXPECT_EQ(hallOfFame.table, loaded);
}

TEST_F(ScoreFile, AFailedWriteOrAFolderInTheFilesPlaceKeepsTheLists)
{
    hallOfFame.table = SampleTable();
    ASSERT_TRUE(hallOfFame.Save());
    const std::string before = ReadBytes(FilePath());

    // A folder where the temporary file would go makes every write fail.
    std::filesystem::create_directory(folder.Path() / "GXscores.gxs.tmp");
    hallOfFame.table[0][0].name.Set("Changed");
    const ScoreTable played = hallOfFame.table;
    EXPECT_FALSE(hallOfFame.Save());
    EXPECT_EQ(hallOfFame.table, played);
    EXPECT_EQ(ReadBytes(FilePath()), before);

    // Nor does loading from something not a file forget what was played.
    std::filesystem::remove(FilePath());
    std::filesystem::create_directory(FilePath());
    hallOfFame.Load();
    EXPECT_EQ(hallOfFame.table, played);
    EXPECT_TRUE(std::filesystem::is_directory(FilePath()));
}

TEST_F(ScoreFile, LoadingRemovesTemporaryFilesOfInterruptedSaves)
{
    hallOfFame.table = SampleTable();
    ASSERT_TRUE(hallOfFame.Save());
    testing::WriteBytes(folder.Path() / "GXscores.gxs.tmp", std::string(700, 'x'));
    testing::WriteBytes(folder.Path() / "AutoSaved.gxu.tmp", "1-2-2003\r\n");
    hallOfFame.Load();
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "GXscores.gxs.tmp"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "AutoSaved.gxu.tmp"));
    EXPECT_EQ(hallOfFame.table, SampleTable());
}

TEST(StampDateTime, WritesDateAndTimeWithoutPadding)
{
    HallOfFame hallOfFame;
    for (const auto& [moment, text] : {std::pair{LocalDateTime{2003, 2, 7, 9, 5}, "2-7-2003 9:5"},
                                       std::pair{LocalDateTime{2003, 12, 31, 23, 59}, "12-31-2003 23:59"}}) {
        hallOfFame.clock = [moment] { return moment; };
        hallOfFame.StampDateTime();
        EXPECT_EQ(hallOfFame.today + " " + hallOfFame.now, text);
    }
}

} // namespace
} // namespace galloria

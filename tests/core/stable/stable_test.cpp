#include "stable/stable.h"

#include "base/game_random.h"
#include "halloffame/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace galloria {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;
using Texts = std::vector<std::string>;

// Each test gets a game folder of its own with a data/ folder in it.
class StableFiles : public ::testing::Test {
protected:
    StableFiles()
    {
        fs::create_directories(folder.Path() / "data");
        stable->folder = folder.Path();
        random.Seed(7);
    }

    static HorseRecord Horse(int number)
    {
        HorseRecord horse{};
        SetHorseName(horse, "Horse " + std::to_string(number));
        horse.speed = static_cast<std::uint8_t>(number % 101);
        horse.timeHistory[0] = static_cast<std::uint16_t>(300 + number % 100);
        horse.oddsHistory[0] = 4.0f;
        return horse;
    }

    // A file of `horses` numbered records and `extraBytes` of a cut-off one.
    static std::string FileBytes(int horses, int extraBytes = 0)
    {
        std::string bytes;
        std::uint8_t record[kHorseRecordSize];
        for (int i = 1; i <= horses; ++i) {
            EncodeHorseRecord(Horse(i), record);
            bytes.append(reinterpret_cast<const char*>(record), kHorseRecordSize);
        }
        return bytes + std::string(extraBytes, '\x01');
    }

    // Loads a stable file of `horses` numbered records.
    void LoadHorses(int horses)
    {
        WriteBytes(StableFile(), FileBytes(horses));
        stable->Load(random);
    }

    Texts Names() const
    {
        Texts names;
        for (int i = 0; i < stable->count; ++i)
            names.emplace_back(HorseName(stable->records[i]));
        return names;
    }

    fs::path StableFile() const { return folder.Path() / "data" / "Stable.dat"; }
    fs::path BackupFile() const { return folder.Path() / "data" / "BackUp.dat"; }
    std::size_t StableFileSize() const { return ReadBytes(StableFile()).size(); }

    testing::TempFolder folder;
    std::unique_ptr<Stable> stable = std::make_unique<Stable>();
    GameRandom random;
};

TEST_F(StableFiles, AGoodStableFileIsReadAndCopiedToTheBackup)
{
    WriteBytes(StableFile(), FileBytes(6));
    WriteBytes(BackupFile(), FileBytes(2));
    EXPECT_EQ(stable->Load(random), Stable::LoadResult::FromStable);
    EXPECT_EQ(stable->count, 6);
    EXPECT_FALSE(stable->loadedFromBackup);
    EXPECT_FALSE(stable->backupRefreshPending);
    EXPECT_EQ(HorseName(stable->records[5]), "Horse 6");
    EXPECT_EQ(ReadBytes(BackupFile()), FileBytes(6));
    EXPECT_EQ(ReadBytes(StableFile()), FileBytes(6));
}

TEST_F(StableFiles, AMissingEmptyOrShortStableFileIsRestoredFromTheBackup)
{
    for (const int stableBytes : {-1, 0, 263}) {
        fs::remove(StableFile());
        if (stableBytes >= 0)
            WriteBytes(StableFile(), std::string(static_cast<std::size_t>(stableBytes), '\x01'));
        WriteBytes(BackupFile(), FileBytes(3, 100));
        EXPECT_EQ(stable->Load(random), Stable::LoadResult::FromBackup) << stableBytes;
        EXPECT_EQ(stable->count, 3);
        EXPECT_TRUE(stable->loadedFromBackup);
        EXPECT_EQ(ReadBytes(StableFile()), FileBytes(3)) << stableBytes;
    }
}

TEST_F(StableFiles, AtMost2000HorsesAreLoadedAndTheRefreshWrites2000)
{
    LoadHorses(2000);
    EXPECT_EQ(stable->count, 2000);

    LoadHorses(2001);
    EXPECT_EQ(stable->count, 2000);
    EXPECT_EQ(ReadBytes(BackupFile()), FileBytes(2000));
    EXPECT_EQ(StableFileSize(), 2001 * kHorseRecordSize);
}

TEST_F(StableFiles, AddHorseAppendsOrRefusesWithoutWriting)
{
    LoadHorses(3);
    EXPECT_EQ(stable->AddHorse(std::string(29, 'a'), 50, 60, 70, 80, 0x123456, random), "");
    EXPECT_EQ(stable->count, 4);
    const std::string after = ReadBytes(StableFile());
    ASSERT_EQ(after.size(), 4 * kHorseRecordSize);
    const HorseRecord added =
        DecodeHorseRecord(reinterpret_cast<const std::uint8_t*>(after.data()) + 3 * kHorseRecordSize);
    EXPECT_EQ(HorseName(added), std::string(29, 'a'));
    EXPECT_EQ(added.spontaneity, 80);
    EXPECT_EQ(added.colour, 0x123456u);
    EXPECT_EQ(added.finishHistory[0], 0);

    EXPECT_NE(stable->AddHorse(std::string(30, 'b'), 50, 60, 70, 80, 0, random), "");
    EXPECT_NE(stable->AddHorse("", 50, 60, 70, 80, 0, random), "");
    EXPECT_EQ(stable->count, 4);
    EXPECT_EQ(ReadBytes(StableFile()), after);

    LoadHorses(2000);
    const Stable::AddHorseError full = stable->AddHorse("One Too Many", 50, 60, 70, 80, 0, random);
    EXPECT_NE(full.find("2000"), std::string::npos);
    EXPECT_EQ(stable->count, 2000);
    EXPECT_EQ(StableFileSize(), 2000 * kHorseRecordSize);
}

TEST_F(StableFiles, AddingToAnEmptyStableLoadsItFirst)
{
    WriteBytes(StableFile(), FileBytes(2));
    EXPECT_EQ(stable->AddHorse("Late Entry", 1, 2, 3, 4, 0, random), "");
    EXPECT_EQ(stable->count, 3);
    EXPECT_EQ(HorseName(stable->records[0]), "Horse 1");
    EXPECT_EQ(StableFileSize(), 3 * kHorseRecordSize);
}

TEST_F(StableFiles, AStableEndingInPartOfARecordIsRepairedByTheNextHorseAdded)
{
    // What a short or interrupted append of another program leaves.
    WriteBytes(StableFile(), FileBytes(5, 100));
    stable->Load(random);
    ASSERT_EQ(stable->count, 5);
    ASSERT_EQ(stable->AddHorse("Late Entry", 40, 50, 60, 70, 0xABCDEF, random), "");
    EXPECT_EQ(StableFileSize(), 6 * kHorseRecordSize);

    auto reloaded = std::make_unique<Stable>();
    reloaded->folder = folder.Path();
    reloaded->Load(random);
    ASSERT_EQ(reloaded->count, 6);
    EXPECT_EQ(HorseName(reloaded->records[4]), "Horse 5");
    EXPECT_EQ(HorseName(reloaded->records[5]), "Late Entry");
    EXPECT_EQ(reloaded->records[5].colour, 0xABCDEFu);
    EXPECT_EQ(ReadBytes(BackupFile()), ReadBytes(StableFile())) << "the backup takes no garbage horse";
}

TEST_F(StableFiles, ANameFieldWithoutItsEndIsCutTo29Bytes)
{
    std::string bytes = FileBytes(2);
    std::fill_n(bytes.begin(), 30, 'n');
    std::fill_n(bytes.begin() + kHorseRecordSize, 30, '\x80');
    bytes[kHorseRecordSize] = '\xE2'; // a lead byte and stray continuation bytes
    WriteBytes(StableFile(), bytes);
    stable->Load(random);
    ASSERT_EQ(stable->count, 2);
    EXPECT_EQ(HorseName(stable->records[0]), std::string(29, 'n'));
    EXPECT_EQ(HorseName(stable->records[1]).size(), 29u);
}

TEST_F(StableFiles, AddingToAStableWhoseFileWentMissingKeepsEveryHorse)
{
    LoadHorses(4);
    fs::remove(StableFile());
    ASSERT_EQ(stable->AddHorse("Late Entry", 40, 50, 60, 70, 0, random), "");
    const std::string after = ReadBytes(StableFile());
    ASSERT_EQ(after.size(), 5 * kHorseRecordSize);
    EXPECT_EQ(after.substr(0, 4 * kHorseRecordSize), FileBytes(4));
}

// A short stable file needs the backup; a folder where a file belongs counts
// as a missing file; a backup that is needed and missing ends the game with 33.
TEST_F(StableFiles, ANeededBackupThatIsMissingOrAFolderEndsTheGameWith33)
{
    WriteBytes(StableFile(), std::string(10, '\0'));
    EXPECT_EQ(stable->Load(random), Stable::LoadResult::BackupMissing);
    EXPECT_EQ(stable->count, 0);

    WriteBytes(BackupFile(), FileBytes(3));
    fs::remove(StableFile());
    fs::create_directory(StableFile());
    EXPECT_EQ(stable->Load(random), Stable::LoadResult::FromBackup);
    EXPECT_EQ(stable->count, 3);

    fs::remove(BackupFile());
    fs::create_directory(BackupFile());
    EXPECT_EQ(stable->Load(random), Stable::LoadResult::BackupMissing);
    EXPECT_EQ(stable->count, 0);
    EXPECT_EXIT(stable->LoadOrExit(random), ::testing::ExitedWithCode(33), "");
}

TEST_F(StableFiles, LoadingRemovesTemporaryFilesOfInterruptedSaves)
{
    WriteBytes(StableFile(), FileBytes(3));
    WriteBytes(folder.Path() / "data" / "Stable.dat.tmp", FileBytes(1, 7));
    WriteBytes(folder.Path() / "data" / "BackUp.dat.tmp", "");
    WriteBytes(folder.Path() / "data" / "notes.tmp", "not ours");
    stable->Load(random);
    EXPECT_FALSE(fs::exists(folder.Path() / "data" / "Stable.dat.tmp"));
    EXPECT_FALSE(fs::exists(folder.Path() / "data" / "BackUp.dat.tmp"));
    EXPECT_TRUE(fs::exists(folder.Path() / "data" / "notes.tmp"));
}

TEST(StableStatistics, AreDerivedFromTheTwentyRaceHistory)
{
    auto stable = std::make_unique<Stable>();
    stable->count = 3;
    HorseRecord& raced = stable->records[0];
    const std::uint16_t times[] = {1000, 0, 0, 999, 0, 0, 0, 0}; // 200 seconds or more never count
    std::ranges::copy(times, raced.timeHistory);
    raced.earningsHistory[0] = 6000;
    raced.earningsHistory[19] = 4294967295u;
    const std::uint8_t places[] = {1, 1, 2, 0, 3, 7};
    std::ranges::copy(places, raced.finishHistory);
    const float odds[] = {4.0f, 7.0f, -3.0f}; // only positive odds count
    std::ranges::copy(odds, raced.oddsHistory);
    raced.lastPurse = 12000;
    stable->records[1].timeHistory[0] = 1000;

    GameRandom random;
    random.Seed(3);
    stable->ComputeStatistics(random);
    const HorseStatistics& s = stable->statistics[0];
    EXPECT_EQ(s.bestTime, 999);
    EXPECT_EQ(s.hiWin, 4294967295u);
    EXPECT_EQ(s.totalEarnings, 5999u); // the sum wraps as in 32 bits
    EXPECT_EQ(s.firsts, 2);
    EXPECT_EQ(s.seconds, 1);
    EXPECT_EQ(s.thirds, 1);
    EXPECT_DOUBLE_EQ(s.ratingOdds, 5.5);
    EXPECT_EQ(s.lastFinish, 1);
    EXPECT_EQ(s.lastPurse, 12000);
    EXPECT_EQ(stable->statistics[1].bestTime, 0);
    EXPECT_EQ(stable->statistics[2].bestTime, 0);
}

TEST(StableStatistics, HorsesWithoutHistoryDrawOddsOf9To12)
{
    auto stable = std::make_unique<Stable>();
    stable->count = 200;
    GameRandom random;
    random.Seed(11);
    stable->ComputeStatistics(random);
    std::set<double> odds;
    for (int i = 0; i < stable->count; ++i)
        odds.insert(stable->statistics[i].ratingOdds);
    EXPECT_EQ(odds, (std::set<double>{9, 10, 11, 12}));
}

// What each of the first `horses` of the stable won in its latest race.
std::vector<std::uint32_t> LatestEarnings(const Stable& stable, int horses)
{
    std::vector<std::uint32_t> won;
    for (int i = 0; i < horses; ++i)
        won.push_back(stable.records[i].earningsHistory[0]);
    return won;
}

TEST(StableRaceResult, PurseIsSplitSixtyThirtyTenAndTheHistoryShifts)
{
    auto stable = std::make_unique<Stable>();
    stable->count = 5;
    for (int i = 0; i < 5; ++i) {
        stable->records[i].finishHistory[0] = 9;
        stable->records[i].finishHistory[19] = 8;
        stable->statistics[i].ratingOdds = 9.0;
    }
    const int byPlace[] = {3, 0, 4, 1, 2};
    const int times[] = {360, 361, 365, 70000, 380};
    stable->RecordRaceResult(byPlace, times, 10000);

    EXPECT_EQ(LatestEarnings(*stable, 5), (std::vector<std::uint32_t>{3000, 0, 0, 6000, 1000}));
    for (int place = 0; place < 5; ++place) {
        const HorseRecord& horse = stable->records[byPlace[place]];
        EXPECT_EQ(horse.finishHistory[0], place + 1);
        EXPECT_EQ(horse.finishHistory[1], 9);
        EXPECT_EQ(horse.finishHistory[19], 0); // the twentieth race ago fell out
        EXPECT_EQ(horse.timeHistory[0], times[place] & 0xFFFF);
        EXPECT_EQ(horse.lastPurse, 10000);
    }
    EXPECT_DOUBLE_EQ(stable->statistics[3].ratingOdds, 5.0);
    EXPECT_FLOAT_EQ(stable->records[3].oddsHistory[0], 5.0f);
    EXPECT_DOUBLE_EQ(stable->statistics[0].ratingOdds, 10.0);
    EXPECT_FLOAT_EQ(stable->records[2].oddsHistory[0], 10.0f);

    const int firstThree[] = {0, 1, 2};
    stable->RecordRaceResult(firstThree, times, 9999);
    EXPECT_EQ(LatestEarnings(*stable, 3), (std::vector<std::uint32_t>{5999, 2999, 999}));
    EXPECT_EQ(stable->records[0].earningsHistory[1], 3000u);
    // Every history moved on by one race, in step: the first race's entries
    // are now the second ones.
    const HorseRecord& second = stable->records[0];
    EXPECT_EQ(second.finishHistory[0], 1);
    EXPECT_EQ(second.finishHistory[1], 2);
    EXPECT_EQ(second.timeHistory[0], times[0]);
    EXPECT_EQ(second.timeHistory[1], times[1]);
    EXPECT_FLOAT_EQ(second.oddsHistory[1], 10.0f);
    EXPECT_EQ(second.finishHistory[2], 9);
}

} // namespace
} // namespace galloria

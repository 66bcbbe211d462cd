#include "stable/stable.h"

#include "base/game_random.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>

namespace galloria {
namespace {

namespace fs = std::filesystem;

// Each test gets a game folder of its own with a data/ folder in it.
class StableFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("galloria_stable_" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder / "data");
        stable = std::make_unique<Stable>();
        stable->folder = folder;
        random.Seed(7);
    }
    void TearDown() override { fs::remove_all(folder); }

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

    void Write(const fs::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    static std::string Read(const fs::path& path)
    {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    fs::path StableFile() const { return folder / "data" / "Stable.dat"; }
    fs::path BackupFile() const { return folder / "data" / "BackUp.dat"; }

    fs::path folder;
    std::unique_ptr<Stable> stable;
    GameRandom random;
};

TEST_F(StableFiles, AGoodStableFileIsReadAndCopiedToTheBackup)
{
    Write(StableFile(), FileBytes(6));
    Write(BackupFile(), FileBytes(2));
    EXPECT_EQ(stable->Load(random), Stable::LoadResult::FromStable);
    EXPECT_EQ(stable->count, 6);
    EXPECT_FALSE(stable->loadedFromBackup);
    EXPECT_FALSE(stable->backupRefreshPending);
    EXPECT_EQ(HorseName(stable->records[5]), "Horse 6");
    EXPECT_EQ(Read(BackupFile()), FileBytes(6));
    EXPECT_EQ(Read(StableFile()), FileBytes(6));
}

TEST_F(StableFiles, AMissingEmptyOrShortStableFileIsRestoredFromTheBackup)
{
    for (const int stableBytes : {-1, 0, 263}) {
        fs::remove(StableFile());
        if (stableBytes >= 0)
            Write(StableFile(), std::string(static_cast<std::size_t>(stableBytes), '\x01'));
        Write(BackupFile(), FileBytes(3, 100));
        EXPECT_EQ(stable->Load(random), Stable::LoadResult::FromBackup) << stableBytes;
        EXPECT_EQ(stable->count, 3);
        EXPECT_TRUE(stable->loadedFromBackup);
        EXPECT_EQ(Read(StableFile()), FileBytes(3)) << stableBytes;
    }
}

TEST_F(StableFiles, AtMost2000HorsesAreLoadedAndTheRefreshWrites2000)
{
    Write(StableFile(), FileBytes(2000));
    stable->Load(random);
    EXPECT_EQ(stable->count, 2000);

    Write(StableFile(), FileBytes(2001));
    stable->Load(random);
    EXPECT_EQ(stable->count, 2000);
    EXPECT_EQ(Read(BackupFile()), FileBytes(2000));
    EXPECT_EQ(Read(StableFile()).size(), 2001 * kHorseRecordSize);
}

TEST_F(StableFiles, ABackupThatIsNeededAndMissingEndsTheGameWith33)
{
    EXPECT_EQ(stable->Load(random), Stable::LoadResult::BackupMissing);
    EXPECT_EQ(stable->count, 0);
    Write(StableFile(), std::string(10, '\0'));
    EXPECT_EXIT(stable->LoadOrExit(random), ::testing::ExitedWithCode(33), "");
}

TEST_F(StableFiles, DeletingHorsesClosesUpTheNumbers)
{
    Write(StableFile(), FileBytes(6));
    stable->Load(random);
    const int numbers[] = {2, 5};
    stable->DeleteHorses(numbers, random);
    ASSERT_EQ(stable->count, 4);
    const char* expected[] = {"Horse 1", "Horse 3", "Horse 4", "Horse 6"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(HorseName(stable->records[i]), expected[i]);
    EXPECT_EQ(Read(StableFile()).size(), 4 * kHorseRecordSize);
    EXPECT_EQ(Read(BackupFile()), Read(StableFile()));
}

TEST_F(StableFiles, AddHorseAppendsOrRefusesWithoutWriting)
{
    Write(StableFile(), FileBytes(3));
    stable->Load(random);
    EXPECT_EQ(stable->AddHorse(std::string(29, 'a'), 50, 60, 70, 80, 0x123456, random), "");
    EXPECT_EQ(stable->count, 4);
    const std::string after = Read(StableFile());
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
    EXPECT_EQ(Read(StableFile()), after);

    Write(StableFile(), FileBytes(2000));
    stable->Load(random);
    const Stable::AddHorseError full = stable->AddHorse("One Too Many", 50, 60, 70, 80, 0, random);
    EXPECT_NE(full.find("2000"), std::string::npos);
    EXPECT_EQ(stable->count, 2000);
    EXPECT_EQ(Read(StableFile()).size(), 2000 * kHorseRecordSize);
}

TEST_F(StableFiles, AddingToAnEmptyStableLoadsItFirst)
{
    Write(StableFile(), FileBytes(2));
    EXPECT_EQ(stable->AddHorse("Late Entry", 1, 2, 3, 4, 0, random), "");
    EXPECT_EQ(stable->count, 3);
    EXPECT_EQ(HorseName(stable->records[0]), "Horse 1");
    EXPECT_EQ(Read(StableFile()).size(), 3 * kHorseRecordSize);
}

TEST_F(StableFiles, AStableEndingInPartOfARecordIsRepairedByTheNextHorseAdded)
{
    // What a short or interrupted append of another program leaves.
    Write(StableFile(), FileBytes(5, 100));
    stable->Load(random);
    ASSERT_EQ(stable->count, 5);
    ASSERT_EQ(stable->AddHorse("Late Entry", 40, 50, 60, 70, 0xABCDEF, random), "");
    EXPECT_EQ(Read(StableFile()).size(), 6 * kHorseRecordSize);

    auto reloaded = std::make_unique<Stable>();
    reloaded->folder = folder;
    reloaded->Load(random);
    ASSERT_EQ(reloaded->count, 6);
    EXPECT_EQ(HorseName(reloaded->records[4]), "Horse 5");
    EXPECT_EQ(HorseName(reloaded->records[5]), "Late Entry");
    EXPECT_EQ(reloaded->records[5].colour, 0xABCDEFu);
    EXPECT_EQ(Read(BackupFile()), Read(StableFile())) << "the backup takes no garbage horse";
}

TEST_F(StableFiles, ANameFieldWithoutItsEndIsCutTo29Bytes)
{
    std::string bytes = FileBytes(2);
    std::fill_n(bytes.begin(), 30, 'n');
    std::fill_n(bytes.begin() + kHorseRecordSize, 30, '\x80');
    bytes[kHorseRecordSize] = '\xE2'; // a lead byte and stray continuation bytes
    Write(StableFile(), bytes);
    stable->Load(random);
    ASSERT_EQ(stable->count, 2);
    EXPECT_EQ(HorseName(stable->records[0]), std::string(29, 'n'));
    EXPECT_EQ(HorseName(stable->records[1]).size(), 29u);
}

TEST_F(StableFiles, AddingToAStableWhoseFileWentMissingKeepsEveryHorse)
{
    Write(StableFile(), FileBytes(4));
    stable->Load(random);
    fs::remove(StableFile());
    ASSERT_EQ(stable->AddHorse("Late Entry", 40, 50, 60, 70, 0, random), "");
    const std::string after = Read(StableFile());
    ASSERT_EQ(after.size(), 5 * kHorseRecordSize);
    EXPECT_EQ(after.substr(0, 4 * kHorseRecordSize), FileBytes(4));
}

TEST_F(StableFiles, FoldersWhereTheStableFilesBelongCountAsMissingFiles)
{
    Write(BackupFile(), FileBytes(3));
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
    Write(StableFile(), FileBytes(3));
    Write(folder / "data" / "Stable.dat.tmp", FileBytes(1, 7));
    Write(folder / "data" / "BackUp.dat.tmp", "");
    Write(folder / "data" / "notes.tmp", "not ours");
    stable->Load(random);
    EXPECT_FALSE(fs::exists(folder / "data" / "Stable.dat.tmp"));
    EXPECT_FALSE(fs::exists(folder / "data" / "BackUp.dat.tmp"));
    EXPECT_TRUE(fs::exists(folder / "data" / "notes.tmp"));
}

TEST(StableStatistics, AreDerivedFromTheTwentyRaceHistory)
{
    auto stable = std::make_unique<Stable>();
    stable->count = 3;
    HorseRecord& raced = stable->records[0];
    raced.timeHistory[0] = 1000; // 200 seconds or more never count
    raced.timeHistory[3] = 999;
    raced.timeHistory[7] = 0;
    raced.earningsHistory[0] = 6000;
    raced.earningsHistory[19] = 4294967295u;
    raced.finishHistory[0] = 1;
    raced.finishHistory[1] = 1;
    raced.finishHistory[2] = 2;
    raced.finishHistory[4] = 3;
    raced.finishHistory[5] = 7;
    raced.oddsHistory[0] = 4.0f;
    raced.oddsHistory[1] = 7.0f;
    raced.oddsHistory[2] = -3.0f; // only positive odds count
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

    EXPECT_EQ(stable->records[3].earningsHistory[0], 6000u);
    EXPECT_EQ(stable->records[0].earningsHistory[0], 3000u);
    EXPECT_EQ(stable->records[4].earningsHistory[0], 1000u);
    EXPECT_EQ(stable->records[1].earningsHistory[0], 0u);
    EXPECT_EQ(stable->records[2].earningsHistory[0], 0u);
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
    EXPECT_EQ(stable->records[0].earningsHistory[0], 5999u);
    EXPECT_EQ(stable->records[1].earningsHistory[0], 2999u);
    EXPECT_EQ(stable->records[2].earningsHistory[0], 999u);
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

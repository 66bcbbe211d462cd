#include "reports/results_file.h"

#include "base/settings_store.h"
#include "halloffame/hall_of_fame.h"
#include "reports/results_file_name.h"

#include "../halloffame/temp_folder.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::string StoredSuffix(const SettingsStore& settings)
{
    return settings.GetString("Settings", "Result", "(none)");
}

int FilesIn(const std::filesystem::path& folder)
{
    return static_cast<int>(std::distance(std::filesystem::recursive_directory_iterator(folder),
                                          std::filesystem::recursive_directory_iterator()));
}

TEST(ReportResultsFile, EleventhSetOverwritesResult01)
{
    TempFolder folder;
    MemorySettingsStore settings;
    const char* const names[11] = {"Result01.txt", "Result02.txt", "Result03.txt", "Result04.txt",
                                   "Result05.txt", "Result06.txt", "Result07.txt", "Result08.txt",
                                   "Result09.txt", "Result10.txt", "Result01.txt"};
    for (int set = 0; set < 11; ++set) {
        const std::string date = "12-" + std::to_string(set + 1) + "-2026";
        const ResultsFileStart start = StartResultsFile(folder.Path(), settings, date, "9:5");
        EXPECT_TRUE(start.written);
        EXPECT_EQ(start.path, folder.Path() / names[set]);
        if (set == 9) {
            EXPECT_EQ(StoredSuffix(settings), "01"); // after "10" the cycle starts again
        }
    }
    EXPECT_EQ(StoredSuffix(settings), "02");
    EXPECT_EQ(FilesIn(folder.Path()), 10);
    EXPECT_EQ(ReadBytes(folder.Path() / "Result01.txt"),
              "Race Day: 12-11-2026    9:5\r\n\r\n" + std::string(94, '_') + "\r\n\r\n");
    EXPECT_EQ(ReadBytes(folder.Path() / "Result02.txt"), ResultsFileHeading("12-2-2026", "9:5"));
}

TEST(ReportResultsFile, DamagedStoredSuffixRestartsTheCycle)
{
    for (const char* bad : {"", "7", "00", "11", "1a", "/../../x"}) {
        TempFolder folder;
        MemorySettingsStore settings;
        settings.SetString("Settings", "Result", bad);
        const ResultsFileStart start = StartResultsFile(folder.Path() / "game", settings, "1-1-2027", "0:0");
        EXPECT_TRUE(start.written) << '"' << bad << '"';
        EXPECT_EQ(start.path, folder.Path() / "game" / "Result01.txt");
        EXPECT_EQ(StoredSuffix(settings), "02");
        EXPECT_EQ(FilesIn(folder.Path()), 2); // the folder and its one file, nothing elsewhere
    }
}

TEST(ReportResultsFile, FileThatCannotBeMadeKeepsTheSuffix)
{
    TempFolder folder;
    const std::filesystem::path notAFolder = folder.Path() / "plain";
    testing::WriteBytes(notAFolder, "keep");
    MemorySettingsStore settings;
    settings.SetString("Settings", "Result", "10");

    const ResultsFileStart start = StartResultsFile(notAFolder, settings, "1-1-2027", "0:0");
    EXPECT_FALSE(start.written);
    EXPECT_EQ(start.path, notAFolder / "Result10.txt");
    EXPECT_EQ(StoredSuffix(settings), "10");
    EXPECT_EQ(ReadBytes(notAFolder), "keep");
}

TEST(ReportResultsFile, StampsTheHallOfFamesDateFirst)
{
    TempFolder folder;
    MemorySettingsStore settings;
    HallOfFame hallOfFame;
    hallOfFame.today = "1-1-1999"; // stale
    hallOfFame.clock = [] {
        return LocalDateTime{.year = 2026, .month = 12, .day = 7, .hour = 9, .minute = 5};
    };
    const ResultsFileStart start = StartResultsFile(folder.Path(), settings, hallOfFame);
    EXPECT_EQ(ReadBytes(start.path), ResultsFileHeading("12-7-2026", "9:5"));
    EXPECT_EQ(hallOfFame.today, "12-7-2026");
}

TEST(ReportResultsFile, AppendingKeepsWhatIsThereAndNeverHarmsIt)
{
    TempFolder folder;
    const std::filesystem::path path = folder.Path() / "Result03.txt";
    ASSERT_TRUE(AppendToReportFile(path, "first\r\n")); // a missing file is made
    ASSERT_TRUE(AppendToReportFile(path, "second\r\n"));
    EXPECT_EQ(ReadBytes(path), "first\r\nsecond\r\n");
    EXPECT_EQ(FilesIn(folder.Path()), 1); // no temporary file left behind

    EXPECT_FALSE(AppendToReportFile({}, "lost"));
    const std::filesystem::path folderInTheWay = folder.Path() / "Result04.txt";
    std::filesystem::create_directories(folderInTheWay / "inside");
    EXPECT_FALSE(AppendToReportFile(folderInTheWay, "x"));
    EXPECT_TRUE(std::filesystem::is_directory(folderInTheWay / "inside"));

    // A file far larger than any set's races is not read whole to be copied.
    const std::filesystem::path huge = folder.Path() / "Result05.txt";
    const std::string bytes(kLargestReportFile + 1, 'x');
    WriteBytes(huge, bytes);
    EXPECT_FALSE(AppendToReportFile(huge, "more"));
    EXPECT_EQ(std::filesystem::file_size(huge), bytes.size());
}

} // namespace
} // namespace galloria

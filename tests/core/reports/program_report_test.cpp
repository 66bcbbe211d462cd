#include "reports/program_report.h"

#include "betting/race_set_state.h"
#include "report_test_stable.h"

#include "../halloffame/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace galloria {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class ReportProgram : public ::testing::Test {
protected:
    ReportProgram()
    {
        for (int race = 0; race < kRacesPerSet; ++race) {
            program.runnerCount[race] = 6;
            for (int k = 0; k < 6; ++k) {
                program.runners[race][k] = 5 - k; // post 1 runs horse 5: posts are not stable indices
                program.morningLineOdds[race][k] = 4.0;
            }
        }
    }

    // Race `race` (0-based): its title, header and runner lines, up to its separator.
    std::vector<std::string> RaceLines(int race) const
    {
        const std::vector<std::string> lines = testing::ReportLines(ProgramReportText(program, *stable));
        auto first = std::find(lines.begin(), lines.end(), "Race No. " + std::to_string(race + 1));
        return {first, std::find(first, lines.end(), std::string(94, '_'))};
    }

    std::unique_ptr<Stable> stable =
        testing::StableWithHorses({"Amber Road", "Big Blue", "Copper Kettle", "Dawn Patrol", "Evening Star",
                                   "Abcdefghijklmnopqrstuvwxyzabc"});
    RaceProgram program;
};

TEST_F(ReportProgram, SixRunnersGiveSixLinesWithTheirFigures)
{
    HorseStatistics& figures = stable->statistics[3];
    figures = {.bestTime = 367,
               .totalEarnings = 4000000000u,
               .firsts = 3,
               .seconds = 1,
               .thirds = 4,
               .lastFinish = 2,
               .lastPurse = 15000};
    stable->statistics[4].bestTime = 49; // under a minute the seconds still take two digits
    program.runners[5][5] = -1;          // a damaged post keeps its line, blank
    program.runnerCount[9] = 12;

    const std::vector<std::string> race = RaceLines(5);
    ASSERT_EQ(race.size(), 8u);
    EXPECT_EQ(race[1], "No. Name\t\t\t Odds\t Last\tPurse\tTime\t First Second  Third\tEarning");
    EXPECT_EQ(race[2], " 1 Abcdefghijklmnopqrstuvwxyzabc 3:1\t 0\t$0\t0:00.0\t  0\t0\t0\t$0");
    EXPECT_EQ(race[3], " 2 Evening Star                  3:1\t 0\t$0\t0:09.4\t  0\t0\t0\t$0");
    EXPECT_EQ(race[4], " 3 Dawn Patrol                   3:1\t 2\t$15000\t1:13.2\t  3\t1\t4\t$4000000000");
    EXPECT_EQ(race[7], " 6                               3:1\t 0\t$0\t0:00.0\t  0\t0\t0\t$0");

    const std::vector<std::string> twelve = RaceLines(9);
    ASSERT_EQ(twelve.size(), 14u);
    EXPECT_EQ(twelve[13].substr(0, 36), "12                               8:5");

    const std::string text = ProgramReportText(program, *stable);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));
    EXPECT_EQ(std::count(text.begin(), text.end(), '_'), 94 * kRacesPerSet);
    EXPECT_EQ(text.substr(text.size() - 98), std::string(94, '_') + "\r\n\r\n");
}

TEST_F(ReportProgram, OddsAreWrittenAsFractions)
{
    const double odds[6] = {5.75, 6.0, 2.7, 5.76, 12.3, 2.9};
    const char* const texts[6] = {"9:2\t ", "5:1\t ", "8:5\t ", "5:1\t ", "11:1\t ", "9:5\t "};
    std::copy(odds, odds + 6, program.morningLineOdds[0]);
    const std::vector<std::string> race = RaceLines(0);
    ASSERT_EQ(race.size(), 8u);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(race[2 + k].substr(33, std::string(texts[k]).size()), texts[k]) << "odds " << odds[k];
}

TEST_F(ReportProgram, FileIsReplacedWholeOrLeftAlone)
{
    testing::TempFolder folder;
    WriteBytes(folder.Path() / "Program.txt", std::string(100000, 'x')); // an older, longer file
    ASSERT_TRUE(WriteProgramReport(folder.Path(), program, *stable));
    EXPECT_EQ(ReadBytes(folder.Path() / "Program.txt"), ProgramReportText(program, *stable));

    const std::filesystem::path notAFolder = folder.Path() / "plain";
    WriteBytes(notAFolder, "keep");
    EXPECT_FALSE(WriteProgramReport(notAFolder, program, *stable));
    EXPECT_EQ(ReadBytes(notAFolder), "keep");
}

} // namespace
} // namespace galloria

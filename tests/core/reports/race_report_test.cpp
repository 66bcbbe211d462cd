#include "reports/race_report.h"

#include "../betting/bet_helpers.h"
#include "base/settings_store.h"
#include "betting/race_set_state.h"
#include "report_test_stable.h"
#include "reports/results_file.h"

#include "../halloffame/temp_folder.h"

#include <gtest/gtest.h>

#include <array>

namespace galloria {
namespace {

using testing::SettledBet;

// Race 3 of a set with six runners; post k runs stable horse 5 - k, so a mix-up
// of runner and stable index shows the wrong names. Runner 3 won from 0 and 5.
class ReportRace : public ::testing::Test {
protected:
    ReportRace()
    {
        state.raceIndex = 2;
        state.program.runnerCount[2] = 6;
        for (int k = 0; k < 6; ++k)
            state.program.runners[2][k] = 5 - k;
        state.payouts = {.winPay = 12.4,
                         .placePayFirst = 5.0,
                         .showPayFirst = 3.2,
                         .placePaySecond = 7.4,
                         .showPaySecond = 4.6,
                         .showPayThird = 3.8,
                         .exactaPay = 80.2,
                         .triactaPay = 410.6};
    }

    std::string Report() const { return RaceReportText(state, *stable, {order, times}); }

    std::unique_ptr<Stable> stable = testing::StableWithHorses(
        {"Amber Road", "Big Blue", "Copper Kettle", "Dawn Patrol", "Evening Star", "Fiddler's Green"});
    RaceSetState state;
    std::array<int, 12> order = {3, 0, 5, 1, 4, 2, 20, 20, 20, 20, 20, 20}; // 20: no runner
    std::array<int, 12> times = {322, 330, 347, 318, 335, 325};
};

TEST_F(ReportRace, SmallReportByteForByte)
{
    PlayerSlot& ann = state.players[0];
    ann.name = "Ann";
    ann.bets.Add(SettledBet(BetType::Win, 10, 62, 3));
    ann.bets.Add(SettledBet(BetType::Exacta, 20, 150, 3, 0, 0, true));
    ann.bets.Add(SettledBet(BetType::Triacta, 6, 33, 3, 0, HorseAll));
    ann.bets.Add(SettledBet(BetType::Across, 30, 0, 2));
    ann.bets.Add(SettledBet(BetType::Place, 7, 26, 0));
    ann.bets.Add(SettledBet(BetType::Exacta, 4, 0, 1, HorseLong));
    state.players[1].bets.Add(SettledBet(BetType::Win, 99, 0, 1)); // no name: not in the game
    state.players[2].name = "Bob";                                 // in the game without a bet

    const std::string expected =
        "Race 3\r\n"
        "\r\n"
        "    No.               Name    Time           Win   Place    Show\r\n"
        " 1   4       Copper Kettle   1:03.3\t   12.40    5.00    3.20\r\n"
        " 2   1     Fiddler's Green   1:04.2\t            7.40    4.60\r\n"
        " 3   6          Amber Road   1:05.0\t                    3.80\r\n"
        " 4   2        Evening Star   1:06.0\t\r\n"
        " 5   5            Big Blue   1:07.0\t\r\n"
        " 6   3         Dawn Patrol   1:09.2\t\r\n"
        "\r\n"
        "\r\n"
        "Name            Bet     Type          Horse1  Horse2  Horse3    Winning\r\n"
        "Ann                           \r\n"
        "\t\t10\twin    \t   \t4\t\t\t62\r\n"
        "\t\t20\texacta \t  b\t4\t1\t\t150\r\n"
        "\t\t6\ttriacta\t   \t4\t1\tAll\t33\r\n"
        "\t\t30\tacross \t   \t3\t\t\t0\r\n"
        "\t\t7\tplace  \t   \t1\t\t\t26\r\n"
        "\t\t4\texacta \t   \t2\tLong\t\t0\r\n"
        "\t\t77\t\t\t\t\t\t271\r\n"
        "\r\n"
        "Bob                           \r\n"
        "\t\t0\t\t\t\t\t\t0\r\n"
        "\r\n"
        "______________________________________________________________________________________________\r\n"
        "\r\n";
    EXPECT_EQ(Report(), expected);
}

TEST_F(ReportRace, PlacesWithoutARunnerOfTheFieldAreLeftOut)
{
    state.program.runnerCount[2] = 8;
    state.program.runners[2][6] = -1; // posts whose stable index names no horse
    state.program.runners[2][7] = 77;
    order = {6, 3, 40, 0, 7, -2, 5, 20, 1, 2, 4, 11};
    times[6] = 300;
    times[7] = 360;
    const std::vector<std::string> lines = testing::ReportLines(Report());
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[3], " 1   7                       1:00.0\t   12.40    5.00    3.20");
    EXPECT_EQ(lines[4], " 2   4       Copper Kettle   1:03.3\t            7.40    4.60");
    EXPECT_EQ(lines[5], " 4   1     Fiddler's Green   1:04.2\t"); // third place not taken: no show price
    EXPECT_EQ(lines[6], " 5   8                       1:12.0\t");
    EXPECT_EQ(lines[7], " 7   6          Amber Road   1:05.0\t");
    EXPECT_EQ(lines[8], ""); // the eighth place holds no runner
}

TEST_F(ReportRace, RacesAreAddedUnderTheHeading)
{
    testing::TempFolder folder;
    MemorySettingsStore settings;
    state.players[0].name = "Ann";
    const ResultsFileStart start = StartResultsFile(folder.Path(), settings, "12-7-2026", "1:05");
    const std::string first = Report();
    ASSERT_TRUE(AppendRaceReport(start.path, state, *stable, {order, times}));
    state.raceIndex = 3;
    state.program.runnerCount[3] = 6;
    const std::string second = Report();
    ASSERT_TRUE(AppendRaceReport(start.path, state, *stable, {order, times}));

    EXPECT_EQ(second.substr(0, 8), "Race 4\r\n");
    EXPECT_EQ(testing::ReadBytes(start.path), ResultsFileHeading("12-7-2026", "1:05") + first + second);
}

} // namespace
} // namespace galloria

// galloria-sim play: what a script that cannot be understood, a failed
// expectation and a refused command do; the game's flows themselves are
// tested by the scenarios in tests/scenarios.
#include "sim_run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace galloria::sim {
namespace {

namespace fs = std::filesystem;

class GalloriaSimPlay : public ::testing::Test {
protected:
    void TearDown() override { fs::remove_all(folder_); }

    // Runs the script in the kept game folder with the extra words.
    SimRun Play(const std::string& script, std::vector<std::string> extra = {})
    {
        fs::create_directories(folder_);
        const fs::path file = folder_ / "script.play";
        std::ofstream(file) << script;
        std::vector<std::string> words = {"play",     file.string(),
                                          "--dir",    (folder_ / "game").string(),
                                          "--stable", GALLORIA_STARTING_STABLE};
        words.insert(words.end(), extra.begin(), extra.end());
        return Sim(words);
    }

    // A folder of the test's own, so tests run side by side never share a game.
    const fs::path folder_ =
        fs::temp_directory_path() /
        ("galloria_sim_play_test_" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
};

TEST_F(GalloriaSimPlay, AScriptThatCannotBeUnderstoodRunsNothingAndNamesItsLine)
{
    for (const char* bad :
         {"bet Ann 10 exacta 1", "jump", "expect phase asleep", "options Speed=11", "expect message \"open",
          "menu Save a.gxu b.gxu", "expect setting Colour 3", "expect shown ghosts 1"}) {
        const SimRun run =
            Play("seed 1\nnames Ann\nmenu StartNewRaceSet # begins\n" + std::string(bad) + "\n");
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_NE(run.err.find("line 4: expected"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << bad;
    }
}

TEST_F(GalloriaSimPlay, AFailedExpectationNamesItsLineAndBothValuesAndTheRestStillRuns)
{
    const SimRun run = Play("expect phase betting\nexpect horses 400\nexpect horses 7\nprint\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("FAILED line 1: expected betting, got none\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("FAILED line 3: expected 7, got 400\n"), std::string::npos);
    EXPECT_EQ(run.out.find("FAILED line 2"), std::string::npos);
    EXPECT_NE(run.out.find("4: print\n  set race 1, phase none\n2 expectation(s) failed\n"),
              std::string::npos);
}

TEST_F(GalloriaSimPlay, CommandsTheWindowRefusesAreRefusedWithItsReasonAndTheSettingsFileKeepsTheOptions)
{
    const std::string settings = (folder_ / "settings.ini").string();
    const SimRun run =
        Play("seed 3\nbet Ann 10 win 1\nrace\nnames \" \"\nanswer cancel\nmenu StartNewRaceSet\n"
             "options Speed=9 Owner=0\nexpect phase none\n",
             {"--settings", settings});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("2: bet Ann 10 win 1\n  refused: no betting window now\n"), std::string::npos);
    EXPECT_NE(run.out.find("3: race\n  refused: the menu item is greyed\n"), std::string::npos);
    EXPECT_NE(run.out.find("  message (retry-cancel) \""), std::string::npos) << run.out;
    std::ifstream ini(settings);
    const std::string text((std::istreambuf_iterator<char>(ini)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("[Settings]\n"), std::string::npos);
    EXPECT_NE(text.find("\nSpeed=9\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nOwner=0\n"), std::string::npos) << text;
}

} // namespace
} // namespace galloria::sim

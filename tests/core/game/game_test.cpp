#include "game/game.h"

#include "game/game_in_folder.h"
#include "game/race_payout_board.h"
#include "game/unfinished_game_file.h"
#include "stable/owners.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

namespace galloria {
namespace {

namespace fs = std::filesystem;
using testing::BuyWin;

std::vector<std::string> FileLines(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

int Count(const std::vector<std::string>& texts, std::string_view text)
{
    return static_cast<int>(std::ranges::count(texts, std::string(text)));
}

using Texts = std::vector<std::string>;

class GameSet : public ::testing::Test, public testing::GameInFolder {};

TEST_F(GameSet, OnePlayerWithoutBetsRunsTenRacesAndKeepsTheMoney)
{
    StartSet({"Ann"});
    ASSERT_EQ(game->menus.Phase(), GamePhase::Betting);
    EXPECT_EQ(game->state.playerCount, 1);
    EXPECT_EQ(game->state.players[0].balance, 10000);

    for (int race = 0; race < 10; ++race) {
        EXPECT_EQ(game->state.raceIndex, race);
        game->RaceOrNextRace();
        EXPECT_TRUE(game->state.nextRaceArmed);
        EXPECT_EQ(game->menus.Phase(), GamePhase::Result);
        game->RaceOrNextRace();
    }
    const std::string noBets = "No bets have been taken!\nDo you want to go on\nto the race?";
    EXPECT_EQ(Count(host.messages, noBets), 10);
    EXPECT_EQ(host.setTitles, Texts{"This Is The End Of The 10 Race Set."});
    EXPECT_EQ(game->setResults.Cell(RaceSetResultsModel::kStartRow, 0), "10000");
    EXPECT_EQ(game->setResults.Cell(RaceSetResultsModel::kFinishRow, 0), "10000");
    EXPECT_EQ(host.notices.size(), 1u) << "the tenth-race notice, once";
    EXPECT_EQ(game->menus.Phase(), GamePhase::NoSet) << "Don't Continue This Game";
    ASSERT_GE(host.titles.size(), 3u);
    EXPECT_EQ(host.titles.front(), "Galloria") << "no set runs at the first update";
    EXPECT_EQ(host.titles[1],
              "Galloria v1.5   -   RACE 1   -   Purse $" + std::to_string(game->state.program.purse[0]));
    EXPECT_EQ(host.titles.back(), "Galloria") << "the plain title once the game is not continued";
    EXPECT_TRUE(fs::exists(folder.Path() / "Program.txt"));
    EXPECT_TRUE(fs::exists(folder.Path() / "Result01.txt"));
    EXPECT_TRUE(fs::exists(folder.Path() / "GXscores.gxs"));
}

TEST_F(GameSet, CancellingTheNoBetsQuestionKeepsTheBettingOpen)
{
    StartSet({"Ann"});
    host.answers.push_back(MessageAnswer::Cancel);
    game->RaceOrNextRace();
    EXPECT_FALSE(game->state.nextRaceArmed);
    EXPECT_EQ(game->menus.Phase(), GamePhase::Betting);
}

TEST_F(GameSet, QuittingWithBetsBoughtGivesTheMoneyBackBeforeTheResults)
{
    host.bettor = [](BettingWindowModel& window) { BuyWin(window, 0, 700, 0); };
    StartSet({"Ann", "Bob"});
    EXPECT_EQ(game->state.players[0].balance, 9300);

    host.answers.push_back(MessageAnswer::No); // end the set, no hall of fame
    game->QuitRaceSet();
    EXPECT_EQ(host.setTitles, Texts{"Quiting Race Set."});
    EXPECT_EQ(game->setResults.Cell(RaceSetResultsModel::kFinishRow, 0), "10000");
    EXPECT_EQ(game->setResults.Cell(RaceSetResultsModel::kFinishRow, 1), "10000");
}

TEST_F(GameSet, TheMenusFollowTheRaceAndTheRacingFormLeadsBackToTheResults)
{
    StartSet({"Ann"});
    EXPECT_TRUE(game->menus.IsItemEnabled(MenuCommand::BettingWindow));
    EXPECT_FALSE(game->menus.IsItemEnabled(MenuCommand::StartNewRaceSet));
    game->RaceOrNextRace();
    EXPECT_EQ(game->menus.RaceText(), kNextRaceText);
    EXPECT_FALSE(game->menus.IsItemEnabled(MenuCommand::FinishResults));
    game->ShowRacingForm();
    EXPECT_TRUE(game->menus.IsItemEnabled(MenuCommand::FinishResults));
    EXPECT_FALSE(game->menus.IsItemEnabled(MenuCommand::TrackRacingForm));
    game->FinishResults();
    EXPECT_FALSE(game->menus.IsItemEnabled(MenuCommand::FinishResults));
    EXPECT_TRUE(game->state.nextRaceArmed) << "the results again, still ready for the next race";
}

TEST_F(GameSet, OptionsAreKeptWhenSavedAndTheResetEmptiesTheHallOfFameEitherWay)
{
    GameSettings quiet = game->settings;
    quiet.soundSetting = 1;
    quiet.animationSpeed = 9;
    host.options = {.saved = quiet, .resetRequested = false};
    game->GameOptions();
    EXPECT_FALSE(game->sounds.Enabled()) << "silent at once";
    EXPECT_EQ(LoadSettings(store).animationSpeed, 9);

    game->hallOfFame.table[0][kTopList].name.Set("Ann");
    game->hallOfFame.table[0][kTopList].value.Set("5000");
    host.options = {.saved = std::nullopt, .resetRequested = true}; // reset, then Cancel
    game->GameOptions();
    EXPECT_EQ(game->hallOfFame.table, VacantScoreTable());
    EXPECT_EQ(LoadSettings(store).animationSpeed, 9) << "Cancel keeps the settings";
}

TEST_F(GameSet, QuittingGivesBackExactlyTheStakesOfTheRaceNotRun)
{
    host.bettor = [this](BettingWindowModel& window) {
        BuyWin(window, 0, 300 + 100 * game->state.raceIndex, 0);
        BuyWin(window, 0, 50, 1);
    };
    StartSet({"Ann"});
    RunAndMoveOn(3);
    ASSERT_EQ(game->state.raceIndex, 3);
    const int afterThirdRace = game->state.players[0].balanceAfterRace[2];
    ASSERT_EQ(game->state.players[0].balance, afterThirdRace - 600 - 50)
        << "the fourth race's stakes are out";

    host.answers.push_back(MessageAnswer::Yes);
    game->QuitRaceSet();
    ASSERT_EQ(host.setTitles.size(), 1u);
    EXPECT_EQ(game->setResults.Cell(RaceSetResultsModel::kFinishRow, 0), std::to_string(afterThirdRace));
}

TEST_F(GameSet, ThePayoutBoardListsTheFinishersWithTheirOwnersWhenOwnershipIsOn)
{
    StartSet({"Ann"});
    game->RaceOrNextRace();
    PayoutBoardView board = RacePayoutBoard(*game);
    ASSERT_EQ(static_cast<int>(board.rows.size()), game->CurrentFieldSize());
    for (int place = 0; place < game->CurrentFieldSize(); ++place)
        EXPECT_EQ(board.rows[place].name, game->RunnerName(game->engine.finishOrder[place])) << place;
    EXPECT_EQ(board.rows[0].owner, "");

    // The next race's runners all belong to Lee; the board shows it once
    // ownership is on.
    game->RaceOrNextRace();
    game->settings.ownershipSetting = 0;
    OwnerBook book;
    book.folder = folder.Path();
    for (int runner = 0; runner < game->CurrentFieldSize(); ++runner)
        book.AddRelation(game->RunnerName(runner), "Lee");
    ASSERT_TRUE(book.WriteRelations());
    game->RaceOrNextRace();
    board = RacePayoutBoard(*game);
    ASSERT_FALSE(board.rows.empty());
    EXPECT_EQ(board.rows[0].owner, "Lee");
    EXPECT_EQ(board.rows.back().owner, "Lee");
}

TEST_F(GameSet, CancellingTheQuitQuestionChangesNothing)
{
    StartSet({"Ann"});
    host.answers.push_back(MessageAnswer::Cancel);
    game->QuitRaceSet();
    EXPECT_TRUE(host.setTitles.empty());
    EXPECT_EQ(game->menus.Phase(), GamePhase::Betting);
    EXPECT_EQ(game->state.raceIndex, 0);
}

TEST_F(GameSet, ContinueRacingStartsTheNextSetFromTheBalancesReached)
{
    host.continueSets = 1;
    host.bettor = [this](BettingWindowModel& window) {
        if (game->state.raceIndex == 2)
            BuyWin(window, 0, 1000, 0);
    };
    StartSet({"Ann"});
    RunAndMoveOn(10);
    ASSERT_EQ(host.setTitles.size(), 1u);
    const int reached = std::stoi(game->setResults.Cell(RaceSetResultsModel::kFinishRow, 0));
    EXPECT_NE(reached, 10000) << "the Win of race 3 was settled";
    EXPECT_EQ(game->state.raceCounter, 10);
    EXPECT_EQ(game->state.raceIndex, 0);
    EXPECT_EQ(game->state.players[0].startBalance, reached);
    EXPECT_EQ(game->state.players[0].balance, reached);
    EXPECT_EQ(game->state.players[0].balanceAfterRace[2], 0);
    EXPECT_EQ(game->menus.Phase(), GamePhase::Betting);
    EXPECT_EQ(game->state.players[0].statistics.betsPlaced[1], 1) << "the record runs on";
}

// The runner that will win the race about to be run: the same race run on
// copies of the game's engine and generator.
int ComingWinner(const Game& game)
{
    CRaceEngine engine = game.engine;
    GameRandom random = game.random;
    game.LoadCurrentField(engine);
    engine.StartRace(random);
    while (!engine.raceOver)
        engine.AdvanceTick(random);
    return engine.finishOrder[0];
}

TEST_F(GameSet, ASetEndsEarlyWhenAllTheMoneyIsGone)
{
    // Everything on a runner that is known to lose, race after race.
    int racesBet = 0;
    host.bettor = [&](BettingWindowModel& window) {
        const int loser = ComingWinner(*game) == 0 ? 1 : 0;
        if (BuyWin(window, 0, game->state.players[0].balance, loser))
            ++racesBet;
    };
    StartSet({"Ann"});
    RunAndMoveOn();
    EXPECT_EQ(host.setTitles, Texts{"Ending Race Set Early. No Money Left!!"});
    EXPECT_EQ(game->setResults.Cell(RaceSetResultsModel::kFinishRow, 0), "0");
    EXPECT_EQ(racesBet, 1);
}

TEST_F(GameSet, AWinOnTheComingWinnerIsPaidAndOneOnALoserIsNot)
{
    const int before = 10000;
    host.bettor = [&](BettingWindowModel& window) {
        if (game->state.raceIndex > 0)
            return;
        ASSERT_EQ(game->state.players[0].balance, before);
        const int winner = ComingWinner(*game);
        BuyWin(window, 0, 100, winner);
        BuyWin(window, 0, 100, (winner + 2) % game->CurrentFieldSize());
    };
    StartSet({"Ann"});
    RunAndMoveOn();
    // This set's first winner is no favourite: its ticket brings back more than both stakes.
    EXPECT_GT(game->state.players[0].balanceAfterRace[0], before);
}

TEST_F(GameSet, SavedGamesNameTheRaceToResumeAndOpenIntoIt)
{
    StartSet({"Ann", "", "Cy"});
    RunAndMoveOn(3);
    ASSERT_EQ(game->state.raceIndex, 3);

    const fs::path betting = folder.Path() / "betting.gxu";
    host.saveFile = betting;
    game->SaveUnfinishedGame();
    EXPECT_EQ(FileLines(betting).at(1), "3\r");

    game->RaceOrNextRace();
    const fs::path settled = folder.Path() / "settled.gxu";
    host.saveFile = settled;
    game->SaveUnfinishedGame();
    EXPECT_EQ(FileLines(settled).at(1), "4\r");
    EXPECT_EQ(FileLines(folder.Path() / "AutoSaved.gxu"), FileLines(settled)) << "saved after every race";

    for (const auto& [file, race] : {std::pair{betting, 3}, std::pair{settled, 4}}) {
        host.openFile = file;
        game->OpenUnfinishedGame();
        EXPECT_EQ(game->state.raceIndex, race);
        EXPECT_EQ(game->menus.Phase(), GamePhase::Betting);
        EXPECT_EQ(game->state.playerCount, 2);
        EXPECT_EQ(game->state.players[2].name, "Cy");
        EXPECT_FALSE(game->state.firstTenEligible);
        EXPECT_GE(game->CurrentFieldSize(), 6);
    }
}

TEST_F(GameSet, OpeningAGameSavedAfterTheTenthRaceEndsTheSetWithItsBalances)
{
    StartSet({"Ann"});
    RunAndMoveOn(9);
    game->RaceOrNextRace(); // the tenth race: saved automatically after it
    const auto saved = FileLines(folder.Path() / "AutoSaved.gxu");
    ASSERT_EQ(saved.at(1), "10\r");

    // A later session: the balance in the file is what the set ends with.
    std::vector<std::string> edited = saved;
    edited[4] = "12345 10000 \r";
    {
        std::ofstream out(folder.Path() / "AutoSaved.gxu", std::ios::binary);
        for (const std::string& line : edited)
            out << line << '\n';
    }
    MakeGame();
    game->ContinueLastSet();
    EXPECT_EQ(host.setTitles, Texts{"This Is The End Of The 10 Race Set."});
    EXPECT_EQ(game->setResults.Cell(RaceSetResultsModel::kFinishRow, 0), "12345");
}

TEST_F(GameSet, ARefusedNameSendsThePlayersBackWithWhatTheyTyped)
{
    host.answers.push_back(MessageAnswer::Ok); // Retry
    StartSet({"Ann", "   ", "Cy", ""});
    ASSERT_EQ(host.namesShown.size(), 2u);
    EXPECT_EQ(host.namesShown[1], (std::array<std::string, 4>{"Ann", "   ", "Cy", ""}));
    EXPECT_EQ(game->menus.Phase(), GamePhase::NoSet) << "refused again, then Cancel";
}

TEST_F(GameSet, NamesWithBlanksAndTheWordNoneSurviveASaveAndOpen)
{
    StartSet({"Ann Lee", "none", "", "100%"});
    ASSERT_EQ(game->state.playerCount, 3);
    const fs::path saved = folder.Path() / "names.gxu";
    host.saveFile = saved;
    game->SaveUnfinishedGame();

    MakeGame();
    host.openFile = saved;
    game->OpenUnfinishedGame();
    EXPECT_EQ(game->state.playerCount, 3);
    const std::string names[] = {"Ann Lee", "none", "", "100%"};
    for (int p = 0; p < kPlayerSlots; ++p)
        EXPECT_EQ(game->state.players[p].name, names[p]);
}

TEST_F(GameSet, ContinueLastSetWithoutAFileDoesNothing)
{
    game->ContinueLastSet();
    EXPECT_EQ(game->menus.Phase(), GamePhase::NoSet);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(GameSet, HorsesChosenInTheDatabaseRunInTheNextRace)
{
    StartSet({"Ann"});
    EXPECT_FALSE(game->state.firstTenEligible) << "odds accuracy below 3";
    const int chosen[] = {11, 22, 33, 44, 55, 66, 77};
    std::ranges::copy(chosen, game->stable.nextRaceSelection);
    RunAndMoveOn();
    ASSERT_EQ(game->CurrentFieldSize(), 7);
    std::set<int> field;
    for (int post = 0; post < 7; ++post) {
        EXPECT_EQ(game->state.program.runners[1][post], chosen[post]);
        field.insert(game->state.program.runners[1][post]);
    }
    EXPECT_EQ(field.size(), 7u);
    EXPECT_EQ(game->stable.nextRaceSelection[0], -1) << "the selection is used up";
    double inverseSum = 0;
    for (double odds : game->state.program.FieldOdds(1))
        inverseSum += 1.0 / odds;
    EXPECT_LE(inverseSum, 1.0 + 1e-9) << "odds made for the new field";
}

TEST_F(GameSet, WithSoundOffNothingReachesTheSoundSink)
{
    store.SetInt("Settings", "SoundOn", 1);
    host.sounds.clear();
    MakeGame();
    host.bettor = [](BettingWindowModel& window) { BuyWin(window, 0, 10, 1); };
    StartSet({"Ann"});
    RunAndMoveOn();
    EXPECT_TRUE(host.sounds.empty());
}

TEST_F(GameSet, ASoundedSetPlaysTheStartTheProgramAndTheWindow)
{
    host.bettor = [](BettingWindowModel& window) { BuyWin(window, 0, 10, 1); };
    StartSet({"Ann"});
    for (const char* sound :
         {"once Sounds/gxstart.wav", "once Sounds/gxprogram.wav", "once Sounds/gxcancel.wav"})
        EXPECT_GT(Count(host.sounds, sound), 0) << sound;
    game->RaceOrNextRace();
    EXPECT_GT(Count(host.sounds, "once Sounds/gxneigh.wav"), 0);
    EXPECT_EQ(Count(host.sounds, "once Sounds/gxcheer.wav"), 0) << "no cheer for a race not shown";
}

TEST_F(GameSet, AShownRaceCheersOnceAndACancelledPauseFinishesItUnshown)
{
    store.SetInt("Settings", "View", 0); // Whole Race
    MakeGame();
    host.animate = [this] {
        while (game->AdvanceRaceFrame()) {
        }
    };
    StartSet({"Ann"});
    host.sounds.clear();
    game->RaceOrNextRace();
    EXPECT_EQ(Count(host.sounds, "once Sounds/gxcheer.wav"), 1);
    EXPECT_EQ(host.photosCaptured, 3) << "one capture per finisher of the first three";
    EXPECT_EQ(game->settings.viewRaceMode, ViewRaceMode::WholeRace);

    // Paused a third of the way and cancelled: the rest is run undisplayed,
    // the results are as usual, and the view setting comes back.
    game->RaceOrNextRace();
    host.animate = [this] {
        while (game->engine.leaderPosition < 3000 && game->AdvanceRaceFrame()) {
        }
        host.answers.push_back(MessageAnswer::Cancel);
        game->PauseRace();
        EXPECT_EQ(game->settings.viewRaceMode, ViewRaceMode::None);
        EXPECT_FALSE(game->AdvanceRaceFrame()) << "nothing more is shown";
        // The gallop begun after the box, as a start held at the gate does.
        game->sounds.Play(SoundEffect::Run);
    };
    host.sounds.clear();
    game->RaceOrNextRace();
    EXPECT_TRUE(game->engine.raceOver);
    EXPECT_TRUE(game->state.nextRaceArmed);
    EXPECT_EQ(game->settings.viewRaceMode, ViewRaceMode::WholeRace);
    EXPECT_EQ(game->state.pendingViewMode, -1);
    EXPECT_EQ(Count(host.sounds, "once Sounds/gxcheer.wav"), 0) << "the leader passed 9500 unshown";
    const auto lastGallop =
        std::ranges::find(host.sounds.rbegin(), host.sounds.rend(), "loop Sounds/gxrun.wav");
    ASSERT_NE(lastGallop, host.sounds.rend());
    EXPECT_NE(std::find(lastGallop.base(), host.sounds.end(), "stop"), host.sounds.end())
        << "the gallop is stopped";
}

TEST_F(GameSet, ATooSmallStableIsRefusedBeforeTheNames)
{
    Stable small;
    small.folder = folder.Path();
    ASSERT_TRUE(ReadStableFile(folder.Path() / "data" / "Stable.dat", small).ok());
    WriteStableFile(folder.Path() / "data" / "Stable.dat", std::span(small.records, 100));
    StartSet({"Ann"});
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find("100"), std::string::npos);
    EXPECT_EQ(game->menus.Phase(), GamePhase::NoSet);
    EXPECT_EQ(game->state.playerCount, 0);
}

TEST_F(GameSet, ABlankNameSendsThePlayersBackOrCancelsTheSet)
{
    host.answers.push_back(MessageAnswer::Cancel);
    StartSet({"   "});
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rfind("Names can't be all blank characters.", 0), 0u);
    EXPECT_EQ(game->menus.Phase(), GamePhase::NoSet);
}

// Bets on the favourite until a bet has won, then quits with `answer`;
// returns the player's entries in the hall of fame.
int EntriesAfterAWinAndAQuit(Game& game, HeadlessHost& host, MessageAnswer answer)
{
    host.bettor = [&game](BettingWindowModel& window) {
        const auto odds = game.state.program.FieldOdds(game.state.raceIndex);
        BuyWin(window, 0, 100, static_cast<int>(std::ranges::min_element(odds) - odds.begin()));
    };
    host.playerNames = {"Ann"};
    game.StartNewRaceSet();
    for (int race = 0; race < 9 && game.state.players[0].statistics.betsWon[1] == 0; ++race) {
        game.RaceOrNextRace();
        if (game.state.players[0].statistics.betsWon[1] == 0)
            game.RaceOrNextRace();
    }
    EXPECT_GT(game.state.players[0].statistics.betsWon[1], 0) << "the favourite won a race";
    host.answers.push_back(answer);
    game.QuitRaceSet();
    EXPECT_EQ(host.setTitles.back(), "Quiting Race Set.");
    int entries = 0;
    for (const ScoreRow& row : game.hallOfFame.table)
        for (const ScoreEntry& entry : row)
            entries += entry.name.View() == "Ann";
    return entries;
}

TEST_F(GameSet, QuitWithYesEntersTheSetInTheHallOfFameOnce)
{
    const int entries = EntriesAfterAWinAndAQuit(*game, host, MessageAnswer::Yes);
    EXPECT_GT(entries, 0);
    EXPECT_LE(entries, 12) << "one entry per list at most";
}

TEST_F(GameSet, QuitWithNoLeavesTheSetOutOfTheHallOfFame)
{
    EXPECT_EQ(EntriesAfterAWinAndAQuit(*game, host, MessageAnswer::No), 0);
}

} // namespace
} // namespace galloria

// The set lifecycle: from the names to the program, the step to each next
// race, and the end of a set with its hall of fame.
#include "game/game.h"

#include "base/screen_text.h"
#include "base/settings_store.h"
#include "betting/odds.h"
#include "game/entered_sets.h"
#include "game/race_program_draw.h"
#include "halloffame/high_score_export.h"
#include "race/race_run.h"
#include "reports/program_report.h"
#include "reports/results_file.h"

#include <algorithm>
#include <utility>

namespace galloria {

namespace {

constexpr ScreenText kQuitQuestion = SCREEN_TEXT(
    "Game",
    "Select YES if you want your results to\nbe added to the Hall of Fame.\n\nSelect NO to just end the race "
    "set.\nSelect CANCEL to return to the game.\n");
constexpr int kHighScoreNoticeAmount = 40000;

// The race within the set for a running race number; 0 before the first race.
int RaceIndexOf(int raceCounter)
{
    return raceCounter < 0 ? 0 : raceCounter % kRacesPerSet;
}

SetResultInput SetResultInputOf(const RaceSetState& state)
{
    SetResultInput input;
    for (int p = 0; p < kPlayerSlots; ++p) {
        const PlayerSlot& player = state.players[p];
        SlotResultInput& slot = input.slots[p];
        slot.name = player.name;
        slot.balance = player.balance;
        slot.startBalance = player.startBalance;
        slot.settledBalance = player.settledBalance;
        for (int t = 0; t < kBetTypeCount; ++t) {
            slot.betsPlaced[t] = player.statistics.betsPlaced[t];
            slot.betsWon[t] = player.statistics.betsWon[t];
            slot.amountBet[t] = player.statistics.amountBet[t];
            slot.amountWon[t] = player.statistics.amountWon[t];
        }
    }
    input.raceCounter = state.raceCounter;
    input.firstTenEligible = state.firstTenEligible;
    input.playerCount = state.playerCount;
    return input;
}

// The money of the players in the game; an empty seat counts for nothing.
long long MoneyInGame(const RaceSetState& state)
{
    long long money = 0;
    for (const PlayerSlot& player : state.players) {
        if (player.InGame())
            money += player.balance;
    }
    return money;
}

// The high-score export reaches the player through the game's host and sounds.
class ExportHost final : public HighScoreExportHost {
public:
    ExportHost(Game& game, GameHost& host) : game_(game), host_(host) {}

    void PlaySound(SoundEffect sound) override { game_.sounds.Play(sound); }
    std::optional<PersonalDetails> AskPersonalDetails(const PersonalDetails& stored) override
    {
        return host_.AskPersonalDetails(stored);
    }
    void ShowHighScoreNotice(const std::array<std::string, 4>& lines) override
    {
        const std::string_view views[] = {lines[0], lines[1], lines[2], lines[3]};
        game_.sounds.Play(SoundEffect::Tada);
        game_.sounds.Play(SoundEffect::Pop);
        host_.ShowNotice(views, true, kHighScoreNoticeAmount);
    }
    void ShowExportFailed(const std::string& message) override
    {
        host_.ShowMessage(message, MessageKind::Information);
    }

private:
    Game& game_;
    GameHost& host_;
};

} // namespace

void Game::StartNewRaceSet()
{
    host_.Repaint();
    stable.folder = folder;
    stable.LoadOrExit(random);
    if (const std::string tooSmall = StableTooSmallMessage(stable.count); !tooSmall.empty()) {
        Message(tooSmall, MessageKind::Information);
        return;
    }

    PlayerNamesAnswer answer;
    // A refused name sends the players back with what they typed.
    names.Open(settings.playerNames);
    for (;;) {
        state.ResetRaceSet();
        sounds.Play(SoundEffect::Pop);
        if (!host_.AskPlayerNames(names)) {
            host_.Repaint();
            return;
        }
        answer = names.Play();
        if (answer.Accepted())
            break;
        if (host_.ShowMessage(answer.refusal, MessageKind::RetryCancel) == MessageAnswer::Cancel) {
            sounds.Play(SoundEffect::Neigh);
            return;
        }
    }

    settings.playerNames = names.Texts();
    SaveSettings(settings, store_, SettingsGroup::Names);
    if (answer.playerCount == 0) {
        host_.Repaint();
        return;
    }
    for (int p = 0; p < kPlayerSlots; ++p)
        state.players[p].name = answer.names[p];
    state.playerCount = answer.playerCount;
    state.ResetRaceSet();
    state.firstTenEligible = true;
    hallOfFameAtSetEnd_ = true;
    AdvanceToNextRace();
}

// A new program for the set, and the set's two reports begun.
void Game::BeginProgram()
{
    replays.Clear(); // a new set: the last one's races are not replayed
    state.raceSettled = false;
    stable.folder = folder;
    stable.LoadOrExit(random);
    DrawRaceProgram(state.program, stable, random);
    WriteProgramReport(folder, state.program, stable);
    resultsFile = StartResultsFile(folder, store_, hallOfFame).path;
}

void Game::AdvanceToNextRace()
{
    if (state.raceRunning)
        return;
    random.Seed(SeedFromClock());
    ++state.raceCounter;
    state.raceIndex = RaceIndexOf(state.raceCounter);
    const bool money = MoneyInGame(state) != 0;
    // An opened game has its program drawn, at the first race of a set too.
    const bool openedProgram = std::exchange(openedGameProgramDrawn_, false);

    const bool withinSet = (state.raceIndex != 0 || openedProgram) && money && !state.quitRequested;
    const bool firstRace =
        !openedProgram && state.raceIndex == 0 && state.raceCounter == 0 && money && !state.quitRequested;
    if (firstRace) {
        if (stable.count < kHorsesNeededForASet) {
            // Checked when the set was begun; a stable changed since cannot
            // give the set its fields.
            Message(StableTooSmallMessage(stable.count), MessageKind::Information);
            state.raceCounter = -1;
            EnterPhase(GamePhase::NoSet);
            return;
        }
        BeginProgram();
    } else if (!withinSet) {
        EndSet();
        return;
    }
    EnterRaceSelection();
}

// From the draw of the stride phases to the open betting window.
void Game::EnterRaceSelection()
{
    state.raceSettled = false;
    engine.fieldSize = std::max(1, CurrentFieldSize());
    DrawGaitPhases(engine, random);
    std::copy(engine.gaitPhase, engine.gaitPhase + kMaxFieldSize, state.gaitPhase);

    PrepareRace();

    state.oddsSimulationRuns = settings.OddsSimulationRuns();
    if (state.oddsSimulationRuns > 0)
        RunRace();
    state.oddsSimulationRuns = 0;
    if (settings.oddsAccuracy < kMaxOddsAccuracy)
        state.firstTenEligible = false;

    SeedPools(state.pools, state.program.FieldOdds(state.raceIndex), random);
    OpenBettingState();
}

void Game::QuitRaceSet()
{
    const MessageAnswer answer = host_.ShowMessage(Tr(kQuitQuestion), MessageKind::YesNoCancel);
    if (answer == MessageAnswer::Cancel)
        return;
    // The end of the set enters it in the hall of fame, once, after the
    // money of bets for a race not run has gone back.
    hallOfFameAtSetEnd_ = answer == MessageAnswer::Yes;
    state.quitRequested = true;
    AdvanceToNextRace();
}

void Game::EndSet()
{
    StopRunnerChance();
    --state.raceCounter;
    state.raceIndex = RaceIndexOf(state.raceCounter);
    if (!state.raceSettled) {
        // The race was never run: the money of its bets goes back, and the
        // bets with it, so no bet is left whose stake was not paid.
        for (PlayerSlot& player : state.players) {
            if (player.InGame())
                player.balance =
                    state.raceIndex == 0 ? player.startBalance : player.balanceAfterRace[state.raceIndex - 1];
            player.bets.Clear();
        }
    }

    const SetEndReason reason = SetEndReasonOf(state.quitRequested, state.raceIndex);
    state.quitRequested = false;
    setResults.Fill(state, reason);
    const bool continueRacing = host_.ShowRaceSetResults(setResults) && setResults.CanContinue();

    // A set is entered once: a saved game of a set already entered (the
    // automatic save after its last race, opened again) only shows its results.
    const std::string fingerprint = SetEndFingerprint(state);
    if (hallOfFameAtSetEnd_ && !SetAlreadyEntered(store_, fingerprint)) {
        RecordSetInHallOfFame();
        RememberEnteredSet(store_, fingerprint);
    }
    hallOfFameAtSetEnd_ = true;
    stable.Save();

    // A stable pruned too far to give the next set its fields refuses
    // "Continue Racing" as it refuses a new set, and this set ends.
    const std::string tooSmall = continueRacing ? StableTooSmallMessage(stable.count) : std::string();
    if (!tooSmall.empty())
        Message(tooSmall, MessageKind::Information);
    if (!continueRacing || !tooSmall.empty()) {
        FirstUpdate();
        return;
    }
    for (PlayerSlot& player : state.players) {
        player.startBalance = player.balance;
        std::ranges::fill(player.balanceAfterRace, 0);
    }
    ++state.raceCounter;
    state.raceIndex = RaceIndexOf(state.raceCounter);
    BeginProgram();
    EnterRaceSelection();
}

void Game::RecordSetInHallOfFame()
{
    hallOfFame.folder = folder;
    hallOfFame.StampDateTime();
    const SetResultInput input = SetResultInputOf(state);
    ExportHost exportHost(*this, host_);
    HighScoreExport exporter(store_, random, exportHost);
    exporter.folder = folder;
    exporter.clockSeed = [this] { return SeedFromClock(); };
    hallOfFame.RecordEndOfSet(input, exporter.HookFor(input, hallOfFame));
}

} // namespace galloria

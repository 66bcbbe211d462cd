#include "game/game.h"

#include "base/settings_store.h"
#include "betting/odds.h"
#include "betting/odds_simulation.h"
#include "betting/payouts.h"
#include "betting/pool_book.h"
#include "betting/settlement.h"
#include "game/race_program_draw.h"
#include "game/tipster.h"
#include "game/unfinished_game_file.h"
#include "halloffame/high_score_export.h"
#include "race/race_run.h"
#include "reports/program_report.h"
#include "reports/race_report.h"
#include "reports/results_file.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace galloria {

namespace {

constexpr std::string_view kNoBetsQuestion = "No bets have been taken!\nDo you want to go on\nto the race?";
constexpr std::string_view kPauseQuestion = "GAME PAUSED\nClick Ok To Resume or\nCancel To End Race";
constexpr std::string_view kQuitQuestion =
    "Select YES if you want your results to\nbe added to the Hall of Fame.\n\nSelect NO to just end the race "
    "set.\nSelect CANCEL to return to the game.\n";
constexpr std::string_view kTenthRaceNotice[] = {"End of the 10th race. Review the",
                                                 "results and then click NEXT RACE",
                                                 "to see the final results for", "this race set."};
constexpr std::string_view kProposedSaveName = "Saved Game";
// The notices' amounts, which set how many medals they show.
constexpr int kTenthRaceNoticeAmount = 10000;
constexpr int kHighScoreNoticeAmount = 40000;

// The cheer goes up once, as the leader comes into the last stretch.
constexpr int kCheerPosition = 9500;
// Home Stretch shows the race from here on.
constexpr int kHomeStretchFrom = 7000;

// The race within the set for a running race number; 0 before the first race.
int RaceIndexOf(int raceCounter)
{
    return raceCounter < 0 ? 0 : raceCounter % kRacesPerSet;
}

std::uint32_t TimeOfDaySeed()
{
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(duration_cast<seconds>(now).count() % 86400);
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

long long MoneyInGame(const RaceSetState& state)
{
    long long money = 0;
    for (const PlayerSlot& player : state.players)
        money += player.balance;
    return money;
}

} // namespace

// The high-score export reaches the player through the game's host and sounds.
class Game::ExportHost final : public HighScoreExportHost {
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

Game::Game(GameHost& host, SettingsStore& store)
    : sounds(host.Sounds()), host_(host), store_(store),
      exportHost_(std::make_unique<ExportHost>(*this, host))
{
    seedClock = TimeOfDaySeed;
}

Game::~Game() = default;

int Game::CurrentPurse() const
{
    return state.program.purse[std::clamp(state.raceIndex, 0, kRacesPerSet - 1)];
}

int Game::StableIndexOfRunner(int runner) const
{
    if (runner < 0 || runner >= CurrentFieldSize())
        return -1;
    const int horse = state.program.runners[state.raceIndex][runner];
    return horse >= 0 && horse < stable.count ? horse : -1;
}

std::uint32_t Game::SeedFromClock() const
{
    return seedClock ? seedClock() : TimeOfDaySeed();
}

void Game::Message(std::string_view text, MessageKind kind)
{
    host_.ShowMessage(text, kind);
}

void Game::EnterPhase(GamePhase phase)
{
    if (phase == GamePhase::NoSet)
        ClearPhaseFlags(state);
    menus.Enter(phase);
    host_.ApplyMenus(menus);
}

void Game::FirstUpdate()
{
    settings = LoadSettings(store_);
    sounds.SetEnabled(settings.SoundEnabled());
    hallOfFame.folder = folder;
    hallOfFame.Load();
    stable.folder = folder;
    sounds.Play(SoundEffect::Start);
    state.pendingViewMode = -1;
    state.oddsSimulationRuns = 0;
    for (PlayerSlot& player : state.players) {
        player.startBalance = kStartingBalance;
        player.balance = 0;
        player.settledBalance = 0;
        std::ranges::fill(player.balanceAfterRace, 0);
    }
    EnterPhase(GamePhase::NoSet);
    host_.Repaint();
}

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
    for (;;) {
        state.ResetRaceSet();
        sounds.Play(SoundEffect::Pop);
        names.Open(settings.playerNames);
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

    const bool withinSet = state.raceIndex != 0 && money && !state.quitRequested;
    const bool firstRace = state.raceIndex == 0 && state.raceCounter == 0 && money && !state.quitRequested;
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

void Game::EndSet()
{
    --state.raceCounter;
    state.raceIndex = RaceIndexOf(state.raceCounter);
    if (!state.raceSettled) {
        // The race was never run: the money of its bets goes back.
        for (PlayerSlot& player : state.players) {
            if (player.InGame())
                player.balance =
                    state.raceIndex == 0 ? player.startBalance : player.balanceAfterRace[state.raceIndex - 1];
        }
    }

    const SetEndReason reason = SetEndReasonOf(state.quitRequested, state.raceIndex);
    state.quitRequested = false;
    setResults.Fill(state, reason);
    const bool continueRacing = host_.ShowRaceSetResults(setResults) && setResults.CanContinue();

    if (hallOfFameAtSetEnd_)
        RecordSetInHallOfFame();
    hallOfFameAtSetEnd_ = true;
    stable.Save();

    if (!continueRacing) {
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
    HighScoreExport exporter(store_, random, *exportHost_);
    exporter.folder = folder;
    exporter.clockSeed = [this] { return SeedFromClock(); };
    hallOfFame.RecordEndOfSet(input, exporter.HookFor(input, hallOfFame));
}

void Game::PrepareRace()
{
    const int race = state.raceIndex;
    char title[96];
    std::snprintf(title, sizeof title, "Galloria v1.5   -   RACE %d   -   Purse $%d", race + 1,
                  CurrentPurse());
    host_.SetWindowTitle(title);

    // Horses chosen in the database take the first posts of this race.
    int taken = 0;
    while (taken < kMaxFieldSize && stable.nextRaceSelection[taken] >= 0)
        ++taken;
    if (taken > 0) {
        state.firstTenEligible = false;
        int* posts = state.program.runners[race];
        for (int k = 0; k < taken; ++k) {
            const int chosen = stable.nextRaceSelection[k];
            if (chosen >= stable.count)
                continue; // deleted since it was chosen
            // A chosen horse drawn for a later post gives that post to the
            // horse it displaces, so no horse runs twice in the race.
            for (int j = k + 1; j < kMaxFieldSize; ++j) {
                if (posts[j] == chosen)
                    posts[j] = posts[k];
            }
            posts[k] = chosen;
        }
        if (taken > 5)
            state.program.runnerCount[race] = taken;
        std::ranges::fill(stable.nextRaceSelection, -1);
        // The odds were made for the drawn field; make them again for this one.
        const std::span<double> odds = state.program.FieldOdds(race);
        for (int k = 0; k < static_cast<int>(odds.size()); ++k) {
            const int horse = StableIndexOfRunner(k);
            odds[k] = horse >= 0 ? stable.statistics[horse].ratingOdds : kMaxOdds;
        }
        NormaliseFieldOdds(odds);
        engine.fieldSize = std::max(1, CurrentFieldSize());
    }

    host_.BuildRunnerSprites();
    for (PlayerSlot& player : state.players)
        player.bets.Clear();
}

void Game::DrawTip()
{
    const std::span<const double> odds = state.program.FieldOdds(state.raceIndex);
    tippedRunner = DrawTippedRunner(odds, random);
    tippedHorseName.clear();
    const int horse = StableIndexOfRunner(tippedRunner);
    if (horse < 0)
        tippedRunner = -1;
    else
        tippedHorseName = std::string(HorseName(stable.records[horse]));
    engine.tippedRunner = tippedRunner;
}

void Game::OpenBettingState()
{
    EnterPhase(GamePhase::Betting);
    DrawTip();
    sounds.Play(SoundEffect::Program);
    host_.ShowRacingForm();
    host_.Repaint();
    if (tippedRunner >= 0)
        host_.ShowTip(DrawTipText(tippedHorseName, random));
    host_.Repaint();
    OpenBettingWindow();
}

void Game::OpenBettingWindow()
{
    if (state.raceRunning || state.nextRaceArmed || menus.Phase() != GamePhase::Betting)
        return;
    const BetActionResult opened = bettingWindow.Open(state);
    if (opened.sound)
        sounds.Play(*opened.sound);
    host_.RunBettingWindow(bettingWindow);
    const BetActionResult closed = bettingWindow.Close(state);
    if (closed.sound)
        sounds.Play(*closed.sound);
    if (bettingWindow.StartRaceRequested())
        RaceOrNextRace();
}

void Game::ShowRacingForm()
{
    menus.ShowRacingForm();
    host_.ApplyMenus(menus);
    host_.ShowRacingForm();
    host_.Repaint();
}

void Game::RaceOrNextRace()
{
    if (state.raceRunning)
        return;
    if (state.nextRaceArmed) {
        state.nextRaceArmed = false;
        host_.ReleasePhotos();
        AdvanceToNextRace();
        return;
    }
    if (menus.Phase() == GamePhase::Betting)
        RunRace();
}

void Game::RunRace()
{
    if (state.oddsSimulationRuns > 0) {
        SimulateOdds(state.oddsSimulationRuns, state, engine, stable, random, host_.OddsProgressDisplay());
        return;
    }

    bool anyBet = false;
    for (const PlayerSlot& player : state.players)
        anyBet |= player.InGame() && player.bets.count > 0;
    if (!anyBet && host_.ShowMessage(kNoBetsQuestion, MessageKind::OkCancel) == MessageAnswer::Cancel)
        return;

    const int field = CurrentFieldSize();
    engine.fieldSize = std::max(1, field);
    for (int k = 0; k < field; ++k) {
        const int horse = StableIndexOfRunner(k);
        if (horse >= 0)
            LoadRunner(engine, k, stable.records[horse]);
    }
    std::ranges::fill(betsOnRunner, 0);
    for (const PlayerSlot& player : state.players) {
        for (const Bet& bet : player.bets.Bought()) {
            for (int leg = 0; leg < LegCount(bet.type); ++leg) {
                if (bet.horse[leg] >= 0 && bet.horse[leg] < field)
                    ++betsOnRunner[bet.horse[leg]];
            }
        }
    }
    engine.StartRace(random);

    EnterPhase(GamePhase::Racing);
    host_.CreatePhotos();
    sounds.Play(SoundEffect::Neigh);
    cheerPlayed = false;
    frameCounter = -1;
    RunRaceDisplay();
}

void Game::RunRaceDisplay()
{
    state.raceRunning = true;
    const auto view = settings.viewRaceMode;
    if (view != ViewRaceMode::None) {
        if (view == ViewRaceMode::HomeStretch) {
            while (!engine.raceOver && engine.leaderPosition <= kHomeStretchFrom) {
                ++frameCounter;
                engine.AdvanceTick(random);
            }
        }
        host_.AnimateRace();
    }
    FinishRaceUndisplayed();
    state.raceRunning = false;
    if (view != ViewRaceMode::None && !RaceDisplayCancelled())
        sounds.Play(SoundEffect::StopRun);
    EndOfRace();
    if (RaceDisplayCancelled()) {
        settings.viewRaceMode = static_cast<ViewRaceMode>(state.pendingViewMode);
        state.pendingViewMode = -1;
    }
}

void Game::FinishRaceUndisplayed()
{
    while (!engine.raceOver) {
        ++frameCounter;
        lastTopThree = engine.AdvanceTick(random);
        if (lastTopThree > 0)
            host_.CaptureFinishPhotos(lastTopThree);
    }
}

bool Game::AdvanceRaceFrame()
{
    if (engine.raceOver || RaceDisplayCancelled())
        return false;
    ++frameCounter;
    lastTopThree = engine.AdvanceTick(random);
    if (lastTopThree > 0)
        host_.CaptureFinishPhotos(lastTopThree);
    if (!cheerPlayed && engine.leaderPosition > kCheerPosition) {
        sounds.Play(SoundEffect::Cheer);
        cheerPlayed = true;
    }
    return true;
}

void Game::EndOfRace()
{
    host_.ReleaseRunnerSprites();
    const int field = CurrentFieldSize();
    const Podium podium{engine.finishOrder[0], engine.finishOrder[1], engine.finishOrder[2]};
    state.payouts = ComputePayouts(state.pools, podium);
    state.longShotCount = CountLongShots(state.program.FieldOdds(state.raceIndex));

    int horseByPlace[kMaxFieldSize];
    int timeByPlace[kMaxFieldSize];
    int placed = 0;
    for (int place = 0; place < engine.finishedCount && place < field; ++place) {
        const int runner = engine.finishOrder[place];
        const int horse = StableIndexOfRunner(runner);
        if (horse < 0)
            continue;
        horseByPlace[placed] = horse;
        timeByPlace[placed] = engine.finishTime[runner];
        ++placed;
    }
    stable.RecordRaceResult(std::span<const int>(horseByPlace, placed),
                            std::span<const int>(timeByPlace, placed), CurrentPurse());

    SettleBets(state, podium);
    AppendRaceReport(resultsFile, state, stable, FinishOf(engine));
    FinishResults();
    state.nextRaceArmed = true;
}

void Game::FinishResults()
{
    EnterPhase(GamePhase::Result);
    state.raceSettled = true;
    state.autoSaveRequested = true;
    SaveUnfinishedGame();
    state.autoSaveRequested = false;
    host_.Repaint();
    if (menus.TakeTenthRaceNotice(state.raceIndex)) {
        sounds.Play(SoundEffect::Tada);
        sounds.Play(SoundEffect::Pop);
        host_.ShowNotice(kTenthRaceNotice, true, kTenthRaceNoticeAmount);
    }
}

void Game::PauseRace()
{
    if (!state.raceRunning)
        return;
    sounds.Play(SoundEffect::StopRun);
    if (host_.ShowMessage(kPauseQuestion, MessageKind::OkCancel) != MessageAnswer::Cancel) {
        sounds.Play(SoundEffect::Run);
        return;
    }
    state.pendingViewMode = static_cast<int>(settings.viewRaceMode);
    settings.viewRaceMode = ViewRaceMode::None;
}

void Game::QuitRaceSet()
{
    const MessageAnswer answer = host_.ShowMessage(kQuitQuestion, MessageKind::YesNoCancel);
    if (answer == MessageAnswer::Cancel)
        return;
    // The end of the set enters it in the hall of fame, once, after the
    // money of bets for a race not run has gone back.
    hallOfFameAtSetEnd_ = answer == MessageAnswer::Yes;
    state.quitRequested = true;
    AdvanceToNextRace();
}

void Game::SaveUnfinishedGame()
{
    std::filesystem::path path;
    if (state.autoSaveRequested) {
        path = folder / kAutoSavedGameFileName;
    } else {
        const auto chosen = host_.ChooseSaveFile(kProposedSaveName);
        if (!chosen)
            return;
        path = *chosen;
    }
    hallOfFame.StampDateTime();
    WriteUnfinishedGameFile(path, state, hallOfFame.today);
}

void Game::OpenUnfinishedGame()
{
    std::filesystem::path path;
    if (state.openLastRequested) {
        state.openLastRequested = false;
        path = folder / kAutoSavedGameFileName;
    } else {
        const auto chosen = host_.ChooseOpenFile();
        if (!chosen)
            return;
        path = *chosen;
    }
    if (state.raceRunning)
        return;

    RaceSetState opened = state;
    const GameFileReadResult read = ReadUnfinishedGameFile(path, opened);
    if (read.stop == GameFileStop::CannotOpen)
        return; // the game in progress is not touched

    stable.folder = folder;
    stable.LoadOrExit(random);
    if (const std::string tooSmall = StableTooSmallMessage(stable.count); !tooSmall.empty()) {
        Message(tooSmall, MessageKind::Information);
        return;
    }
    state = opened;
    hallOfFame.StampDateTime();
    if (read.date)
        hallOfFame.today = *read.date;
    if (!read.Complete())
        Message(GameFileReadMessage(read), MessageKind::Information);

    EnterPhase(GamePhase::NoSet);
    state.firstTenEligible = false;
    // The balances of a saved game hold no bets still to be run, so a set
    // that ends at once keeps them as read.
    state.raceSettled = true;
    hallOfFameAtSetEnd_ = true;
    if (state.raceIndex < kRacesPerSet) {
        DrawRaceProgram(state.program, stable, random);
        WriteProgramReport(folder, state.program, stable);
    }
    resultsFile = StartResultsFile(folder, store_, hallOfFame).path;
    settings = LoadSettings(store_);
    sounds.SetEnabled(settings.SoundEnabled());
    --state.raceCounter;
    AdvanceToNextRace();
}

void Game::ContinueLastSet()
{
    state.openLastRequested = true;
    OpenUnfinishedGame();
}

void Game::GameOptions()
{
    const GameSettings loaded = LoadSettings(store_);
    settings.playerNames = loaded.playerNames;
    sounds.Play(SoundEffect::Pop);
    const OptionsAnswer answer = host_.AskOptions(loaded);
    host_.Repaint();
    if (answer.saved)
        ApplyOptions(*answer.saved);
    if (answer.resetRequested)
        hallOfFame.Reset();
}

void Game::ApplyOptions(const GameSettings& options)
{
    settings = options;
    SaveSettings(settings, store_, SettingsGroup::Options);
    sounds.SetEnabled(settings.SoundEnabled());
}

} // namespace galloria

// One race: prepared with its tip and betting window, run on screen or not,
// paid and shown with its results.
#include "game/game.h"

#include "base/screen_text.h"
#include "betting/odds.h"
#include "betting/odds_simulation.h"
#include "betting/payouts.h"
#include "betting/settlement.h"
#include "game/race_program_draw.h"
#include "game/shown_race.h"
#include "game/tipster.h"
#include "race/race_run.h"
#include "reports/race_report.h"
#include "stable/owners.h"

#include <algorithm>

namespace galloria {

namespace {

constexpr ScreenText kNoBetsQuestion =
    SCREEN_TEXT("Game", "No bets have been taken!\nDo you want to go on\nto the race?");
constexpr ScreenText kPauseQuestion =
    SCREEN_TEXT("Game", "GAME PAUSED\nClick Ok To Resume or\nCancel To End Race");
// The notice shows one line of text per line of its board.
constexpr ScreenText kTenthRaceNotice[] = {SCREEN_TEXT("Notice", "End of the 10th race. Review the"),
                                           SCREEN_TEXT("Notice", "results and then click NEXT RACE"),
                                           SCREEN_TEXT("Notice", "to see the final results for"),
                                           SCREEN_TEXT("Notice", "this race set.")};
// The notices' amounts, which set how many medals they show.
constexpr int kTenthRaceNoticeAmount = 10000;
// Home Stretch shows the race from here on.
constexpr int kHomeStretchFrom = 7000;

} // namespace

void Game::PrepareRace()
{
    const int race = state.raceIndex;
    host_.SetWindowTitle(FillIn(Tr("Game", "Galloria v1.5   -   RACE %1   -   Purse $%2"),
                                {std::to_string(race + 1), std::to_string(CurrentPurse())}));

    // Horses chosen in the database take the first posts of this race.
    if (PlaceChosenHorses(state.program, race, stable.nextRaceSelection, stable)) {
        state.firstTenEligible = false;
        std::ranges::fill(stable.nextRaceSelection, -1);
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
    StartRunnerChance();
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
    if (!anyBet && host_.ShowMessage(Tr(kNoBetsQuestion), MessageKind::OkCancel) == MessageAnswer::Cancel)
        return;

    const int field = CurrentFieldSize();
    LoadCurrentField(engine);
    std::ranges::fill(betsOnRunner, 0);
    for (const PlayerSlot& player : state.players) {
        for (const Bet& bet : player.bets.Bought()) {
            for (int leg = 0; leg < LegCount(bet.type); ++leg) {
                if (bet.horse[leg] >= 0 && bet.horse[leg] < field)
                    ++betsOnRunner[bet.horse[leg]];
            }
        }
    }
    StopRunnerChance();
    RecordRaceForReplay();
    engine.StartRace(random);

    EnterPhase(GamePhase::Racing);
    host_.CreatePhotos();
    sounds.Play(SoundEffect::Neigh);
    cheerPlayed = false;
    frameCounter = -1;
    RunRaceDisplay();
}

void Game::LoadCurrentField(CRaceEngine& target) const
{
    const int field = CurrentFieldSize();
    target.fieldSize = std::max(1, field);
    for (int k = 0; k < field; ++k) {
        const int horse = StableIndexOfRunner(k);
        if (horse >= 0)
            LoadRunner(target, k, stable.records[horse]);
    }
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
    // Every shown race ends with the gallop stopped, one cancelled from the
    // pause box too: its gallop may have begun after the box was answered.
    if (view != ViewRaceMode::None)
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

void Game::PauseRace()
{
    if (!state.raceRunning)
        return;
    sounds.Play(SoundEffect::StopRun);
    if (host_.ShowMessage(Tr(kPauseQuestion), MessageKind::OkCancel) != MessageAnswer::Cancel) {
        sounds.Play(SoundEffect::Run);
        return;
    }
    state.pendingViewMode = static_cast<int>(settings.viewRaceMode);
    settings.viewRaceMode = ViewRaceMode::None;
}

void Game::EndOfRace()
{
    host_.ReleaseRunnerSprites();
    const int field = CurrentFieldSize();
    const Podium podium{engine.finishOrder[0], engine.finishOrder[1], engine.finishOrder[2]};
    state.payouts = ComputePayouts(state.pools, podium);
    replays.SetResult(podium.first, state.payouts.winPay);
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

    runnerOwners.clear();
    OwnerBook owners;
    owners.folder = folder;
    if (settings.OwnersShown() && owners.ReadRelations()) {
        for (int runner = 0; runner < field; ++runner)
            runnerOwners.push_back(owners.OwnerOf(RunnerName(runner)));
    }

    SettleBets(state, podium);
    AppendRaceReport(ResultsFileInUse(), state, stable, FinishOf(engine));
    FinishResults();
    state.nextRaceArmed = true;
}

void Game::FinishResults()
{
    EnterPhase(GamePhase::Result);
    state.raceSettled = true;
    SaveUnfinishedGame(GameFile::AutoSaved);
    host_.Repaint();
    if (menus.TakeTenthRaceNotice(state.raceIndex)) {
        sounds.Play(SoundEffect::Tada);
        sounds.Play(SoundEffect::Pop);
        const std::string lines[] = {Tr(kTenthRaceNotice[0]), Tr(kTenthRaceNotice[1]),
                                     Tr(kTenthRaceNotice[2]), Tr(kTenthRaceNotice[3])};
        const std::string_view views[] = {lines[0], lines[1], lines[2], lines[3]};
        host_.ShowNotice(views, true, kTenthRaceNoticeAmount);
    }
}

} // namespace galloria

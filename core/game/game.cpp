// The game object: its making, the small questions views ask of it, and the
// first update that leads to the no-set state.
#include "game/game.h"

#include <algorithm>
#include <chrono>

namespace galloria {

namespace {

std::uint32_t TimeOfDaySeed()
{
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(duration_cast<seconds>(now).count() % 86400);
}

} // namespace

Game::Game(GameHost& host, SettingsStore& store) : sounds(host.Sounds()), host_(host), store_(store)
{
    seedClock = TimeOfDaySeed;
}

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

std::string_view Game::RunnerName(int runner) const
{
    const int horse = StableIndexOfRunner(runner);
    return horse >= 0 ? HorseName(stable.records[horse]) : std::string_view();
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
        StopRunnerChance();
    if (phase == GamePhase::NoSet)
        ClearPhaseFlags(state);
    if (phase == GamePhase::NoSet)
        replays.Clear();
    menus.Enter(phase);
    if (replays.Empty())
        menus.Gray(MenuCommand::ReplayRace);
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
    host_.SetWindowTitle("Galloria"); // no race is named while no set runs
    host_.Repaint();
}

} // namespace galloria

#include "game/menu_state.h"

#include "betting/race_set_state.h"

#include <gtest/gtest.h>

#include <map>

namespace galloria {
namespace {

using enum MenuCommand;
constexpr ItemState On = ItemState::Enabled;
constexpr ItemState Off = ItemState::Grayed;
constexpr ItemState Same = ItemState::Unchanged;

// What each phase does to each item: no set, betting, racing, result.
const std::map<MenuCommand, std::array<ItemState, 4>> kExpectedItems = {
    {StartNewRaceSet, {On, Off, Off, Off}},
    {ContinueLastSet, {On, Off, Off, Off}},
    {Open, {On, Off, Off, Off}},
    {Save, {Off, On, Off, On}},
    {PauseRace, {Off, Off, On, Off}},
    {QuitRaceSet, {Off, On, Off, On}},
    {Exit, {Same, Same, Same, Same}},
    {GameOptions, {On, On, Same, On}},
    {AddHorse, {On, On, Same, On}},
    {ListHorses, {On, On, Same, On}},
    {HallOfFame, {On, On, Same, On}},
    {BettingWindow, {Off, On, Same, Off}},
    {LiveOdds, {Off, On, Same, On}},
    {TrackRacingForm, {Off, Off, Same, On}},
    {ReplayRace, {Off, On, Same, On}},
    {RaceOrNextRace, {Off, On, Off, On}},
    {ShowNextPhoto, {Off, Same, Same, On}},
    {FinishResults, {Off, Same, Same, Off}},
    {HowDidIDo, {Off, Same, Same, On}},
    {SummaryRacingForm, {Off, Same, Same, On}},
    {HelpContents, {Same, Same, Same, Same}},
    {About, {Same, Same, Same, Same}},
};

const std::map<MenuPopup, std::array<ItemState, 4>> kExpectedPopups = {
    {MenuPopup::Game, {Same, Same, Same, Same}}, {MenuPopup::Stable, {On, On, Off, On}},
    {MenuPopup::Track, {On, On, Off, On}},       {MenuPopup::Summary, {Off, Off, Same, On}},
    {MenuPopup::Help, {Same, Same, Same, Same}},
};

constexpr std::array<GamePhase, 4> kPhases = {GamePhase::NoSet, GamePhase::Betting, GamePhase::Racing,
                                              GamePhase::Result};

TEST(MenuModelTable, EachPhaseSetsEachItemAndPopup)
{
    ASSERT_EQ(kExpectedItems.size(), kMenuCommands.size());
    for (int column = 0; column < 4; ++column) {
        for (const auto& [command, states] : kExpectedItems)
            EXPECT_EQ(PhaseItemState(kPhases[column], command), states[column])
                << "command " << static_cast<int>(command) << " phase " << column;
        for (const auto& [popup, states] : kExpectedPopups)
            EXPECT_EQ(PhasePopupState(kPhases[column], popup), states[column])
                << "popup " << static_cast<int>(popup) << " phase " << column;
    }
    EXPECT_FALSE(PhaseRaceText(GamePhase::Racing).has_value());
}

// Checks which of the commands can be reached through the menus now.
void ExpectReachable(const MenuModel& menus, std::initializer_list<MenuCommand> reachable,
                     std::initializer_list<MenuCommand> unreachable)
{
    for (MenuCommand command : reachable)
        EXPECT_TRUE(menus.IsAvailable(command)) << "command " << static_cast<int>(command);
    for (MenuCommand command : unreachable)
        EXPECT_FALSE(menus.IsAvailable(command)) << "command " << static_cast<int>(command);
}

// Which items each phase offers the player is the window_menus_by_phase
// scenario's; a script never sees the state before the first phase, nor a race running.
TEST(MenuModel, OffersEverythingBeforeTheFirstPhaseAndKeepsTheGreyedPopupsItemsWhileRacing)
{
    MenuModel menus;
    EXPECT_EQ(menus.Phase(), std::nullopt);
    for (MenuCommand command : kMenuCommands)
        EXPECT_TRUE(menus.IsItemEnabled(command));

    menus.Enter(GamePhase::NoSet);
    menus.Enter(GamePhase::Betting);
    EXPECT_FALSE(menus.IsItemEnabled(ShowNextPhoto)); // kept from no set
    menus.Enter(GamePhase::Racing);
    EXPECT_EQ(menus.Phase(), GamePhase::Racing);
    // The items of the grayed popups keep their state but cannot be reached.
    ExpectReachable(menus, {PauseRace, About}, {Save, RaceOrNextRace, GameOptions});
    EXPECT_TRUE(menus.IsItemEnabled(GameOptions));
    EXPECT_FALSE(menus.IsPopupEnabled(MenuPopup::Summary)); // still as betting left it
    EXPECT_EQ(menus.RaceText(), "   &RACE!   ");

    // Betting again keeps the summary items, behind their grayed popup.
    menus.Enter(GamePhase::Result);
    menus.Enter(GamePhase::Betting);
    EXPECT_TRUE(menus.IsItemEnabled(HowDidIDo));
}

TEST(MenuModel, TenthRaceNoticeShowsOncePerNoSet)
{
    MenuModel menus;
    EXPECT_FALSE(menus.TakeTenthRaceNotice(9)); // not armed before the no-set phase
    menus.Enter(GamePhase::NoSet);
    EXPECT_TRUE(menus.TenthRaceNoticeArmed());
    EXPECT_FALSE(menus.TakeTenthRaceNotice(4));
    EXPECT_TRUE(menus.TenthRaceNoticeArmed());
    EXPECT_TRUE(menus.TakeTenthRaceNotice(9));
    EXPECT_FALSE(menus.TakeTenthRaceNotice(9));

    // A set continued after the tenth race does not see it again...
    menus.Enter(GamePhase::Betting);
    menus.Enter(GamePhase::Result);
    EXPECT_FALSE(menus.TakeTenthRaceNotice(9));
    // ...until the no-set phase arms it anew.
    menus.Enter(GamePhase::NoSet);
    EXPECT_TRUE(menus.TakeTenthRaceNotice(9));
}

TEST(MenuModelTable, NoSetClearsThePhaseFlags)
{
    RaceSetState state;
    state.firstTenEligible = state.raceRunning = state.raceSettled = state.nextRaceArmed = true;
    state.quitRequested = true;
    state.pendingViewMode = 1;
    state.oddsSimulationRuns = 10;
    state.oddsSimulationActive = true;

    ClearPhaseFlags(state);

    EXPECT_FALSE(state.firstTenEligible);
    EXPECT_FALSE(state.raceRunning);
    EXPECT_FALSE(state.raceSettled);
    EXPECT_FALSE(state.nextRaceArmed);
    EXPECT_FALSE(state.quitRequested);
    EXPECT_EQ(state.pendingViewMode, -1);
    EXPECT_EQ(state.oddsSimulationRuns, 0);
    EXPECT_TRUE(state.oddsSimulationActive);
}

} // namespace
} // namespace galloria

#include "game/menu_state.h"

#include "betting/race_set_state.h"

#include <algorithm>

namespace galloria {

namespace {

constexpr ItemState On = ItemState::Enabled;
constexpr ItemState Off = ItemState::Grayed;
constexpr ItemState Same = ItemState::Unchanged;

// One row of the table: the item's state in no set, betting, racing, result.
using PhaseRow = std::array<ItemState, 4>;

int PhaseColumn(GamePhase phase)
{
    return static_cast<int>(phase);
}

std::optional<PhaseRow> ItemRow(MenuCommand command)
{
    switch (command) {
    case MenuCommand::StartNewRaceSet:
    case MenuCommand::ContinueLastSet:
    case MenuCommand::Open:
        return PhaseRow{On, Off, Off, Off};
    case MenuCommand::Save:
    case MenuCommand::QuitRaceSet:
        return PhaseRow{Off, On, Off, On};
    case MenuCommand::PauseRace:
        return PhaseRow{Off, Off, On, Off};
    // While racing the whole popup is grayed, so its items keep their state.
    case MenuCommand::GameOptions:
    case MenuCommand::AddHorse:
    case MenuCommand::ListHorses:
    case MenuCommand::HallOfFame:
        return PhaseRow{On, On, Same, On};
    case MenuCommand::BettingWindow:
        return PhaseRow{Off, On, Same, Off};
    case MenuCommand::LiveOdds:
        return PhaseRow{Off, On, Same, On};
    case MenuCommand::TrackRacingForm:
        return PhaseRow{Off, Off, Same, On};
    // Also grayed while the set has no race run (the game sees to that).
    case MenuCommand::ReplayRace:
        return PhaseRow{Off, On, Same, On};
    case MenuCommand::RaceOrNextRace:
        return PhaseRow{Off, On, Off, On};
    case MenuCommand::ShowNextPhoto:
    case MenuCommand::HowDidIDo:
    case MenuCommand::SummaryRacingForm:
        return PhaseRow{Off, Same, Same, On};
    case MenuCommand::FinishResults:
        return PhaseRow{Off, Same, Same, Off};
    case MenuCommand::Exit:
    case MenuCommand::HelpContents:
    case MenuCommand::About:
        break;
    }
    return std::nullopt;
}

std::optional<PhaseRow> PopupRow(MenuPopup popup)
{
    switch (popup) {
    case MenuPopup::Stable:
    case MenuPopup::Track:
        return PhaseRow{On, On, Off, On};
    case MenuPopup::Summary:
        return PhaseRow{Off, Off, Same, On};
    case MenuPopup::Game:
    case MenuPopup::Help:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<MenuPopup> PopupOf(MenuCommand command)
{
    switch (command) {
    case MenuCommand::StartNewRaceSet:
    case MenuCommand::ContinueLastSet:
    case MenuCommand::Open:
    case MenuCommand::Save:
    case MenuCommand::PauseRace:
    case MenuCommand::QuitRaceSet:
    case MenuCommand::Exit:
        return MenuPopup::Game;
    case MenuCommand::GameOptions:
    case MenuCommand::AddHorse:
    case MenuCommand::ListHorses:
    case MenuCommand::HallOfFame:
        return MenuPopup::Stable;
    case MenuCommand::BettingWindow:
    case MenuCommand::LiveOdds:
    case MenuCommand::TrackRacingForm:
    case MenuCommand::ReplayRace:
        return MenuPopup::Track;
    case MenuCommand::ShowNextPhoto:
    case MenuCommand::FinishResults:
    case MenuCommand::HowDidIDo:
    case MenuCommand::SummaryRacingForm:
        return MenuPopup::Summary;
    case MenuCommand::HelpContents:
    case MenuCommand::About:
        return MenuPopup::Help;
    case MenuCommand::RaceOrNextRace:
        break;
    }
    return std::nullopt;
}

ItemState PhaseItemState(GamePhase phase, MenuCommand command)
{
    const std::optional<PhaseRow> row = ItemRow(command);
    return row ? (*row)[PhaseColumn(phase)] : Same;
}

ItemState PhasePopupState(GamePhase phase, MenuPopup popup)
{
    const std::optional<PhaseRow> row = PopupRow(popup);
    return row ? (*row)[PhaseColumn(phase)] : Same;
}

std::optional<ScreenText> PhaseRaceText(GamePhase phase)
{
    switch (phase) {
    case GamePhase::NoSet:
    case GamePhase::Betting:
        return kRaceText;
    case GamePhase::Result:
        return kNextRaceText;
    case GamePhase::Racing:
        break;
    }
    return std::nullopt;
}

ItemState RacingFormShownItemState(MenuCommand command)
{
    switch (command) {
    case MenuCommand::FinishResults:
        return On;
    case MenuCommand::TrackRacingForm:
    case MenuCommand::SummaryRacingForm:
        return Off;
    default:
        return Same;
    }
}

void ClearPhaseFlags(RaceSetState& state)
{
    state.firstTenEligible = false;
    state.raceRunning = false;
    state.raceSettled = false;
    state.nextRaceArmed = false;
    state.quitRequested = false;
    state.pendingViewMode = -1;
    state.oddsSimulationRuns = 0;
}

MenuModel::MenuModel()
{
    itemEnabled_.fill(true);
    popupEnabled_.fill(true);
}

int MenuModel::IndexOf(MenuCommand command)
{
    return static_cast<int>(std::ranges::find(kMenuCommands, command) - kMenuCommands.begin());
}

void MenuModel::Enter(GamePhase phase)
{
    for (MenuCommand command : kMenuCommands) {
        const ItemState state = PhaseItemState(phase, command);
        if (state != Same)
            itemEnabled_[IndexOf(command)] = state == On;
    }
    for (MenuPopup popup : kMenuPopups) {
        const ItemState state = PhasePopupState(phase, popup);
        if (state != Same)
            popupEnabled_[static_cast<int>(popup)] = state == On;
    }
    if (const std::optional<ScreenText> text = PhaseRaceText(phase))
        raceText_ = *text;
    if (phase == GamePhase::NoSet)
        tenthRaceNoticeArmed_ = true;
    phase_ = phase;
}

void MenuModel::ShowRacingForm()
{
    for (MenuCommand command : kMenuCommands) {
        const ItemState state = RacingFormShownItemState(command);
        if (state != Same)
            itemEnabled_[IndexOf(command)] = state == On;
    }
}

bool MenuModel::IsItemEnabled(MenuCommand command) const
{
    const int index = IndexOf(command);
    return index < static_cast<int>(itemEnabled_.size()) && itemEnabled_[index];
}

bool MenuModel::IsPopupEnabled(MenuPopup popup) const
{
    const int position = static_cast<int>(popup);
    const bool onTheBar = position >= 0 && position < static_cast<int>(popupEnabled_.size());
    return onTheBar && position != kRaceItemPosition && popupEnabled_[position];
}

bool MenuModel::IsAvailable(MenuCommand command) const
{
    if (!IsItemEnabled(command))
        return false;
    const std::optional<MenuPopup> popup = PopupOf(command);
    return !popup || IsPopupEnabled(*popup);
}

bool MenuModel::TakeTenthRaceNotice(int raceIndex)
{
    if (raceIndex != kRacesPerSet - 1 || !tenthRaceNoticeArmed_)
        return false;
    tenthRaceNoticeArmed_ = false;
    return true;
}

} // namespace galloria

#pragma once

#include "base/screen_text.h"

#include <array>
#include <optional>
#include <string_view>

namespace galloria {

struct RaceSetState;

// Where the game stands, as far as the menus care.
enum class GamePhase { NoSet, Betting, Racing, Result };

// The menu items that carry a command, by their command ids. RaceOrNextRace
// is the plain RACE! item on the bar itself.
enum class MenuCommand : int {
    StartNewRaceSet = 32828,
    ContinueLastSet = 32833,
    Open = 57601,
    Save = 57604,
    PauseRace = 32829,
    QuitRaceSet = 32830,
    Exit = 57665,
    GameOptions = 32817,
    AddHorse = 32818,
    ListHorses = 32819,
    HallOfFame = 32827,
    BettingWindow = 32820,
    LiveOdds = 32821,
    TrackRacingForm = 32822,
    ReplayRace = 32834,
    RaceOrNextRace = 32832,
    ShowNextPhoto = 32823,
    FinishResults = 32824,
    HowDidIDo = 32825,
    SummaryRacingForm = 32826,
    HelpContents = 57670,
    About = 57664,
};

// Every command, in menu-bar order.
inline constexpr std::array<MenuCommand, 22> kMenuCommands = {
    MenuCommand::StartNewRaceSet,
    MenuCommand::ContinueLastSet,
    MenuCommand::Open,
    MenuCommand::Save,
    MenuCommand::PauseRace,
    MenuCommand::QuitRaceSet,
    MenuCommand::Exit,
    MenuCommand::GameOptions,
    MenuCommand::AddHorse,
    MenuCommand::ListHorses,
    MenuCommand::HallOfFame,
    MenuCommand::BettingWindow,
    MenuCommand::LiveOdds,
    MenuCommand::TrackRacingForm,
    MenuCommand::ReplayRace,
    MenuCommand::RaceOrNextRace,
    MenuCommand::ShowNextPhoto,
    MenuCommand::FinishResults,
    MenuCommand::HowDidIDo,
    MenuCommand::SummaryRacingForm,
    MenuCommand::HelpContents,
    MenuCommand::About,
};

// The popups by their position on the menu bar; position 3 is RACE!.
enum class MenuPopup : int { Game = 0, Stable = 1, Track = 2, Summary = 4, Help = 5 };

inline constexpr std::array<MenuPopup, 5> kMenuPopups = {MenuPopup::Game, MenuPopup::Stable, MenuPopup::Track,
                                                         MenuPopup::Summary, MenuPopup::Help};
inline constexpr int kRaceItemPosition = 3;

// The popup an item sits in; none for the RACE! item on the bar.
std::optional<MenuPopup> PopupOf(MenuCommand command);

// What entering a phase does to one item.
enum class ItemState { Unchanged, Enabled, Grayed };

// The two texts of the RACE! item.
inline constexpr ScreenText kRaceText = SCREEN_TEXT("Menu", "   &RACE!   ");
inline constexpr ScreenText kNextRaceText = SCREEN_TEXT("Menu", "&Next Race");

// Entering `phase` sets each item to this; items a phase leaves alone (and
// those no phase touches, such as EXIT and the help items) are Unchanged.
ItemState PhaseItemState(GamePhase phase, MenuCommand command);
ItemState PhasePopupState(GamePhase phase, MenuPopup popup);
// The RACE! text a phase sets, or none when it keeps the current one.
std::optional<ScreenText> PhaseRaceText(GamePhase phase);

// Closing the window between races of a set asks first (a race in progress
// has its own way out, and with no set there is nothing to lose).
inline constexpr ScreenText kCloseMidSetQuestion = SCREEN_TEXT(
    "Game", "Quit Galloria? This set is saved after every race and CONTINUE LAST SET takes you back.");
constexpr bool AsksBeforeClosing(std::optional<GamePhase> phase)
{
    return phase == GamePhase::Betting || phase == GamePhase::Result;
}

// Putting the racing form on screen (RACING FORM in either popup) offers the
// way back to the results and takes the two RACING FORM items away.
ItemState RacingFormShownItemState(MenuCommand command);

// Clears the phase flags of the set, as entering the no-set phase does. A
// running odds simulation's guard is left alone: it is the simulation's own.
void ClearPhaseFlags(RaceSetState& state);

// The menu bar as the game last set it: every item's and popup's state and
// the RACE! text. The window only copies it onto its menus. It also holds
// the tenth-race notice, armed each time the no-set phase is entered.
class MenuModel {
public:
    // As the menus are built: everything enabled, RACE! with its race text,
    // and no phase entered yet.
    MenuModel();

    void Enter(GamePhase phase);
    void ShowRacingForm();
    // Grays one item whatever the phase allows: REPLAY A RACE before the
    // set's first race is over.
    void Gray(MenuCommand command) { itemEnabled_[IndexOf(command)] = false; }

    // The last phase entered, none before the first.
    std::optional<GamePhase> Phase() const { return phase_; }

    bool IsItemEnabled(MenuCommand command) const;
    bool IsPopupEnabled(MenuPopup popup) const;
    std::string RaceText() const { return Tr(raceText_); }

    // Whether the player can reach a command now: its item is enabled and so
    // is its popup. The window refuses a shortcut whose command is not.
    bool IsAvailable(MenuCommand command) const;

    // Once per arming: true after a tenth race (raceIndex 9) when the notice
    // has not been shown since the no-set phase was last entered, and it
    // disarms the notice.
    bool TakeTenthRaceNotice(int raceIndex);
    bool TenthRaceNoticeArmed() const { return tenthRaceNoticeArmed_; }

private:
    static int IndexOf(MenuCommand command);

    std::array<bool, kMenuCommands.size()> itemEnabled_{};
    std::array<bool, 6> popupEnabled_{}; // by bar position; RACE!'s own position is unused
    ScreenText raceText_ = kRaceText;
    std::optional<GamePhase> phase_{};
    bool tenthRaceNoticeArmed_ = false;
};

} // namespace galloria

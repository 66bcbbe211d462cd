#pragma once

#include "betting/bet.h"
#include "betting/pool_book.h"
#include "betting/race_set_state.h"
#include "betting/review_bets_model.h"

#include <string>
#include <string_view>
#include <vector>

namespace galloria {

// The keys of the amount keypad.
enum class AmountKey {
    One,
    Two,
    Three,
    Four,
    Five,
    Six,
    Seven,
    Eight,
    Nine,
    Zero,
    DoubleZero,
    TripleZero,
};

// The label of a key: "1".."9", "0", "00", "000".
std::string_view AmountKeyText(AmountKey key);

// The rules of the betting window, where the players, one at a time, compose
// and buy their bets for the coming race. The window's dialog only binds its
// controls to this model: every button asks a Can...() whether it is enabled
// (and Is...Shown() whether it is visible), every click calls the matching
// action, which returns the sound to play and any text to show, and every
// display text comes from here.
//
// The model works on a copy of the players' names, balances and bet tables,
// taken when it opens, and on its own delta pools; closing writes the
// balances and tables back and merges the pools into the race's. The bet
// being composed lives in the current player's open slot: its stake is
// taken off the balance as it is typed, so balance plus reserved stake is
// always the money the player had when the bet was begun, and everything
// that abandons the bet gives the stake back.
class BettingWindowModel {
public:
    // A closed window: nothing shown, nothing enabled.
    BettingWindowModel() = default;

    // Opens over the current race of state: copies the four names, balances
    // and bet tables, counts the race's long shots (and stores that count in
    // state, where settlement reads it), starts with empty delta pools and no
    // bet composed. With exactly one player in the game that player is
    // chosen at once.
    BetActionResult Open(RaceSetState& state);
    bool IsOpen() const { return open_; }

    // Closing (Escape, the close box, or after Race()): the stake of a
    // half-composed bet goes back, the balances and bet tables are written
    // back to state and the delta pools merged into its pools. An open
    // review is taken back first. Does nothing when the window is not open,
    // so nothing is ever merged twice.
    BetActionResult Close(RaceSetState& state);

    // "race": asks the dialog to close; the opener then starts the race.
    BetActionResult Race();
    bool StartRaceRequested() const { return startRace_; }

    // Players, 0..3. A slot with an empty name is not in the game and its
    // button and balance are hidden.
    bool IsPlayerShown(int player) const;
    bool CanChoosePlayer(int player) const;
    // Makes player the current one; a half-composed bet of the player before
    // is abandoned and its stake given back.
    BetActionResult ChoosePlayer(int player);
    int CurrentPlayer() const { return current_; } // -1 before anyone is chosen
    std::string_view PlayerName(int player) const;
    int Balance(int player) const;
    std::string BalanceText(int player) const; // "%d"; empty for a hidden player

    // The amount. Digits append to it, the zero keys only after a first
    // digit; "00" or "000" on a started amount locks further digits until it
    // is cleared; a key that would overdraw the player is rejected but still
    // clicks, and says what the player has. Keys pressed while locked are
    // ignored without a sound.
    bool CanPressKey() const;
    BetActionResult PressKey(AmountKey key);
    bool DigitsLocked() const { return digitsLocked_; }
    bool CanClearAmount() const;
    BetActionResult ClearAmount(); // "Clear": the stake goes back, digits unlock
    int Amount() const { return openBet_.amount; }
    std::string AmountText() const; // the digits as typed; empty for none
    int Reserved() const { return reserved_; }

    // The type of bet. Choosing one (again) restarts the runners of the bet.
    // Only Exactas and Triactas can be boxed.
    bool CanChooseType(BetType type, bool boxed) const;
    BetActionResult ChooseType(BetType type, bool boxed);

    // Runners 0..11, HorseAll and HorseLong, leg after leg. A runner named
    // once cannot be named again in the same bet; "All" and "Long" are
    // offered only for the last leg of an Exacta or a Triacta, and "Long"
    // only while a runner left for that leg is a long shot.
    bool IsRunnerShown(int runner) const; // buttons 1..6 always, the rest within the field
    bool CanChooseRunner(HorseSelector choice) const;
    BetActionResult ChooseRunner(HorseSelector choice);
    int LegsRequired() const { return LegCount(openBet_.type); }
    int LegsChosen() const { return legsChosen_; }
    bool SelectionComplete() const;

    // BUY: with a player, an amount, a type and every leg chosen. A player
    // who already holds the most bets a race allows is refused with the
    // delete sound and a note saying why, and nothing changes (the button
    // stays enabled so that the sound is heard). Otherwise the bet goes into
    // the player's table and the window's pools, and a fresh bet begins for
    // the same player; the bet that fills the table says so at once, as does
    // choosing a player whose table is full.
    bool CanBuy() const;
    BetActionResult Buy();

    // "Clear All": the bet being composed is dropped, its stake given back;
    // the player stays chosen with the keypad ready.
    bool CanClearAll() const;
    BetActionResult ClearAll();

    // "View": drops the bet being composed as Clear All does and opens the
    // review of the current player's bought bets; CloseReview takes its
    // outcome back (refund, table and pool changes).
    bool CanView() const;
    BetActionResult View();
    ReviewBetsModel& Review() { return review_; }
    const ReviewBetsModel& Review() const { return review_; }
    BetActionResult CloseReview();

    // The bet line being composed, in the fixed columns of every bet list.
    std::string BetLine() const;
    // The bet lines of the current player's bought bets.
    std::vector<std::string> CurrentPlayerBetLines() const;

    const Bet& OpenBet() const { return openBet_; }
    // Whether a leg chosen so far names this runner, "All" or "Long": its
    // button is shown pressed.
    bool NamedInBet(HorseSelector choice) const;
    const BetTable& Bets(int player) const;
    const DeltaPools& Delta() const { return delta_; }
    int RunnerCount() const { return runnerCount_; }
    int LongShotCount() const { return longShotCount_; }

private:
    struct Seat {
        std::string name;
        int balance = 0;
        BetTable bets;
    };

    bool HasPlayer() const { return current_ >= 0; }
    static bool ValidPlayer(int player) { return player >= 0 && player < kPlayerSlots; }
    bool WheelOffered() const;
    bool LongShotLeft() const;
    void Reserve(int amount);
    void DropOpenBet();
    void SelectPlayer(int player);
    // Why the current player can buy no more, or empty while they can.
    std::string FullTableNote() const;

    bool open_ = false;
    Seat seats_[kPlayerSlots];
    int runnerCount_ = 0;
    int longShotCount_ = 0;
    double odds_[kMaxFieldSize] = {};
    DeltaPools delta_{};

    int current_ = -1;
    Bet openBet_{};             // the open slot of the current player
    int reserved_ = 0;          // stake of the open slot already taken off the balance
    int legsChosen_ = 0;        // legs of the open slot filled so far
    bool digitsLocked_ = false; // "00" or "000" ended the amount
    // A key has been accepted since the player was chosen: the type buttons,
    // "Clear" and "Clear All" are on from then.
    bool amountStarted_ = false;
    bool startRace_ = false;

    ReviewBetsModel review_;
    int reviewPlayer_ = -1; // whose table the open review works on
};

} // namespace galloria

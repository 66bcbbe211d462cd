#include "betting/betting_window_model.h"

#include "base/screen_text.h"
#include "betting/bet_line.h"

#include <algorithm>
#include <cstdint>

namespace galloria {

namespace {

constexpr std::string_view kKeyTexts[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "00", "000"};

BetActionResult Clicked(bool applied)
{
    return {.applied = applied, .sound = SoundEffect::Click};
}

BetActionResult Refused(std::string message = {})
{
    return {.message = std::move(message)};
}

bool IsZeroKey(AmountKey key)
{
    return key == AmountKey::Zero || key == AmountKey::DoubleZero || key == AmountKey::TripleZero;
}

// The amount after a key: digits shift it one place and add themselves, the
// zero keys shift it by their number of zeros. Within 64 bits for any amount
// a 32-bit balance allows.
std::int64_t AmountAfterKey(int amount, AmountKey key)
{
    const std::int64_t a = amount;
    switch (key) {
    case AmountKey::Zero:
        return a * 10;
    case AmountKey::DoubleZero:
        return a * 100;
    case AmountKey::TripleZero:
        return a * 1000;
    default:
        return a * 10 + (static_cast<int>(key) - static_cast<int>(AmountKey::One) + 1);
    }
}

} // namespace

std::string_view AmountKeyText(AmountKey key)
{
    const auto index = static_cast<std::size_t>(key);
    return index < std::size(kKeyTexts) ? kKeyTexts[index] : std::string_view();
}

BetActionResult BettingWindowModel::Open(RaceSetState& state)
{
    review_ = ReviewBetsModel{};
    reviewPlayer_ = -1;
    for (int p = 0; p < kPlayerSlots; ++p) {
        const PlayerSlot& player = state.players[p];
        seats_[p] = Seat{.name = player.name, .balance = player.balance, .bets = player.bets};
    }

    runnerCount_ = state.program.FieldSize(state.raceIndex);
    const std::span<const double> odds = state.program.FieldOdds(state.raceIndex);
    std::ranges::fill(odds_, 0.0);
    std::ranges::copy(odds, odds_);
    longShotCount_ = CountLongShots(odds);
    state.longShotCount = longShotCount_;

    delta_.Clear();
    current_ = -1;
    openBet_ = Bet{};
    reserved_ = 0;
    legsChosen_ = 0;
    digitsLocked_ = false;
    amountStarted_ = false;
    startRace_ = false;
    open_ = true;

    // A lone player needs no choosing: the keypad is ready at once.
    int inGame = 0;
    int lastInGame = -1;
    for (int p = 0; p < kPlayerSlots; ++p) {
        if (IsPlayerShown(p)) {
            ++inGame;
            lastInGame = p;
        }
    }
    if (inGame == 1)
        SelectPlayer(lastInGame);
    return {.applied = true, .sound = SoundEffect::Pop};
}

BetActionResult BettingWindowModel::Close(RaceSetState& state)
{
    if (!open_)
        return {};
    if (review_.IsOpen())
        CloseReview();
    DropOpenBet();

    for (int p = 0; p < kPlayerSlots; ++p) {
        state.players[p].balance = seats_[p].balance;
        state.players[p].bets = seats_[p].bets;
    }
    MergeWindowPools(state.pools, delta_, runnerCount_);
    delta_.Clear();
    current_ = -1;
    open_ = false;
    return {.applied = true, .sound = SoundEffect::Cancel};
}

BetActionResult BettingWindowModel::Race()
{
    if (!open_)
        return {};
    startRace_ = true;
    return {.applied = true, .closesWindow = true};
}

bool BettingWindowModel::IsPlayerShown(int player) const
{
    return open_ && ValidPlayer(player) && !seats_[player].name.empty();
}

bool BettingWindowModel::CanChoosePlayer(int player) const
{
    return IsPlayerShown(player) && player != current_;
}

BetActionResult BettingWindowModel::ChoosePlayer(int player)
{
    if (!CanChoosePlayer(player))
        return Refused(open_ && !IsPlayerShown(player)
                           ? Tr("BettingWindow", "That seat has no player in this race set.")
                           : std::string());
    SelectPlayer(player);
    BetActionResult result = Clicked(true);
    result.message = FullTableNote();
    return result;
}

std::string BettingWindowModel::FullTableNote() const
{
    if (!HasPlayer() || !seats_[current_].bets.IsFull())
        return {};
    return FillIn(
        Tr("BettingWindow", "%1 holds %2 bets, the most a race allows: delete one with View to buy another."),
        {seats_[current_].name, std::to_string(kMaxBetsPerPlayer)});
}

std::string_view BettingWindowModel::PlayerName(int player) const
{
    return ValidPlayer(player) ? std::string_view(seats_[player].name) : std::string_view();
}

int BettingWindowModel::Balance(int player) const
{
    return ValidPlayer(player) ? seats_[player].balance : 0;
}

std::string BettingWindowModel::BalanceText(int player) const
{
    return IsPlayerShown(player) ? std::to_string(seats_[player].balance) : std::string();
}

bool BettingWindowModel::CanPressKey() const
{
    return open_ && HasPlayer();
}

BetActionResult BettingWindowModel::PressKey(AmountKey key)
{
    if (!CanPressKey())
        return Refused(open_ ? Tr("BettingWindow", "Choose a player first.") : std::string());
    if (digitsLocked_ || AmountKeyText(key).empty())
        return {};
    // Zeros never start an amount, but the key was pressed and clicks.
    if (IsZeroKey(key) && openBet_.amount == 0)
        return Clicked(false);
    // "00" and "000" end the amount even when their zeros would overdraw.
    if (key == AmountKey::DoubleZero || key == AmountKey::TripleZero)
        digitsLocked_ = true;

    const std::int64_t amount = AmountAfterKey(openBet_.amount, key);
    const std::int64_t available = static_cast<std::int64_t>(seats_[current_].balance) + reserved_;
    if (amount > available) {
        BetActionResult refused = Clicked(false);
        refused.message = FillIn(Tr("BettingWindow", "$%1 is more than %2 has: $%3."),
                                 {std::to_string(amount), seats_[current_].name, std::to_string(available)});
        return refused;
    }
    Reserve(static_cast<int>(amount));
    amountStarted_ = true;
    return Clicked(true);
}

bool BettingWindowModel::CanClearAmount() const
{
    return CanPressKey() && amountStarted_;
}

BetActionResult BettingWindowModel::ClearAmount()
{
    if (!CanClearAmount())
        return Refused();
    digitsLocked_ = false;
    Reserve(0);
    return Clicked(true);
}

std::string BettingWindowModel::AmountText() const
{
    return openBet_.amount > 0 ? std::to_string(openBet_.amount) : std::string();
}

bool BettingWindowModel::CanChooseType(BetType type, bool boxed) const
{
    return CanPressKey() && amountStarted_ && LegCount(type) > 0 && (!boxed || IsBoxable(type));
}

BetActionResult BettingWindowModel::ChooseType(BetType type, bool boxed)
{
    if (!CanChooseType(type, boxed)) {
        if (!CanPressKey())
            return Refused(open_ ? Tr("BettingWindow", "Choose a player first.") : std::string());
        if (!amountStarted_)
            return Refused(Tr("BettingWindow", "Type the amount first."));
        if (LegCount(type) == 0)
            return Refused(Tr("BettingWindow", "Choose Win, Place, Show, Across, Exacta or Triacta."));
        return Refused(Tr("BettingWindow", "Only an Exacta or a Triacta can be boxed."));
    }
    openBet_.type = type;
    openBet_.boxed = boxed;
    std::ranges::fill(openBet_.horse, 0);
    legsChosen_ = 0;
    return Clicked(true);
}

bool BettingWindowModel::IsRunnerShown(int runner) const
{
    constexpr int kAlwaysShown = 6; // the smallest field
    return open_ && runner >= 0 && runner < kMaxFieldSize && (runner < kAlwaysShown || runner < runnerCount_);
}

bool BettingWindowModel::CanChooseRunner(HorseSelector choice) const
{
    if (!CanPressKey() || openBet_.type == BetType::Bad || SelectionComplete())
        return false;
    if (IsWheel(choice))
        return WheelOffered() && (choice == HorseAll || LongShotLeft());
    return choice >= 0 && choice < runnerCount_ && !NamedInBet(choice);
}

BetActionResult BettingWindowModel::ChooseRunner(HorseSelector choice)
{
    if (!CanChooseRunner(choice)) {
        if (!CanPressKey())
            return Refused(open_ ? Tr("BettingWindow", "Choose a player first.") : std::string());
        if (openBet_.type == BetType::Bad)
            return Refused(Tr("BettingWindow", "Choose the type of bet first."));
        if (SelectionComplete())
            return Refused(Tr("BettingWindow", "Every runner of this bet is chosen."));
        if (IsWheel(choice)) {
            if (!WheelOffered())
                return Refused(
                    Tr("BettingWindow",
                       "\"All\" and \"Long\" can only fill the last runner of an Exacta or a Triacta."));
            return Refused(Tr("BettingWindow", "No runner left in this race is a long shot."));
        }
        if (NamedInBet(choice))
            return Refused(Tr("BettingWindow", "That runner is already in this bet."));
        return Refused(Tr("BettingWindow", "That runner is not in this race."));
    }
    openBet_.horse[legsChosen_] = choice;
    ++legsChosen_;
    return Clicked(true);
}

bool BettingWindowModel::SelectionComplete() const
{
    return openBet_.type != BetType::Bad && legsChosen_ == LegsRequired();
}

bool BettingWindowModel::CanBuy() const
{
    return CanPressKey() && openBet_.amount > 0 && SelectionComplete();
}

BetActionResult BettingWindowModel::Buy()
{
    if (!CanBuy())
        return Refused(CanPressKey()
                           ? Tr("BettingWindow", "Choose an amount, a type of bet and its runners first.")
                           : std::string());
    Seat& seat = seats_[current_];
    // The full table is refused with the delete sound; the bet stays composed.
    if (seat.bets.IsFull())
        return {.sound = SoundEffect::Delete, .message = FullTableNote()};

    Bet bet = openBet_;
    bet.description = BetLine();
    bet.won = 0;
    // The window cannot compose a bet that does not fit the field, but the
    // pools are indexed by its legs: a bet they would refuse is never bought.
    if (!IsValidBet(bet, runnerCount_))
        return Refused(Tr("BettingWindow", "This bet does not fit the runners of this race."));
    // The table first: the pools get the stake only once a bet holds it.
    if (!seat.bets.Add(bet))
        return Refused(Tr("BettingWindow", "This bet cannot be taken."));
    AddBetToPools(delta_, bet, +1, runnerCount_);

    // The stake stays spent: the bet now holds it.
    reserved_ = 0;
    openBet_ = Bet{};
    SelectPlayer(current_);
    return {.applied = true, .sound = SoundEffect::Buy, .message = FullTableNote()};
}

bool BettingWindowModel::CanClearAll() const
{
    return CanClearAmount();
}

BetActionResult BettingWindowModel::ClearAll()
{
    if (!CanClearAll())
        return Refused();
    DropOpenBet();
    return {.applied = true};
}

bool BettingWindowModel::CanView() const
{
    return CanPressKey() && !seats_[current_].bets.Bought().empty() && !review_.IsOpen();
}

BetActionResult BettingWindowModel::View()
{
    if (!CanView())
        return Refused(CanPressKey() && !review_.IsOpen()
                           ? Tr("BettingWindow", "There are no bets to review yet.")
                           : std::string());
    DropOpenBet();
    review_.Open(seats_[current_].bets, runnerCount_);
    reviewPlayer_ = current_;
    return {.applied = true};
}

BetActionResult BettingWindowModel::CloseReview()
{
    if (!review_.IsOpen() || !ValidPlayer(reviewPlayer_))
        return {};
    Seat& seat = seats_[reviewPlayer_];
    review_.CloseInto(seat.bets, seat.balance, delta_);
    reviewPlayer_ = -1;
    return {.applied = true};
}

std::string BettingWindowModel::BetLine() const
{
    std::string legs[3];
    for (int i = 0; i < legsChosen_ && i < 3; ++i)
        legs[i] = HorseSelectorScreenText(openBet_.horse[i]);
    const std::string amount = AmountText();
    const std::string type = openBet_.type == BetType::Bad ? std::string() : BetTypeScreenText(openBet_.type);
    const std::string boxedMark = BoxedMark(openBet_.boxed);
    return ComposeBetLine({
        .playerName = HasPlayer() ? std::string_view(seats_[current_].name) : std::string_view(),
        .amount = amount,
        .type = type,
        .boxedMark = boxedMark,
        .leg1 = legs[0],
        .leg2 = legs[1],
        .leg3 = legs[2],
    });
}

std::vector<std::string> BettingWindowModel::CurrentPlayerBetLines() const
{
    std::vector<std::string> lines;
    if (!HasPlayer())
        return lines;
    for (const Bet& bet : seats_[current_].bets.Bought())
        lines.push_back(bet.description);
    return lines;
}

const BetTable& BettingWindowModel::Bets(int player) const
{
    static const BetTable kNoBets;
    return ValidPlayer(player) ? seats_[player].bets : kNoBets;
}

bool BettingWindowModel::WheelOffered() const
{
    const int legs = LegsRequired();
    return legs >= 2 && legsChosen_ == legs - 1 && runnerCount_ > legsChosen_;
}

// "Long" is filled only by a long shot finishing in the open place; with no
// long shot left among the runners not yet named, such a bet could never
// collect, so it is not offered.
bool BettingWindowModel::LongShotLeft() const
{
    for (int k = 0; k < runnerCount_; ++k) {
        if (!NamedInBet(k) && IsLongShot(odds_[k]))
            return true;
    }
    return false;
}

bool BettingWindowModel::NamedInBet(HorseSelector choice) const
{
    for (int i = 0; i < legsChosen_ && i < 3; ++i) {
        if (openBet_.horse[i] == choice)
            return true;
    }
    return false;
}

// Gives the stake reserved so far back and takes the new one, so that balance
// plus reserved stake stays the money the player began the bet with.
void BettingWindowModel::Reserve(int amount)
{
    Seat& seat = seats_[current_];
    seat.balance = static_cast<int>(static_cast<std::int64_t>(seat.balance) + reserved_ - amount);
    reserved_ = amount;
    openBet_.amount = amount;
}

// Abandons the bet being composed: its stake goes back and the player is left
// with the keypad ready and nothing else chosen.
void BettingWindowModel::DropOpenBet()
{
    if (HasPlayer())
        Reserve(0);
    reserved_ = 0;
    openBet_ = Bet{};
    legsChosen_ = 0;
    digitsLocked_ = false;
    amountStarted_ = false;
}

void BettingWindowModel::SelectPlayer(int player)
{
    DropOpenBet();
    current_ = player;
}

} // namespace galloria

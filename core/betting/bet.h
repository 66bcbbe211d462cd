#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace galloria {

// Most runners a race can have; runner indexes are 0 .. kMaxFieldSize - 1.
inline constexpr int kMaxFieldSize = 12;

// Bet type codes. They are stored in saved games and index the betting
// statistics, so every value is explicit and must never change.
enum class BetType : std::int32_t {
    Bad = 0, // no type chosen yet
    Win = 1,
    Place = 2,
    Show = 3,
    Across = 4, // a Win, a Place and a Show on one runner, a third of the stake each
    Exacta = 5,
    Triacta = 6,
};
inline constexpr int kBetTypeCount = 7; // codes 0..6

constexpr int BetTypeCode(BetType type)
{
    return static_cast<int>(type);
}

// The word for a type, as written in every file: "Bad", "Win" .. "Triacta".
// A code outside 0..6 reads as "Bad".
std::string_view BetTypeText(BetType type);
// The same word in the player's language, for the screen.
std::string BetTypeScreenText(BetType type);

// How many runners a bet of the type names: 1 for Win .. Across, 2 for an
// Exacta, 3 for a Triacta, 0 for Bad.
int LegCount(BetType type);

// Only Exactas and Triactas can be boxed (any order of the named runners).
bool IsBoxable(BetType type);

// One leg of a bet: a runner index 0..11, or one of the two wheel selectors,
// which may stand only in the last leg of an Exacta or a Triacta.
using HorseSelector = std::int32_t;
inline constexpr HorseSelector HorseAll = 12;  // any runner not named in an earlier leg
inline constexpr HorseSelector HorseLong = 13; // a long shot in that place

constexpr bool IsWheel(HorseSelector leg)
{
    return leg == HorseAll || leg == HorseLong;
}

// "1".."12" for a runner (its number is its index + 1), "All", "Long";
// empty for anything else. HorseSelectorScreenText words the wheels in the
// player's language.
std::string HorseSelectorText(HorseSelector leg);
std::string HorseSelectorScreenText(HorseSelector leg);

// A runner is a long shot when its odds are strictly above 10.0.
inline constexpr double kLongShotOdds = 10.0;
constexpr bool IsLongShot(double odds)
{
    return odds > kLongShotOdds;
}

// longShotCount: the long shots among a race's runners.
int CountLongShots(std::span<const double> fieldOdds);

// One bought bet. A slot with amount 0 is empty.
struct Bet {
    std::string description{}; // the bet line as it stood when the bet was bought
    int amount = 0;            // stake in whole dollars
    int won = 0;               // dollars credited at settlement; 0 before and for a losing bet
    BetType type = BetType::Bad;
    bool boxed = false;
    HorseSelector horse[3] = {}; // legs 1..3; legs the type does not use hold 0
};

// Whether a bet can stand in a race of fieldSize runners: a real type, a
// positive stake, each leg it uses a distinct runner of the field, a wheel
// only in the last leg of an Exacta or Triacta (with enough runners left to
// fill it), a box only on a boxable type. The pools are indexed by the legs,
// so nothing that fails this test may reach them.
bool IsValidBet(const Bet& bet, int fieldSize);

// At most this many bets per player and race.
inline constexpr int kMaxBetsPerPlayer = 25;

// One player's bets for the race: slots 0 .. count-1 hold the bought bets in
// the order of purchase, each with a positive amount; the slots from count on
// are empty (Bet{}). The operations below keep that true.
struct BetTable {
    int count = 0;
    Bet slots[kMaxBetsPerPlayer];

    bool IsFull() const { return count >= kMaxBetsPerPlayer; }

    // Appends a bought bet; false (and nothing changes) when the table is
    // full or the bet has no stake.
    bool Add(const Bet& bet);

    // Takes out the bet in slot index and moves the later bets up; nothing
    // when index is not a bought bet.
    std::optional<Bet> RemoveAt(int index);

    void Clear();

    // The bought bets, in the order of purchase (a count out of range, as
    // from a damaged file, never reaches past the slots).
    std::span<Bet> Bought() { return std::span<Bet>(slots).first(BoughtCount()); }
    std::span<const Bet> Bought() const { return std::span<const Bet>(slots).first(BoughtCount()); }

private:
    std::size_t BoughtCount() const;
};

} // namespace galloria

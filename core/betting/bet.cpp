#include "betting/bet.h"

#include "base/screen_text.h"

#include <algorithm>

namespace galloria {

namespace {

constexpr ScreenText kBetTypeTexts[kBetTypeCount] = {
    SCREEN_TEXT("BetType", "Bad"),    SCREEN_TEXT("BetType", "Win"),    SCREEN_TEXT("BetType", "Place"),
    SCREEN_TEXT("BetType", "Show"),   SCREEN_TEXT("BetType", "Across"), SCREEN_TEXT("BetType", "Exacta"),
    SCREEN_TEXT("BetType", "Triacta")};
constexpr ScreenText kAllText = SCREEN_TEXT("BetType", "All");
constexpr ScreenText kLongText = SCREEN_TEXT("BetType", "Long");
constexpr int kLegCounts[kBetTypeCount] = {0, 1, 1, 1, 1, 2, 3};

constexpr bool IsKnownType(BetType type)
{
    return BetTypeCode(type) >= 0 && BetTypeCode(type) < kBetTypeCount;
}

} // namespace

std::string_view BetTypeText(BetType type)
{
    return kBetTypeTexts[IsKnownType(type) ? BetTypeCode(type) : 0].source;
}

std::string BetTypeScreenText(BetType type)
{
    return Tr(kBetTypeTexts[IsKnownType(type) ? BetTypeCode(type) : 0]);
}

int LegCount(BetType type)
{
    return IsKnownType(type) ? kLegCounts[BetTypeCode(type)] : 0;
}

bool IsBoxable(BetType type)
{
    return type == BetType::Exacta || type == BetType::Triacta;
}

std::string HorseSelectorText(HorseSelector leg)
{
    if (leg >= 0 && leg < kMaxFieldSize)
        return std::to_string(leg + 1);
    if (leg == HorseAll)
        return kAllText.source;
    if (leg == HorseLong)
        return kLongText.source;
    return {};
}

std::string HorseSelectorScreenText(HorseSelector leg)
{
    return IsWheel(leg) ? Tr(leg == HorseAll ? kAllText : kLongText) : HorseSelectorText(leg);
}

int CountLongShots(std::span<const double> fieldOdds)
{
    return static_cast<int>(std::ranges::count_if(fieldOdds, IsLongShot));
}

bool IsValidBet(const Bet& bet, int fieldSize)
{
    const int legs = LegCount(bet.type);
    if (legs == 0 || bet.amount <= 0 || (bet.boxed && !IsBoxable(bet.type)))
        return false;
    if (fieldSize < legs || fieldSize > kMaxFieldSize)
        return false;

    for (int i = 0; i < legs; ++i) {
        const HorseSelector leg = bet.horse[i];
        const bool lastLegWheel = i == legs - 1 && legs > 1 && IsWheel(leg);
        if (lastLegWheel)
            continue;
        if (leg < 0 || leg >= fieldSize)
            return false;
        for (int earlier = 0; earlier < i; ++earlier) {
            if (bet.horse[earlier] == leg)
                return false;
        }
    }
    return true;
}

bool BetTable::Add(const Bet& bet)
{
    const int bought = static_cast<int>(BoughtCount());
    if (bought == kMaxBetsPerPlayer || bet.amount <= 0)
        return false;
    slots[bought] = bet;
    count = bought + 1;
    return true;
}

std::optional<Bet> BetTable::RemoveAt(int index)
{
    const int bought = static_cast<int>(BoughtCount());
    if (index < 0 || index >= bought)
        return std::nullopt;
    Bet removed = std::move(slots[index]);
    std::move(slots + index + 1, slots + bought, slots + index);
    count = bought - 1;
    slots[count] = Bet{};
    return removed;
}

void BetTable::Clear()
{
    count = 0;
    std::ranges::fill(slots, Bet{});
}

std::size_t BetTable::BoughtCount() const
{
    return static_cast<std::size_t>(std::clamp(count, 0, kMaxBetsPerPlayer));
}

} // namespace galloria

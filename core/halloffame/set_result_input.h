#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace galloria {

// What the end-of-set update of the hall of fame reads of one player slot.
struct SlotResultInput {
    std::string name; // empty when the slot is not in the game
    std::int32_t balance = 0;
    std::int32_t startBalance = 0;   // balance at the start of the set
    std::int32_t settledBalance = 0; // balance after the last settled race

    // The player's betting record, by bet-type code 0..6 (1 Win, 2 Place,
    // 3 Show, 4 Across, 5 Exacta, 6 Triacta; 0 belongs to no type).
    std::array<std::int32_t, 7> betsPlaced{};
    std::array<std::int32_t, 7> betsWon{}; // payout strictly above the stake
    std::array<std::int32_t, 7> amountBet{};
    std::array<std::int32_t, 7> amountWon{};
};

// The figures of a finished set that the hall of fame turns into entries.
struct SetResultInput {
    std::array<SlotResultInput, 4> slots;
    std::int32_t raceCounter = -1; // running race number of the last race
    bool firstTenEligible = false; // the Web Ten list may take this set
    std::int32_t playerCount = 0;
};

} // namespace galloria

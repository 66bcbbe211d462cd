#pragma once

#include "race/race_call_phrases.h"
#include "race/race_engine.h"

#include <array>
#include <span>
#include <string>

namespace galloria {

// How far apart the first three finished, in course units: margins[0] from
// the winner to the second, margins[1] from the second to the third; -1
// while (or when) that place is not taken. 0 is a dead heat. Each margin is
// the later runner's distance from the line in the frame its leader finished.
struct FinishMargins {
    std::array<int, 2> units{-1, -1};
};

// The track's caller: reads the engine after every tick and says what a
// crowd wants to hear: the start, the first three with their margins at the
// quarter, half way and the home turn, a runner making a move, the leader
// tiring, and the finish. It only reads the engine (positions, lanes,
// speeds, energy, finish order) and the names: the same race always gets the
// same calls, and watching never changes the race.
class RaceCaller {
public:
    // `names` by runner (missing ones are called by number); `variant`
    // chooses among the phrasings, the race's number in the game.
    RaceCaller(std::span<const std::string> names, int variant);

    // Reads the tick the engine has just run; true when it gives a call,
    // which Call() then holds.
    bool Observe(const CRaceEngine& engine);
    const std::string& Call() const { return call_; }
    const FinishMargins& Margins() const { return margins_; }

    // A move is two places or more gained within this many ticks.
    static constexpr int kMoveWindowTicks = 40;
    // A call of a move or of a tiring leader waits this long after any call,
    // so each stays on screen long enough to be read.
    static constexpr int kQuietTicks = 50;
    // The first two this close at the winner's finish make a photo.
    static constexpr int kPhotoUnits = 30;

private:
    // Time for a call of a move or a tiring leader.
    bool Quiet(const CRaceEngine& engine) const;
    void SortPlaces(const CRaceEngine& engine);
    bool CallFinish(const CRaceEngine& engine);
    bool CallPoint(const CRaceEngine& engine);
    bool CallMove(const CRaceEngine& engine);
    bool CallTiring(const CRaceEngine& engine);
    void Say(CallKind kind, const CallWords& words, int tick);
    const std::string& Name(int runner) const { return names_[runner]; }

    std::array<std::string, CRaceEngine::kMaxRunners> names_;
    int variant_;
    std::string call_;
    FinishMargins margins_;
    int field_ = 0;
    std::array<int, CRaceEngine::kMaxRunners> order_{}; // runners by place, leader first
    std::array<int, CRaceEngine::kMaxRunners> place_{}; // place (0 = first) by runner
    // Each runner's place at every tick of the last move window, as a ring.
    std::array<std::array<signed char, CRaceEngine::kMaxRunners>, kMoveWindowTicks> placeHistory_{};
    std::array<int, CRaceEngine::kMaxRunners> lastMoveCall_{};
    std::array<bool, CRaceEngine::kMaxRunners> tiringCalled_{};
    // Noses in the frames the winner and the second finished.
    std::array<std::array<int, CRaceEngine::kMaxRunners>, 2> finishNoses_{};
    std::array<int, static_cast<int>(CallKind::Alone) + 1> saidOfKind_{};
    int placedSeen_ = 0;
    int lastLeader_ = 0;
    int lastCallTick_ = -1000;
    bool winCalled_ = false;
};

} // namespace galloria

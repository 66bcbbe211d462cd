#pragma once

#include "race/race_call.h"

#include <span>
#include <string>
#include <vector>

namespace galloria {

class GameRandom;

// The calls of one whole race, worked out before it is shown by running it
// on copies of the engine and the generator (the race is deterministic, so
// the copies run exactly the race the player will see), with the margins of
// the first three and the tick the winner crossed in.
struct RaceCallSheet {
    struct TimedCall {
        int tick = 0;
        std::string text;
    };
    std::vector<TimedCall> calls; // in tick order
    FinishMargins margins;
    int winnerTick = -1;

    // The call on the line at `tick`: the last one made by then; empty before the start.
    std::string_view CallAt(int tick) const;
};

// Calls the race `inputs` describes (an engine with its field filled in, not
// yet started) as it runs from `random`; neither is changed.
RaceCallSheet CallRace(const CRaceEngine& inputs, const GameRandom& random,
                       std::span<const std::string> names, int variant);

// The finish in slow motion: the ticks before the winner crosses, shown at
// a quarter of the speed. In a replay always; in the live race when the
// first two finish within a length.
inline constexpr int kSlowMotionTicks = 30;
inline constexpr int kSlowMotionFactor = 4;
bool CloseFinish(const FinishMargins& margins);
bool SlowMotionTick(const RaceCallSheet& sheet, bool replay, int tick);

} // namespace galloria

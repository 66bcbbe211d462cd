#pragma once

#include <functional>

namespace galloria {

class ShownRace;

// Shows a race, live or replayed, at its pace: one engine tick per frame
// period (the race says how long each frame stays), the deadline always taken from the present so that a
// slow frame or a pause never brings a burst of catch-up ticks. Between
// frames the loop waits for the window's events until about a millisecond
// before the deadline, then meets it precisely, so a race does not keep a
// core busy. The first frame, the runners in the gate, stays 1.5 s with the
// gate bell at 1.2 s and the gallop after it.
//
// showFrame draws and presents the frame just stepped. Returns when the race
// is over or the player stopped the showing; a quit asked for meanwhile ends
// the program with exit status 71.
void RunRaceLoop(ShownRace& race, const std::function<void()>& showFrame,
                 const std::function<bool()>& quitRequested);

// Handles the window's events for `milliseconds`, sleeping while none come
// (processEvents with a time limit would return at once and spin), or until
// the race is stopped: a key ends a replay at once, even in the gate's hold.
void PumpEventsFor(long long milliseconds, const ShownRace& race);

// Ends the program as a quit during a race does: no state is saved.
[[noreturn]] void QuitDuringRace();

inline constexpr int kQuitDuringRaceExitCode = 71;

} // namespace galloria

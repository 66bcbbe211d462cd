#pragma once

#include <string_view>

namespace galloria {

// The game's sounds by number. The numbers are the ones the game's events ask
// for, so they keep explicit values.
enum class SoundEffect : int {
    Start = 1,    // the view is first shown
    Pop = 2,      // a dialog or box opens
    Share = 3,    // not played
    Run = 4,      // the horses are running (loops)
    StopRun = 5,  // the race ends or pauses: the loop stops
    Program = 6,  // a race's program is presented
    Neigh = 7,    // RACE! starts a race
    Gate = 8,     // the gate opens
    End = 9,      // not played
    Click = 10,   // keys and choices in the betting window
    Buy = 11,     // a bet is bought
    Cheer = 12,   // the leader nears the finish
    Cancel = 13,  // the betting window closes
    Delete = 14,  // a bet is deleted, or BUY with every slot taken
    Tada = 15,    // the notice box praises
    Silence = 20, // the view is destroyed
};

// The wave file of a sound, relative to the game's folder; empty for the two
// stop requests and for any number without a file.
std::string_view SoundFileName(SoundEffect sound);

// Only the running sound repeats until another request replaces it.
constexpr bool SoundLoops(SoundEffect sound)
{
    return sound == SoundEffect::Run;
}

} // namespace galloria

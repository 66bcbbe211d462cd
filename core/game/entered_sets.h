#pragma once

#include "betting/race_set_state.h"

#include <string>
#include <string_view>

namespace galloria {

class SettingsStore;

// Where the sets already entered in the hall of fame are remembered.
inline constexpr std::string_view kEnteredSetsSection = "Settings";
inline constexpr std::string_view kEnteredSetsKey = "EnteredSets";
// How many entered sets are remembered; the oldest is forgotten first.
inline constexpr int kRememberedEnteredSets = 16;

// A set's end, as its saved game would hold it: a fingerprint of the saved
// game's text without its date. The automatic save after the last race of a
// set and the state at the set's end give the same fingerprint, and so do
// that file and any copy of it the player saved, whenever it is opened.
std::string SetEndFingerprint(const RaceSetState& state);

// Whether the hall of fame has taken the set with this fingerprint, so that
// opening a saved game of a finished set does not enter it a second time.
bool SetAlreadyEntered(const SettingsStore& store, std::string_view fingerprint);

// Remembers that the hall of fame took the set, even across restarts.
void RememberEnteredSet(SettingsStore& store, std::string_view fingerprint);

} // namespace galloria

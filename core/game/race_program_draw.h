#pragma once

#include <string>

namespace galloria {

class GameRandom;
class Stable;
struct RaceProgram;

// No horse runs twice in a set, so a stable must hold enough horses for ten
// fields of the largest size.
inline constexpr int kHorsesNeededForASet = 120;

// The refusal shown when the stable is too small for a set; empty when it is
// large enough.
std::string StableTooSmallMessage(int horseCount);

// Draws the ten races of a set into `program`: for each race a purse, a field
// size and horses of a class that suits the purse, each horse at most once in
// the set; then the morning-line odds of every field. The stable's statistics
// must be current. Refuses (false, program cleared) when the stable holds
// fewer than kHorsesNeededForASet horses, since the draw could not end.
bool DrawRaceProgram(RaceProgram& program, const Stable& stable, GameRandom& random);

} // namespace galloria

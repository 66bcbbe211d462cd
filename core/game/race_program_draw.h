#pragma once

#include <span>
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

// Puts the horses chosen in the horse database (stable indexes, ended by the
// first -1) into the first posts of `race`, in the order chosen. A chosen
// horse that was drawn for a later post of the race gives that post to the
// horse it displaces, so no horse runs twice; a chosen index past the stable
// (deleted since) leaves its post as drawn. Six or more chosen horses make the
// whole field. The race's odds are made again for the new field. Returns
// whether any horse was chosen; the program is untouched when none was.
bool PlaceChosenHorses(RaceProgram& program, int race, std::span<const int> chosen, const Stable& stable);

} // namespace galloria

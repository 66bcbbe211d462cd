#pragma once

#include <span>
#include <string>
#include <string_view>

namespace galloria {

class GameRandom;

// The tipster's whisper before a race: now and then a long shot, named with a
// word of praise and a closing line. The tipped runner is favoured by the
// race engine, so a tip is worth having.

// Draws a runner at random and tips it one time in three, and only when it is
// a long shot; -1 when there is no tip this race. Both draws are made every race.
int DrawTippedRunner(std::span<const double> fieldOdds, GameRandom& random);

// The tip as the tipster says it: the name, a praise and a closing line,
// drawn in that order.
std::string DrawTipText(std::string_view horseName, GameRandom& random);

} // namespace galloria

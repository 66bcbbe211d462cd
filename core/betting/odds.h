#pragma once

#include <span>
#include <string>

namespace galloria {

class Stable;
struct RaceProgram;

// Odds are decimal figures of return per dollar, always held within these bounds.
inline constexpr double kMinOdds = 2.5;
inline constexpr double kMaxOdds = 1000.0;

double ClampOdds(double odds);

// Makes one race's odds fair: given each runner's rating figure, scales them
// so that the sum of 1 / odds over the field is 1, then clamps each into
// 2.5 .. 1000.0. A rating that is not a positive number (as from a damaged
// stable) is taken as the longest odds rather than poisoning the field.
void NormaliseFieldOdds(std::span<double> odds);

// The morning-line odds of all ten races of a drawn program, from the rating
// odds of the horses that run in them.
void NormaliseOdds(RaceProgram& program, const Stable& stable);

// Moves a race's odds by one result: the winner's halved towards 1, every
// other runner's one longer, each clamped. finishOrder lists runners by place.
void ApplyFinishToOdds(std::span<double> odds, std::span<const int> finishOrder);

// The fractional odds text of a figure: "%d:1" above 5.75 (x - 1 rounded half
// up), then the steps "9:2", "4:1", "7:2", "3:1", "5:2", "2:1", "9:5" and
// "8:5" for 2.7 and below.
std::string FormatOdds(double x);

} // namespace galloria

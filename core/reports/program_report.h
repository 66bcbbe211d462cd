#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace galloria {

class Stable;
struct RaceProgram;

inline constexpr std::string_view kProgramReportFileName = "Program.txt";

// The program of a race set as text: for each of the ten races its number, a
// header and one line per runner in post order (post number, name, morning-line
// odds as a fraction, last finish, last purse, best time, firsts, seconds,
// thirds, earnings from the stable's statistics), then a separator line.
// A post whose stable index names no horse of `stable` (a damaged program)
// keeps its line, with an empty name and zero figures.
std::string ProgramReportText(const RaceProgram& program, const Stable& stable);

// Writes "Program.txt" into `folder`, replacing any old one whole. Returns
// false, leaving the old file as it was, when it could not be written; the
// report is for the player only, so the game goes on either way.
bool WriteProgramReport(const std::filesystem::path& folder, const RaceProgram& program,
                        const Stable& stable);

} // namespace galloria

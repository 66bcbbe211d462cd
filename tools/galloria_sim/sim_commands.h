#pragma once

#include "sim_arguments.h"

#include <iosfwd>

namespace galloria::sim {

// Each command writes its report to `out` and returns the exit status; bad
// arguments throw UsageError, a stable file that fails throws FieldError.
int RunRaceCommand(const SimArguments& arguments, std::ostream& out);
int RunOddsCommand(const SimArguments& arguments, std::ostream& out);
int RunStableCommand(const SimArguments& arguments, std::ostream& out);
int RunSetCommand(const SimArguments& arguments, std::ostream& out);
int RunBenchCommand(const SimArguments& arguments, std::ostream& out);
// Returns 1 when an expectation of the script failed.
int RunPlayCommand(const SimArguments& arguments, std::ostream& out);

} // namespace galloria::sim

#pragma once

#include "sim_arguments.h"

#include "stable/horse_record.h"

#include <string>
#include <vector>

namespace galloria {
class CRaceEngine;
}

namespace galloria::sim {

// One runner of a simulated race: its horse (from a stable, or made from the
// characteristics given by hand) and how the tables name it.
struct SimRunner {
    HorseRecord horse{};
    std::string label;
};

// A stable file that cannot be read (missing, unreadable, no complete
// record); the message is printed as it stands and the simulator exits with 1.
class FieldError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The field from --horse options, or from --stable with --field. Throws
// UsageError for bad arguments and FieldError for a stable file that fails.
std::vector<SimRunner> BuildField(const SimArguments& arguments);

// Copies the runners' characteristics into the engine's inputs.
void LoadField(CRaceEngine& engine, const std::vector<SimRunner>& field);

} // namespace galloria::sim

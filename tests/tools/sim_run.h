#pragma once

// Runs galloria-sim in the test's own process and keeps what it printed.

#include "sim.h"

#include <sstream>
#include <string>
#include <vector>

namespace galloria::sim {

struct SimRun {
    int status;
    std::string out;
    std::string err;
};

inline SimRun Sim(const std::vector<std::string>& words)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunGalloriaSim(words, out, err);
    return {status, out.str(), err.str()};
}

} // namespace galloria::sim

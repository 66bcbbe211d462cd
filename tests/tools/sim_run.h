#pragma once

// Runs galloria-sim in the test's own process and keeps what it printed, and reads its --json lists.

#include "sim.h"

#include <regex>
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

// The numbers of the list "key":[...] in a --json line; empty when it has none.
template <typename Number = double>
std::vector<Number> JsonList(const std::string& line, const std::string& key)
{
    std::vector<Number> values;
    std::smatch match;
    if (std::regex_search(line, match, std::regex("\"" + key + "\":\\[([^\\]]*)\\]"))) {
        std::stringstream items(match[1].str());
        for (std::string item; std::getline(items, item, ',');)
            values.push_back(static_cast<Number>(std::stod(item)));
    }
    return values;
}

} // namespace galloria::sim

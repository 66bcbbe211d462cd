#pragma once

#include <string>
#include <vector>

namespace galloria::sim {

// Compact JSON arrays in a fixed format, so a seeded run prints the same line
// on every machine.
std::string JsonArray(const std::vector<int>& values);
std::string JsonArray(const std::vector<double>& values, int decimals);

}  // namespace galloria::sim

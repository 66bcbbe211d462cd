#pragma once

#include <string>
#include <vector>

namespace galloria::sim {

// Compact JSON arrays in a fixed format, so a seeded run prints the same line
// on every machine.
std::string JsonArray(const std::vector<int>& values);
std::string JsonArray(const std::vector<double>& values, int decimals);
// A JSON string literal, quotes included, with quotes, backslashes and control
// characters escaped.
std::string JsonString(const std::string& text);

} // namespace galloria::sim

#include "sim_json.h"

#include <cstdio>

namespace galloria::sim {

std::string JsonArray(const std::vector<int>& values)
{
    std::string text = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text += ',';
        text += std::to_string(values[i]);
    }
    return text + "]";
}

std::string JsonArray(const std::vector<double>& values, int decimals)
{
    std::string text = "[";
    char number[64];
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text += ',';
        std::snprintf(number, sizeof number, "%.*f", decimals, values[i]);
        text += number;
    }
    return text + "]";
}

}  // namespace galloria::sim

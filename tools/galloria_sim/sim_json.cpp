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

std::string JsonString(const std::string& text)
{
    std::string quoted = "\"";
    char escape[8];
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

} // namespace galloria::sim

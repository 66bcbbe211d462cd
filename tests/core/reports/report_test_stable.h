#pragma once

#include "stable/stable.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace galloria::testing {

// A stable with these horses at indices 0, 1, ...; on the heap, as it holds 2000 records.
inline std::unique_ptr<Stable> StableWithHorses(const std::vector<std::string_view>& names)
{
    auto stable = std::make_unique<Stable>();
    for (std::string_view name : names)
        SetHorseName(stable->records[stable->count++], name);
    return stable;
}

// The lines of a report split at CR LF.
inline std::vector<std::string> ReportLines(std::string_view text)
{
    std::vector<std::string> lines;
    for (std::size_t end = text.find("\r\n"); end != std::string_view::npos; end = text.find("\r\n")) {
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    return lines;
}

} // namespace galloria::testing

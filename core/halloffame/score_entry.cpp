#include "halloffame/score_entry.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace galloria {

ScoreEntry VacantScoreEntry()
{
    ScoreEntry entry;
    entry.date.Set(kVacantText);
    entry.name.Set(kVacantText);
    entry.value.Set(kVacantText);
    entry.races.Set(kVacantRaces);
    return entry;
}

std::string WholeNumberText(std::int64_t value)
{
    constexpr std::int64_t kLowest = -99'999'999;
    constexpr std::int64_t kHighest = 999'999'999;
    return std::to_string(std::clamp(value, kLowest, kHighest));
}

int LeadingWholeNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t kLimit = std::numeric_limits<int>::max();
    std::int64_t magnitude = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kLimit + 1);
    const std::int64_t value = negative ? -magnitude : std::min(magnitude, kLimit);
    return static_cast<int>(value);
}

} // namespace galloria

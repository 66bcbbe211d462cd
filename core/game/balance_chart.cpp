#include "game/balance_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace galloria {

namespace {

constexpr int kMostIntervals = 8;

std::int64_t FloorTo(std::int64_t value, std::int64_t step)
{
    const std::int64_t q = value / step;
    return (value % step != 0 && value < 0 ? q - 1 : q) * step;
}

std::int64_t CeilTo(std::int64_t value, std::int64_t step)
{
    const std::int64_t q = value / step;
    return (value % step != 0 && value > 0 ? q + 1 : q) * step;
}

} // namespace

int RacesRunInSet(const RaceSetState& state)
{
    const int index = std::clamp(state.raceIndex, 0, kRacesPerSet - 1);
    if (state.raceCounter < 0)
        return 0;
    return std::clamp(index + (state.raceSettled ? 1 : 0), 0, kRacesPerSet);
}

void ScaleBalanceChart(BalanceChart& chart, int min, int max)
{
    if (min > max)
        std::swap(min, max);
    std::int64_t step = 1;
    for (std::int64_t power = 1;; power *= 10) {
        bool found = false;
        for (const int factor : {1, 2, 5}) {
            step = power * factor;
            if (CeilTo(max, step) - FloorTo(min, step) <= step * kMostIntervals) {
                found = true;
                break;
            }
        }
        if (found)
            break;
    }
    std::int64_t low = FloorTo(min, step);
    std::int64_t high = CeilTo(max, step);
    if (high == low)
        high = low + step;
    chart.low = static_cast<int>(std::clamp<std::int64_t>(low, INT32_MIN, INT32_MAX));
    chart.high = static_cast<int>(std::clamp<std::int64_t>(high, INT32_MIN, INT32_MAX));
    chart.step = static_cast<int>(std::min<std::int64_t>(step, INT32_MAX));
}

bool RunsAlongEarlierLine(const BalanceChart& chart, std::size_t index)
{
    if (index >= chart.lines.size())
        return false;
    const std::vector<int>& points = chart.lines[index].points;
    for (std::size_t earlier = 0; earlier < index; ++earlier) {
        const std::vector<int>& under = chart.lines[earlier].points;
        for (std::size_t k = 1; k < std::min(points.size(), under.size()); ++k) {
            if (points[k - 1] == under[k - 1] && points[k] == under[k])
                return true;
        }
    }
    return false;
}

std::string ChartMoneyLabel(int dollars, const BalanceChart& scale)
{
    const std::int64_t value = dollars;
    const std::int64_t magnitude = value < 0 ? -value : value;
    const std::int64_t largest = std::max(std::abs(static_cast<std::int64_t>(scale.low)),
                                          std::abs(static_cast<std::int64_t>(scale.high)));
    // One unit for the whole scale, chosen so every mark is written exactly.
    std::int64_t unit = 1;
    const char* suffix = "";
    if (scale.step > 0 && scale.step % 100000 == 0 && largest >= 1000000) {
        unit = 1000000;
        suffix = "M";
    } else if (scale.step > 0 && scale.step % 1000 == 0 && largest >= 10000) {
        unit = 1000;
        suffix = "k";
    }
    if (magnitude == 0)
        return "$0";
    std::string text = value < 0 ? "-$" : "$";
    text += std::to_string(magnitude / unit);
    // Millions keep their tenths: the step is a whole number of them.
    if (const std::int64_t tenths = magnitude % unit * 10 / unit; unit == 1000000 && tenths != 0) {
        text += '.';
        text += std::to_string(tenths);
    }
    return text + suffix;
}

BalanceChart BalanceChartOf(const RaceSetState& state)
{
    BalanceChart chart;
    chart.racesRun = RacesRunInSet(state);
    int min = 0;
    int max = 0;
    bool any = false;
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        const PlayerSlot& player = state.players[slot];
        if (!player.InGame())
            continue;
        BalanceChart::Line line;
        line.slot = slot;
        line.name = player.name;
        line.points.push_back(player.startBalance);
        for (int race = 0; race < chart.racesRun; ++race)
            line.points.push_back(player.balanceAfterRace[race]);
        for (const int point : line.points) {
            min = any ? std::min(min, point) : point;
            max = any ? std::max(max, point) : point;
            any = true;
        }
        chart.lines.push_back(std::move(line));
    }
    // Money starts at zero: the scale shows how far from nothing a player is.
    ScaleBalanceChart(chart, std::min(min, 0), max);
    return chart;
}

} // namespace galloria

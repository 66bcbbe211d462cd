#include "stable/horse_form_chart.h"

#include "base/screen_text.h"
#include "stable/race_time.h"

#include <algorithm>
#include <cmath>

namespace galloria {

namespace {

constexpr int kMinTimeSpan = 4; // seconds, so a steady horse is not drawn on a razor's edge
constexpr int kFifthsPerSecond = 5;
constexpr double kOddsSteps[] = {5, 10, 20, 50, 100, 200, 500, 1000};

double Clamped(double depth)
{
    return std::clamp(depth, 0.0, 1.0);
}

} // namespace

std::string PlaceText(int place)
{
    const int lastTwo = place % 100;
    ScreenText ordinal = SCREEN_TEXT("Ordinal", "%1th");
    if (lastTwo < 11 || lastTwo > 13) {
        switch (place % 10) {
        case 1:
            ordinal = SCREEN_TEXT("Ordinal", "%1st");
            break;
        case 2:
            ordinal = SCREEN_TEXT("Ordinal", "%1nd");
            break;
        case 3:
            ordinal = SCREEN_TEXT("Ordinal", "%1rd");
            break;
        default:
            break;
        }
    }
    return FillIn(Tr(ordinal), {std::to_string(place)});
}

HorseFormChart BuildFormChart(const HorseRecord& horse)
{
    HorseFormChart chart;
    int fastest = 0;
    int slowest = 0;
    double longest = 0.0;
    for (int i = 0; i < kHistoryLength; ++i) {
        // Slot 0 of the history is the newest race; the chart ends with it.
        const int slot = kHistoryLength - 1 - i;
        FormChartRace& race = chart.races[static_cast<std::size_t>(i)];
        race.place = horse.finishHistory[slot];
        race.run = race.place != 0;
        if (!race.run)
            continue;
        ++chart.racesRun;
        race.fifths = horse.timeHistory[slot];
        race.odds = horse.oddsHistory[slot];
        race.earnings = horse.earningsHistory[slot];
        race.placeText = PlaceText(race.place);
        if (race.fifths > 0) {
            race.timeText = FormatRaceTime(race.fifths);
            fastest = fastest == 0 ? race.fifths : std::min(fastest, race.fifths);
            slowest = std::max(slowest, race.fifths);
        }
        if (std::isfinite(race.odds))
            longest = std::max(longest, race.odds);
        chart.lowestPlace = std::max(chart.lowestPlace, race.place);
    }

    if (fastest > 0) {
        chart.fastestSecond = fastest / kFifthsPerSecond;
        chart.slowestSecond = (slowest + kFifthsPerSecond - 1) / kFifthsPerSecond;
        if (chart.slowestSecond - chart.fastestSecond < kMinTimeSpan) {
            const int extra = kMinTimeSpan - (chart.slowestSecond - chart.fastestSecond);
            chart.fastestSecond = std::max(0, chart.fastestSecond - extra / 2);
            chart.slowestSecond = chart.fastestSecond + kMinTimeSpan;
        }
    }
    chart.longestOdds = kOddsSteps[std::size(kOddsSteps) - 1];
    for (double step : kOddsSteps) {
        if (longest <= step) {
            chart.longestOdds = step;
            break;
        }
    }
    return chart;
}

double HorseFormChart::PlaceDepth(int place) const
{
    const int bottom = std::max(lowestPlace, 2);
    return Clamped(static_cast<double>(place - 1) / (bottom - 1));
}

double HorseFormChart::TimeDepth(int fifths) const
{
    const double span = (slowestSecond - fastestSecond) * static_cast<double>(kFifthsPerSecond);
    if (span <= 0)
        return 0.5;
    return Clamped((fifths - fastestSecond * kFifthsPerSecond) / span);
}

double HorseFormChart::OddsDepth(double odds) const
{
    return longestOdds > 0 ? Clamped(odds / longestOdds) : 0.0;
}

} // namespace galloria

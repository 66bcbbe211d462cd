#include "betting/odds.h"

#include "betting/race_set_state.h"
#include "stable/stable.h"

#include <algorithm>
#include <cmath>

namespace galloria {

double ClampOdds(double odds)
{
    return std::clamp(odds, kMinOdds, kMaxOdds);
}

void NormaliseFieldOdds(std::span<double> odds)
{
    double inverseSum = 0;
    for (double& x : odds) {
        if (!(x > 0) || !std::isfinite(x))
            x = kMaxOdds;
        inverseSum += 1 / x;
    }
    for (double& x : odds)
        x = ClampOdds(x * inverseSum);
}

void NormaliseOdds(RaceProgram& program, const Stable& stable)
{
    for (int race = 0; race < kRacesPerSet; ++race) {
        std::span<double> odds = program.FieldOdds(race);
        for (std::size_t k = 0; k < odds.size(); ++k) {
            const int horse = program.runners[race][k];
            // A post without a horse of the stable gets no rating: NormaliseFieldOdds makes it the longest.
            odds[k] = horse >= 0 && horse < stable.count ? stable.statistics[horse].ratingOdds : 0.0;
        }
        NormaliseFieldOdds(odds);
    }
}

void ApplyFinishToOdds(std::span<double> odds, std::span<const int> finishOrder)
{
    for (std::size_t place = 0; place < finishOrder.size(); ++place) {
        const int runner = finishOrder[place];
        if (runner < 0 || runner >= static_cast<int>(odds.size()))
            continue; // a place not taken
        double& x = odds[static_cast<std::size_t>(runner)];
        x = place == 0 ? (x + 1.0) * 0.5 : x + 1.0;
        x = ClampOdds(x);
    }
}

std::string FormatOdds(double x)
{
    if (x > 5.75) {
        // x - 1 rounded half up; held below what a whole number can hold for an absurd figure.
        const double tenths = std::min((x - 1.0) * 10 + 5, 1e15);
        return std::to_string(static_cast<long long>(tenths) / 10) + ":1";
    }
    struct Step {
        double above;
        const char* text;
    };
    static constexpr Step kSteps[] = {{5.25, "9:2"}, {4.75, "4:1"}, {4.25, "7:2"}, {3.75, "3:1"},
                                      {3.25, "5:2"}, {2.9, "2:1"},  {2.7, "9:5"}};
    for (const Step& step : kSteps) {
        if (x > step.above)
            return step.text;
    }
    return "8:5";
}

} // namespace galloria

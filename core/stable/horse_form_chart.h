#pragma once

#include "stable/horse_record.h"

#include <array>
#include <cstdint>
#include <string>

namespace galloria {

// One race of a horse's form chart.
struct FormChartRace {
    bool run = false;           // false: the horse had not run this many races yet
    int place = 0;              // 1 = won
    int fifths = 0;             // finishing time; 0 = none
    double odds = 0.0;          // the horse's rating odds after the race
    std::uint32_t earnings = 0; // dollars won
    std::string placeText;      // "1st", "2nd" ...; empty for a race not run
    std::string timeText;       // "1:13.2"; empty without a time
};

// A horse's last twenty races as the form card draws them: oldest on the
// left, newest on the right, races not run left empty, and the scales of the
// three strips (place, time, odds) chosen so every race fits. Better is
// higher on every strip: a win, a fast time and short odds sit at the top.
struct HorseFormChart {
    std::array<FormChartRace, kHistoryLength> races; // oldest first
    int racesRun = 0;
    int lowestPlace = 12;    // the place axis runs from 1st down to this
    int fastestSecond = 0;   // the time axis, in whole seconds, top
    int slowestSecond = 0;   // and bottom
    double longestOdds = 10; // the odds axis runs from 0 at the top to this

    // Where a value sits on its strip, from 0.0 (top) to 1.0 (bottom).
    double PlaceDepth(int place) const;
    double TimeDepth(int fifths) const;
    double OddsDepth(double odds) const;
};

HorseFormChart BuildFormChart(const HorseRecord& horse);

// "1st", "2nd", "3rd", "4th" ... "11th", "12th", "21st".
std::string PlaceText(int place);

} // namespace galloria

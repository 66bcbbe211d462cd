#include "stable/race_time.h"

#include <cstdio>

namespace galloria {

std::string FormatRaceTime(int fifths)
{
    if (fifths < 0)
        fifths = 0;
    const int minutes = fifths / 300;
    const int seconds = fifths / 5 - 60 * minutes;
    const int digit = fifths % 5;
    char text[32];
    if (minutes == 0)
        std::snprintf(text, sizeof text, "0:%d.%d", seconds, digit);
    else if (seconds >= 10)
        std::snprintf(text, sizeof text, "%d:%d.%d", minutes, seconds, digit);
    else
        std::snprintf(text, sizeof text, "%d:0%d.%d", minutes, seconds, digit);
    return text;
}

} // namespace galloria

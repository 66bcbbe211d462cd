#pragma once

#include <functional>
#include <string>

namespace galloria {

// A moment of local time, as the hall of fame and the game's files stamp it.
struct LocalDateTime {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
};

// Where the current local time comes from; tests put a fixed moment here.
using LocalClock = std::function<LocalDateTime()>;

LocalDateTime SystemLocalTime();

// The date as month-day-year without zero padding: "2-7-2003".
std::string DateStampText(const LocalDateTime& moment);

// The time on the 24-hour clock without zero padding: "9:5" is five past nine.
std::string TimeStampText(const LocalDateTime& moment);

} // namespace galloria

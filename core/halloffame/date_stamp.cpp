#include "halloffame/date_stamp.h"

#include <ctime>

namespace galloria {

LocalDateTime SystemLocalTime()
{
    const std::time_t now = std::time(nullptr);
    // The game has one thread, so the shared buffer of localtime is safe here.
    const std::tm* local = std::localtime(&now);
    if (local == nullptr)
        return {};
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min};
}

std::string DateStampText(const LocalDateTime& moment)
{
    return std::to_string(moment.month) + "-" + std::to_string(moment.day) + "-" +
           std::to_string(moment.year);
}

std::string TimeStampText(const LocalDateTime& moment)
{
    return std::to_string(moment.hour) + ":" + std::to_string(moment.minute);
}

} // namespace galloria

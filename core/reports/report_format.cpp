#include "reports/report_format.h"

#include "base/file_io.h"
#include "stable/race_time.h"

#include <cstdarg>
#include <cstdio>

namespace galloria {

namespace {

constexpr std::size_t kSeparatorWidth = 94;
constexpr int kFifthsPerMinute = 300;

} // namespace

void AppendSeparatorLine(std::string& text)
{
    text.append(kSeparatorWidth, '_');
    text += kLineEnd;
    text += kLineEnd;
}

void AppendPaddedRight(std::string& text, std::string_view field, std::size_t width)
{
    text += field;
    if (field.size() < width)
        text.append(width - field.size(), ' ');
}

void AppendPaddedLeft(std::string& text, std::string_view field, std::size_t width)
{
    if (field.size() < width)
        text.append(width - field.size(), ' ');
    text += field;
}

void AppendFormatted(std::string& text, const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    std::va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (length > 0) {
        const std::size_t start = text.size();
        // vsnprintf writes a NUL after the text: make room for it, then drop it.
        text.resize(start + static_cast<std::size_t>(length) + 1);
        std::vsnprintf(text.data() + start, static_cast<std::size_t>(length) + 1, format, arguments);
        text.pop_back();
    }
    va_end(arguments);
}

std::string ReportRaceTime(int fifths)
{
    if (fifths >= kFifthsPerMinute)
        return FormatRaceTime(fifths); // from a minute on its seconds are two digits already
    std::string text;
    AppendFormatted(text, "0:%02d.%d", fifths > 0 ? fifths / 5 : 0, fifths > 0 ? fifths % 5 : 0);
    return text;
}

} // namespace galloria

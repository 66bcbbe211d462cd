#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace galloria {

// Helpers shared by the game's text reports ("Program.txt" and the results
// files). Every line ends with kLineEnd; tabs are real tab characters.

// Ends each section of a report: 94 underscores and two line breaks.
void AppendSeparatorLine(std::string& text);

// Appends `field`, padded on the right (left-aligned) or on the left
// (right-aligned) with spaces to `width`; a longer field is kept whole.
void AppendPaddedRight(std::string& text, std::string_view field, std::size_t width);
void AppendPaddedLeft(std::string& text, std::string_view field, std::size_t width);

// Appends a printf-style formatted text of any length.
#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void AppendFormatted(std::string& text, const char* format, ...);

// A race time in fifths of a second as the reports write it, M:SS.F. It is
// FormatRaceTime's text with the seconds always two digits, also under a
// minute, so the time column keeps its width: 0 is "0:00.0", 311 "1:02.1".
// A negative time reads as 0.
std::string ReportRaceTime(int fifths);

} // namespace galloria

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace galloria {

// The lists sort their cells as texts, byte by byte. A cell shorter than
// kSortKeyWidth is padded on the left with '/', which comes before every digit,
// so numbers of different lengths compare as numbers ("$20" before "$100").
inline constexpr std::size_t kSortKeyWidth = 10;

std::string PaddedForSorting(std::string_view text);

} // namespace galloria

#include "base/sort_key.h"

namespace galloria {

std::string PaddedForSorting(std::string_view text)
{
    std::string key;
    if (text.size() < kSortKeyWidth)
        key.assign(kSortKeyWidth - text.size(), '/');
    key += text;
    return key;
}

} // namespace galloria

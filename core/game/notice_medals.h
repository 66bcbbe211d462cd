#pragma once

#include <initializer_list>

namespace galloria {

// A praising notice shows one medal, and one more above each of 10000,
// 15000, 20000 and 30000: one to five in all.
constexpr int NoticeMedalCount(int amount)
{
    int medals = 1;
    for (int threshold : {10000, 15000, 20000, 30000}) {
        if (amount > threshold)
            ++medals;
    }
    return medals;
}

} // namespace galloria

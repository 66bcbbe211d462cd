#include "race/runner_livery.h"

#include <algorithm>

namespace galloria {

namespace {

constexpr std::uint32_t kCloth[12] = {0xFFFF00, 0x00FFFF, 0xFFFFFF, 0xFF0000, 0x33FF99, 0xCC9999,
                                      0x000000, 0x0066FF, 0xFF99FF, 0xCC33FF, 0x669933, 0xFF6600};
constexpr std::uint32_t kSecond[12] = {0x000000, 0x66FF66, 0x0099FF, 0xFFFF66, 0xCC00CC, 0xFF6666,
                                       0xFF0000, 0xFF0099, 0x003399, 0xFFFFFF, 0xCC0000, 0x990033};
constexpr int kRise[11] = {0, 0, 1, 2, 3, 4, 4, 3, 2, 1, 1};
constexpr int kShift[11] = {0, 0, 1, 1, 2, 2, 2, 1, 1, 0, 0};

int Slot(int number)
{
    return std::clamp(number, 1, 12) - 1;
}

} // namespace

std::uint32_t ClothColour(int number)
{
    return kCloth[Slot(number)];
}

std::uint32_t SecondColour(int number)
{
    return kSecond[Slot(number)];
}

bool NumberInWhite(int number)
{
    switch (number) {
    case 4:
    case 6:
    case 7:
    case 8:
    case 10:
    case 11:
        return true;
    default:
        return false;
    }
}

NumberPlacement PlaceNumber(int number, int frame)
{
    const int f = std::clamp(frame, 0, kSpriteFrames - 1);
    const int frameLeft = kSpriteFrameWidth * f + kShift[f];
    NumberPlacement placement;
    placement.top = 13 - kRise[f];
    if (number >= 10) {
        placement.unitsLeft = frameLeft + 53;
        placement.tensLeft = frameLeft + 47;
    } else {
        placement.unitsLeft = frameLeft + 50;
    }
    return placement;
}

} // namespace galloria

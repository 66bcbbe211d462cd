#pragma once

#include <cstdint>

namespace galloria {

// The colours a runner carries by its number 1..12: the saddle cloth, the
// second patch and the number written on the cloth. Colours are 0xRRGGBB.
std::uint32_t ClothColour(int number);
std::uint32_t SecondColour(int number);
// The number is written in white on the darker cloths, in black on the others.
bool NumberInWhite(int number);

// Where the number sits on the saddle in stride frame 0..10, in pixels within
// the frame: it rises and shifts with the saddle as the horse gallops. Two
// digits (10 to 12) are written separately, the "1" six pixels left of the
// units digit.
struct NumberPlacement {
    int top = 0;
    int unitsLeft = 0;
    int tensLeft = -1; // -1 for a one-digit number
};
NumberPlacement PlaceNumber(int number, int frame);

// The sprite strip: eleven frames side by side.
inline constexpr int kSpriteFrameWidth = 116;
inline constexpr int kSpriteHeight = 57;
inline constexpr int kSpriteFrames = 11;
inline constexpr int kSpriteDrawnHeight = 49; // the rows copied onto the course

} // namespace galloria

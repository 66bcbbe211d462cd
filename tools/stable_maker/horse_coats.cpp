#include "horse_coats.h"

#include "base/game_random.h"

#include <algorithm>
#include <array>

namespace galloria::maker {

namespace {

struct Coat {
    int weight; // in a hundred horses
    int red, green, blue;
};

constexpr std::array<Coat, 7> kCoats = {{
    {30, 122, 62, 32},   // bay
    {24, 168, 84, 42},   // chestnut
    {18, 88, 58, 38},    // brown
    {12, 168, 166, 160}, // grey
    {9, 34, 30, 32},     // black
    {5, 214, 174, 96},   // palomino
    {2, 236, 232, 224},  // white
}};

// A channel lightened or darkened by `shade` and tinted by up to 2 either
// way, so no two bays look quite alike and greys stay grey.
int Vary(int channel, int shade, GameRandom& random)
{
    return std::clamp(channel + shade + random.Next() % 5 - 2, 0, 255);
}

} // namespace

std::uint32_t DrawCoatColour(GameRandom& random)
{
    int draw = random.Next() % 100;
    const Coat* coat = &kCoats.back();
    for (const Coat& candidate : kCoats) {
        if (draw < candidate.weight) {
            coat = &candidate;
            break;
        }
        draw -= candidate.weight;
    }
    const int shade = random.Next() % 21 - 10;
    const int red = Vary(coat->red, shade, random);
    const int green = Vary(coat->green, shade, random);
    const int blue = Vary(coat->blue, shade, random);
    return static_cast<std::uint32_t>(red | green << 8 | blue << 16);
}

} // namespace galloria::maker

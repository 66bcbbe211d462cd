#pragma once

#include <cstdint>

namespace galloria {

// The game's one random generator: the classic 15-bit linear congruential
// generator, so that a seeded race or set plays the same with every compiler
// and on every platform. Everything that draws takes it by reference; draws
// are taken as Next() % n.
class GameRandom {
public:
    void Seed(std::uint32_t seed) { state = seed; }

    // A uniform integer 0..32767.
    int Next()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFFu);
    }

    std::uint32_t state = 1;
};

} // namespace galloria

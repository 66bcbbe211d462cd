#pragma once

#include <cstdint>

namespace galloria {
class GameRandom;
}

namespace galloria::maker {

// A horse's coat as a colour 0x00BBGGRR: mostly bays, chestnuts and browns,
// then greys and blacks, a few palominos and whites, each a little varied.
std::uint32_t DrawCoatColour(GameRandom& random);

} // namespace galloria::maker

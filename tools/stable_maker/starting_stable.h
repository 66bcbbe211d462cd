#pragma once

namespace galloria {
class Stable;
}

namespace galloria::maker {

// Fills `stable` with the game's starting horses and their season of history.
// A fixed seed makes it the same, byte for byte, every time.
void MakeStartingStable(Stable& stable);

} // namespace galloria::maker

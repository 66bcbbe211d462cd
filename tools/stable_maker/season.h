#pragma once

namespace galloria {
class GameRandom;
class Stable;
} // namespace galloria

namespace galloria::maker {

// Runs the stable's horses through `races` real races of the engine, in
// fields of similar speed for purses that grow with the class, recording
// every result, so form, times, earnings and odds mean something.
void RunSeason(Stable& stable, GameRandom& random, int races);

} // namespace galloria::maker

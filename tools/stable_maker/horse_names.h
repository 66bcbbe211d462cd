#pragma once

#include <string>
#include <vector>

namespace galloria {
class GameRandom;
}

namespace galloria::maker {

// `count` distinct racing names of letters, spaces and apostrophes, at most
// 29 characters each, built from our own word lists.
std::vector<std::string> MakeHorseNames(GameRandom& random, int count);

} // namespace galloria::maker

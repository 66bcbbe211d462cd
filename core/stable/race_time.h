#pragma once

#include <string>

namespace galloria {

// A race time in fifths of a second as minutes, seconds and a fifths digit:
// 367 is "1:13.2", 311 is "1:02.1", 252 is "0:50.2" (seconds unpadded below a
// minute). The digit after the point counts fifths, 0..4. A negative time
// shows as "0:0.0".
std::string FormatRaceTime(int fifths);

} // namespace galloria

#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace galloria::sim {

// galloria-sim as a function: the words after the program name in, the report
// on `out`, errors on `err`, and the exit status back (0 done, 1 a stable file
// that failed, 2 bad arguments).
int RunGalloriaSim(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

} // namespace galloria::sim

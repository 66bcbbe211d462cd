#pragma once

#include <functional>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace galloria::sim {

class PlayRunner;

// A script line that cannot be understood: its number and what was expected.
// Nothing of a script with such a line is run.
class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& what)
        : std::runtime_error("line " + std::to_string(line) + ": " + what), line(line)
    {
    }
    int line;
};

// One command of a script, understood and ready to run.
struct PlayStep {
    int line = 0;
    std::string text; // the command as written, without its comment
    // "bet" and "review-delete": typed into the betting window, which stays
    // open while such commands follow one another.
    bool atBettingWindow = false;
    std::function<void(PlayRunner&)> run;
};

// Reads a whole script: one command per line, words separated by blanks, a
// quoted "text" (with \" \\ and \n inside) as one word, `#` to the end of the
// line a comment. Throws ScriptError for the first line it cannot understand.
std::vector<PlayStep> ParsePlayScript(std::istream& in);

} // namespace galloria::sim

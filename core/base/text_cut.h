#pragma once

#include <cstddef>
#include <string_view>

namespace galloria {

// The game's two ways of shortening a text, both UTF-8-safe so a cut name
// never shows half a letter.

// The longest prefix of `text` of at most `maxBytes` bytes that does not end
// inside a UTF-8 sequence: for fixed-size fields of the binary files.
std::string_view CutToBytes(std::string_view text, std::size_t maxBytes);

// The first `letters` letters of `text`, as the game counts letters: a lead
// byte with at most three continuation bytes after it is one letter, and a
// continuation byte without a lead byte counts as a letter of its own, so a
// text of stray bytes is cut as short as any other.
std::string_view CutToLetters(std::string_view text, int letters);

// How many letters `text` holds, counted as CutToLetters counts them: the
// width of a text in a column of a fixed-width font.
std::size_t LetterCount(std::string_view text);

} // namespace galloria

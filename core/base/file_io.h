#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

namespace galloria {

// The line ending the game writes into every text file.
inline constexpr std::string_view kLineEnd = "\r\n";

// Replaces the file at `path` with `contents`: they are written to a temporary
// file in the same folder, which is then renamed over the old file, so a crash
// or a full disk never leaves half a file. Missing folders are made. Returns
// false, leaving any old file as it was, when the file could not be written.
bool ReplaceFile(const std::filesystem::path& path, std::string_view contents);

// Reads one line into `line` without its line break; CR LF and LF are both
// accepted. Returns false at the end of the stream.
bool ReadTextLine(std::istream& in, std::string& line);

} // namespace galloria

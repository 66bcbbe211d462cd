#pragma once

#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

namespace galloria {

// The line ending the game writes into every text file.
inline constexpr std::string_view kLineEnd = "\r\n";

// Replaces the file at `path` with `contents`: they are written to a temporary
// file beside it (the name with ".tmp" added), flushed to the disk and renamed
// over the old file, and the folder is flushed too where the system allows,
// so a crash, a kill or a power cut leaves either the old file or the new
// one, never half a file. Missing folders are made. Returns false, leaving
// any old file as it was, when the file could not be written.
bool ReplaceFile(const std::filesystem::path& path, std::string_view contents);

// The temporary file ReplaceFile writes `path` through.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& path);

// Removes the temporary files that saves interrupted by a kill or a power cut
// left in `folder`: "*.tmp" files whose name without ".tmp" ends in one of the
// game's file extensions (.dat, .txt, .gxs, .gxu). Only regular files go;
// nothing below the folder is touched.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

// How reading a whole file went.
enum class FileReadStatus {
    Read,       // the whole file is in `bytes`
    CannotOpen, // missing or unreadable
    NotAFile,   // a folder or anything else that is not a regular file
    TooLong,    // longer than the limit: `bytes` holds its first maxBytes bytes
};

struct FileRead {
    FileReadStatus status = FileReadStatus::CannotOpen;
    std::string bytes;

    bool ok() const { return status == FileReadStatus::Read; }
    bool HasBytes() const { return status == FileReadStatus::Read || status == FileReadStatus::TooLong; }
};

// Reads at most `maxBytes` bytes of the file at `path`, so no file can make
// the game read or hold more than the caller allows.
FileRead ReadFileUpTo(const std::filesystem::path& path, std::size_t maxBytes);

// Reads at most `maxBytes` bytes of `in`; `cut` tells whether more followed.
std::string ReadStreamUpTo(std::istream& in, std::size_t maxBytes, bool& cut);

// Takes the next line off the front of `text` into `line`, without its line
// break: CR LF, LF and CR alone each end a line. Returns false when `text` is
// empty. A last line without a line break is a line too.
bool NextTextLine(std::string_view& text, std::string_view& line);

// Reads one line of at most `maxLength` bytes into `line` without its line
// break (CR LF, LF and CR alone are accepted); the rest of a longer line is
// skipped. Returns false at the end of the stream.
bool ReadTextLine(std::istream& in, std::string& line, std::size_t maxLength = 4096);

} // namespace galloria

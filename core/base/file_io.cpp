#include "base/file_io.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#define GALLORIA_POSIX_FILES 1
#endif

namespace galloria {

namespace {

#if GALLORIA_POSIX_FILES

// Writes and flushes the temporary file to the disk; false on any failure,
// with a file it made and could not finish removed.
bool WriteDurably(const std::filesystem::path& path, std::string_view contents)
{
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file < 0)
        return false;
    bool ok = true;
    std::size_t written = 0;
    while (ok && written < contents.size()) {
        const ssize_t step = ::write(file, contents.data() + written, contents.size() - written);
        if (step < 0 && errno == EINTR)
            continue;
        ok = step > 0;
        if (ok)
            written += static_cast<std::size_t>(step);
    }
    ok = ok && ::fsync(file) == 0;
    ok = ::close(file) == 0 && ok;
    if (!ok)
        ::unlink(path.c_str());
    return ok;
}

// Flushes the folder's entries, so the rename itself survives a power cut.
// Some file systems refuse to flush a folder; the file is safe either way.
void FlushFolder(const std::filesystem::path& folder)
{
    const int handle = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    ::fsync(handle);
    ::close(handle);
}

#else

bool WriteDurably(const std::filesystem::path& path, std::string_view contents)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.flush();
    out.close();
    if (!out) {
        std::error_code error;
        std::filesystem::remove(path, error);
    }
    return static_cast<bool>(out);
}

void FlushFolder(const std::filesystem::path&) {}

#endif

constexpr std::string_view kTemporarySuffix = ".tmp";

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

} // namespace

std::filesystem::path TemporaryPathFor(const std::filesystem::path& path)
{
    std::filesystem::path temporary = path;
    temporary += kTemporarySuffix;
    return temporary;
}

bool ReplaceFile(const std::filesystem::path& path, std::string_view contents)
{
    std::error_code error;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), error);

    const std::filesystem::path temporary = TemporaryPathFor(path);
    if (!WriteDurably(temporary, contents))
        return false;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    FlushFolder(path.parent_path());
    return true;
}

void RemoveStaleTemporaryFiles(const std::filesystem::path& folder)
{
    static constexpr std::array<std::string_view, 4> kGameExtensions = {".dat", ".txt", ".gxs", ".gxu"};
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return;
    for (const std::filesystem::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (!EndsWith(name, kTemporarySuffix) || !entry.is_regular_file(error))
            continue;
        const std::string_view stem = std::string_view(name).substr(0, name.size() - kTemporarySuffix.size());
        for (const std::string_view extension : kGameExtensions) {
            if (EndsWith(stem, extension)) {
                std::filesystem::remove(entry.path(), error);
                break;
            }
        }
    }
}

FileRead ReadFileUpTo(const std::filesystem::path& path, std::size_t maxBytes)
{
    FileRead result;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status))
        return result;
    if (!std::filesystem::is_regular_file(status)) {
        result.status = FileReadStatus::NotAFile;
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return result;
    bool cut = false;
    result.bytes = ReadStreamUpTo(in, maxBytes, cut);
    if (in.bad()) {
        result.bytes.clear();
        return result;
    }
    result.status = cut ? FileReadStatus::TooLong : FileReadStatus::Read;
    return result;
}

std::string ReadStreamUpTo(std::istream& in, std::size_t maxBytes, bool& cut)
{
    std::string bytes;
    cut = false;
    char buffer[16384];
    while (bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
        in.read(buffer, static_cast<std::streamsize>(want));
        const auto got = static_cast<std::size_t>(in.gcount());
        bytes.append(buffer, got);
        if (got < want)
            return bytes;
    }
    cut = in.peek() != std::char_traits<char>::eof();
    return bytes;
}

bool NextTextLine(std::string_view& text, std::string_view& line)
{
    if (text.empty())
        return false;
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        line = text;
        text = {};
        return true;
    }
    line = text.substr(0, end);
    const std::size_t breakLength =
        text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
    text.remove_prefix(end + breakLength);
    return true;
}

bool ReadTextLine(std::istream& in, std::string& line, std::size_t maxLength)
{
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    using Traits = std::char_traits<char>;
    if (buffer == nullptr || Traits::eq_int_type(buffer->sgetc(), Traits::eof())) {
        in.setstate(std::ios::eofbit);
        return false;
    }
    for (;;) {
        const Traits::int_type c = buffer->sbumpc();
        if (Traits::eq_int_type(c, Traits::eof())) {
            in.setstate(std::ios::eofbit);
            return true;
        }
        if (c == '\n')
            return true;
        if (c == '\r') {
            if (buffer->sgetc() == '\n')
                buffer->sbumpc();
            return true;
        }
        if (line.size() < maxLength)
            line += Traits::to_char_type(c);
    }
}

} // namespace galloria

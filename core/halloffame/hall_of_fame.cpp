#include "halloffame/hall_of_fame.h"

#include "base/file_io.h"

#include <fstream>
#include <system_error>

namespace galloria {

void HallOfFame::Load()
{
    const std::filesystem::path path = FilePath();
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    if (!exists && !error) {
        Reset();
        return;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return;
    std::string bytes(kScoreFileSize, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    table = DecodeScoreTable(bytes);
}

bool HallOfFame::Save()
{
    const std::string bytes = EncodeScoreTable(table);
    // One retry for a passing failure, never a loop. The lists are not emptied
    // first: that would only lose the player's results.
    return ReplaceFile(FilePath(), bytes) || ReplaceFile(FilePath(), bytes);
}

bool HallOfFame::Reset()
{
    table = VacantScoreTable();
    return Save();
}

void HallOfFame::StampDateTime()
{
    const LocalDateTime moment = clock();
    today = DateStampText(moment);
    now = TimeStampText(moment);
}

} // namespace galloria

#include "halloffame/hall_of_fame.h"

#include "base/file_io.h"

#include <system_error>

namespace galloria {

void HallOfFame::Load()
{
    // The game's folder: saves a kill interrupted leave their temporary files here.
    RemoveStaleTemporaryFiles(folder);
    const std::filesystem::path path = FilePath();
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    if (!exists && !error) {
        Reset();
        return;
    }
    // Bytes beyond the table are never read. A file that cannot be read, or a
    // folder where the file belongs, leaves the lists as they are.
    const FileRead file = ReadFileUpTo(path, kScoreFileSize);
    if (file.HasBytes())
        table = DecodeScoreTable(file.bytes);
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

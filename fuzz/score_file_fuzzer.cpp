// The score file: any bytes give a table whose texts end inside their fields,
// and the table saved and read again is the same table.
#include "fuzz_check.h"

#include "halloffame/score_file.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace galloria;
    const ScoreTable table = DecodeScoreTable(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const ScoreRow& row : table) {
        for (const ScoreEntry& entry : row) {
            FUZZ_CHECK(entry.date.View().size() < decltype(entry.date)::kSize);
            FUZZ_CHECK(entry.name.View().size() < decltype(entry.name)::kSize);
            FUZZ_CHECK(entry.value.View().size() < decltype(entry.value)::kSize);
            FUZZ_CHECK(entry.races.View().size() < decltype(entry.races)::kSize);
        }
    }
    const std::string saved = EncodeScoreTable(table);
    FUZZ_CHECK(saved.size() == kScoreFileSize);
    FUZZ_CHECK(DecodeScoreTable(saved) == table);
    return 0;
}

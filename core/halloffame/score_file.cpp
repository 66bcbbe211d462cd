#include "halloffame/score_file.h"

namespace galloria {
namespace {

template <std::size_t N> void AppendField(std::string& out, const FixedText<N>& field)
{
    out.append(field.Bytes().data(), N);
}

template <std::size_t N> void TakeField(const char*& in, FixedText<N>& field)
{
    field.SetFromStoredField(in);
    in += N;
}

} // namespace

ScoreTable VacantScoreTable()
{
    ScoreTable table;
    for (ScoreRow& row : table)
        row.fill(VacantScoreEntry());
    return table;
}

std::string EncodeScoreTable(const ScoreTable& table)
{
    std::string out;
    out.reserve(kScoreFileSize);
    for (const ScoreRow& row : table) {
        for (const ScoreEntry& entry : row) {
            AppendField(out, entry.date);
            AppendField(out, entry.name);
            AppendField(out, entry.value);
            AppendField(out, entry.races);
        }
    }
    return out;
}

ScoreTable DecodeScoreTable(std::string_view bytes)
{
    ScoreTable table = VacantScoreTable();
    const std::size_t wholeEntries = bytes.size() / ScoreEntry::kStoredSize;
    const char* in = bytes.data();
    std::size_t entryIndex = 0;
    for (ScoreRow& row : table) {
        for (ScoreEntry& entry : row) {
            if (entryIndex++ == wholeEntries)
                return table;
            TakeField(in, entry.date);
            TakeField(in, entry.name);
            TakeField(in, entry.value);
            TakeField(in, entry.races);
        }
    }
    return table;
}

} // namespace galloria

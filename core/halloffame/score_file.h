#pragma once

#include "halloffame/score_entry.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace galloria {

// The twenty rows of the hall of fame; row r holds entry r (0 = best) of each list.
using ScoreTable = std::array<ScoreRow, kScoreRowCount>;

// The score file is the table as a flat image without header: row by row, list
// by list, each entry's date, name, value and races fields in that order.
inline constexpr std::size_t kScoreFileSize = kScoreRowCount * kScoreListCount * ScoreEntry::kStoredSize;

ScoreTable VacantScoreTable();

// The 15600 bytes of the score file for `table`.
std::string EncodeScoreTable(const ScoreTable& table);

// Reads a score file's bytes. The content is not validated: any bytes give
// texts that are safe to show. Entries the bytes do not cover in full (a short
// file) are vacant; bytes beyond the table are ignored.
ScoreTable DecodeScoreTable(std::string_view bytes);

} // namespace galloria

#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace galloria {

class HallOfFame;
class SettingsStore;

// The results file in use for a race set.
struct ResultsFileStart {
    // The file this set's races are appended to. It is named even when the
    // file could not be created, so a later race can still be recorded once
    // the folder is writable again.
    std::filesystem::path path;
    // The file was created with its heading and the stored suffix moved on.
    // When false the suffix stays, and the next set tries the same name again.
    bool written = false;
};

// The heading of a results file: "Race Day: ", the date, four spaces, the
// time, two line breaks and a separator line.
std::string ResultsFileHeading(std::string_view date, std::string_view time);

// Begins a set's results file in `folder`: takes the stored suffix, replaces
// that file with the heading, and stores the next suffix of the cycle, so the
// eleventh set overwrites the first set's file. `date` and `time` are the
// stamps of the moment (M-D-YYYY and H:M).
ResultsFileStart StartResultsFile(const std::filesystem::path& folder, SettingsStore& settings,
                                  std::string_view date, std::string_view time);

// As above, refreshing the hall of fame's date and time texts from its clock
// first and taking the stamps from there, as the game does.
ResultsFileStart StartResultsFile(const std::filesystem::path& folder, SettingsStore& settings,
                                  HallOfFame& hallOfFame);

// The most of an existing report file AppendToReportFile reads: ten races of
// four players with every bet slot filled take well under a tenth of it.
inline constexpr std::size_t kLargestReportFile = 1 << 20;

// Adds `section` at the end of the report file at `path`, creating the file
// when it is missing. The file is rewritten whole through ReplaceFile (it
// holds ten races at most, a few kilobytes), so a crash or a full disk never
// leaves half a section nor harms the races already recorded. Returns false,
// changing nothing, when `path` is empty, the existing file cannot be read
// (its races would otherwise be lost) or is longer than kLargestReportFile,
// or the new file cannot be written.
bool AppendToReportFile(const std::filesystem::path& path, std::string_view section);

} // namespace galloria

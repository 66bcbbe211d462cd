#pragma once

#include <string>
#include <string_view>

namespace galloria {

class SettingsStore;

// The results files rotate through ten names, "Result01.txt" .. "Result10.txt":
// each race set starts the next one, so the last ten sets are kept and the
// oldest is overwritten. The suffix of the next file is kept in the settings
// store under "Settings" / "Result".
inline constexpr std::string_view kResultSuffixSection = "Settings";
inline constexpr std::string_view kResultSuffixKey = "Result";
inline constexpr std::string_view kFirstResultSuffix = "01";
inline constexpr int kResultsFilesKept = 10;

// True for the ten suffixes "01" .. "10" exactly.
bool IsResultSuffix(std::string_view suffix);

// The suffix after `suffix` in the cycle: "01" -> "02", "09" -> "10", "10" -> "01".
// Anything that is not one of the ten counts as "01".
std::string NextResultSuffix(std::string_view suffix);

// The suffix for the next results file: the stored one, or "01" when none is
// stored or the stored text is not one of the ten. A damaged value thus
// restarts the cycle instead of stopping it or putting arbitrary text (a path,
// say) into a file name.
std::string StoredResultSuffix(const SettingsStore& settings);

// "Result" + suffix + ".txt".
std::string ResultsFileName(std::string_view suffix);

} // namespace galloria

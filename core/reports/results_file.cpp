#include "reports/results_file.h"

#include "base/file_io.h"
#include "base/settings_store.h"
#include "halloffame/hall_of_fame.h"
#include "reports/report_format.h"
#include "reports/results_file_name.h"

#include <system_error>

namespace galloria {

std::string ResultsFileHeading(std::string_view date, std::string_view time)
{
    std::string text = "Race Day: ";
    text += date;
    text += "    ";
    text += time;
    text += kLineEnd;
    text += kLineEnd;
    AppendSeparatorLine(text);
    return text;
}

ResultsFileStart StartResultsFile(const std::filesystem::path& folder, SettingsStore& settings,
                                  std::string_view date, std::string_view time)
{
    const std::string suffix = StoredResultSuffix(settings);
    ResultsFileStart start;
    start.path = folder / ResultsFileName(suffix);
    start.written = ReplaceFile(start.path, ResultsFileHeading(date, time));
    if (start.written)
        settings.SetString(kResultSuffixSection, kResultSuffixKey, NextResultSuffix(suffix));
    return start;
}

ResultsFileStart StartResultsFile(const std::filesystem::path& folder, SettingsStore& settings,
                                  HallOfFame& hallOfFame)
{
    hallOfFame.StampDateTime();
    return StartResultsFile(folder, settings, hallOfFame.today, hallOfFame.now);
}

bool AppendToReportFile(const std::filesystem::path& path, std::string_view section)
{
    if (path.empty())
        return false;

    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    if (error)
        return false; // cannot tell whether there is a file to keep
    std::string contents;
    if (exists) {
        // A folder or device of that name is nothing we may replace, and a
        // file far larger than ten races was not written by the game: both
        // are left alone rather than read whole.
        FileRead file = ReadFileUpTo(path, kLargestReportFile);
        if (!file.ok())
            return false;
        contents = std::move(file.bytes);
    }
    contents += section;
    return ReplaceFile(path, contents);
}

} // namespace galloria

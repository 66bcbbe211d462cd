#include "reports/results_file.h"

#include "base/file_io.h"
#include "base/settings_store.h"
#include "halloffame/hall_of_fame.h"
#include "reports/report_format.h"
#include "reports/results_file_name.h"

#include <fstream>
#include <iterator>
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

    std::string contents;
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        if (!std::filesystem::is_regular_file(path, error))
            return false; // a folder or device of that name: nothing we may replace
        std::ifstream in(path, std::ios::binary);
        if (!in)
            return false;
        contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad())
            return false;
    } else if (error) {
        return false; // cannot tell whether there is a file to keep
    }
    contents += section;
    return ReplaceFile(path, contents);
}

} // namespace galloria

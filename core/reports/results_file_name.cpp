#include "reports/results_file_name.h"

#include "base/settings_store.h"

namespace galloria {

namespace {

// The number 1..10 of a suffix, or 0 when it is not one of the ten.
int SuffixNumber(std::string_view suffix)
{
    if (suffix.size() != 2 || suffix[0] < '0' || suffix[0] > '9' || suffix[1] < '0' || suffix[1] > '9')
        return 0;
    const int number = (suffix[0] - '0') * 10 + (suffix[1] - '0');
    return number >= 1 && number <= kResultsFilesKept ? number : 0;
}

} // namespace

bool IsResultSuffix(std::string_view suffix)
{
    return SuffixNumber(suffix) != 0;
}

std::string NextResultSuffix(std::string_view suffix)
{
    const int number = IsResultSuffix(suffix) ? SuffixNumber(suffix) : 1;
    const int next = number % kResultsFilesKept + 1;
    return std::string{static_cast<char>('0' + next / 10), static_cast<char>('0' + next % 10)};
}

std::string StoredResultSuffix(const SettingsStore& settings)
{
    std::string suffix = settings.GetString(kResultSuffixSection, kResultSuffixKey, kFirstResultSuffix);
    return IsResultSuffix(suffix) ? suffix : std::string(kFirstResultSuffix);
}

std::string ResultsFileName(std::string_view suffix)
{
    return "Result" + std::string(suffix) + ".txt";
}

} // namespace galloria

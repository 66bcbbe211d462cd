#include "reports/program_report.h"

#include "base/file_io.h"
#include "betting/odds.h"
#include "betting/race_set_state.h"
#include "reports/report_format.h"
#include "stable/stable.h"

namespace galloria {

namespace {

constexpr std::size_t kNameWidth = 30;
constexpr std::string_view kRunnerHeader =
    "No. Name\t\t\t Odds\t Last\tPurse\tTime\t First Second  Third\tEarning";

void AppendRunnerLine(std::string& text, int post, double odds, std::string_view name,
                      const HorseStatistics& figures)
{
    AppendFormatted(text, "%2d ", post);
    AppendPaddedRight(text, name, kNameWidth);
    text += FormatOdds(odds);
    text += "\t ";
    AppendFormatted(text, "%d\t$%d\t", figures.lastFinish, figures.lastPurse);
    text += ReportRaceTime(figures.bestTime);
    AppendFormatted(text, "\t  %d\t%d\t%d\t$%u", figures.firsts, figures.seconds, figures.thirds,
                    static_cast<unsigned>(figures.totalEarnings));
    text += kLineEnd;
}

} // namespace

std::string ProgramReportText(const RaceProgram& program, const Stable& stable)
{
    std::string text;
    for (int race = 0; race < kRacesPerSet; ++race) {
        AppendFormatted(text, "Race No. %d", race + 1);
        text += kLineEnd;
        text += kRunnerHeader;
        text += kLineEnd;
        for (int k = 0; k < program.FieldSize(race); ++k) {
            const int index = program.runners[race][k];
            const bool known = index >= 0 && index < stable.count && index < Stable::kMaxHorses;
            AppendRunnerLine(text, k + 1, program.morningLineOdds[race][k],
                             known ? HorseName(stable.records[index]) : std::string_view(),
                             known ? stable.statistics[index] : HorseStatistics{});
        }
        AppendSeparatorLine(text);
    }
    return text;
}

bool WriteProgramReport(const std::filesystem::path& folder, const RaceProgram& program, const Stable& stable)
{
    return ReplaceFile(folder / kProgramReportFileName, ProgramReportText(program, stable));
}

} // namespace galloria

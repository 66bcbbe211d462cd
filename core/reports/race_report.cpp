#include "reports/race_report.h"

#include "base/file_io.h"
#include "betting/race_set_state.h"
#include "race/race_engine.h"
#include "reports/report_format.h"
#include "reports/results_file.h"
#include "stable/stable.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace galloria {

namespace {

constexpr std::string_view kFinishHeader = "    No.               Name    Time           Win   Place    Show";
constexpr std::string_view kBetsHeader =
    "Name            Bet     Type          Horse1  Horse2  Horse3    Winning";
constexpr std::size_t kFinishNameWidth = 20;
constexpr std::size_t kPlayerNameWidth = 30;
constexpr std::size_t kTypeWidth = 7;

std::string_view RunnerName(const RaceSetState& state, const Stable& stable, int runner)
{
    const int index = state.program.runners[state.raceIndex][runner];
    if (index < 0 || index >= stable.count || index >= Stable::kMaxHorses)
        return {};
    return HorseName(stable.records[index]);
}

void AppendPrices(std::string& text, int place, const PayoutBoard& pay)
{
    switch (place) {
    case 0:
        AppendFormatted(text, "%8.2f%8.2f%8.2f", pay.winPay, pay.placePayFirst, pay.showPayFirst);
        break;
    case 1:
        AppendFormatted(text, "%16.2f%8.2f", pay.placePaySecond, pay.showPaySecond);
        break;
    case 2:
        AppendFormatted(text, "%24.2f", pay.showPayThird);
        break;
    default:
        break; // no price from fourth place on
    }
}

void AppendFinish(std::string& text, const RaceSetState& state, const Stable& stable,
                  const RaceFinish& finish)
{
    const int fieldSize = state.program.FieldSize(state.raceIndex);
    const int places = std::min(fieldSize, static_cast<int>(finish.runnerByPlace.size()));
    for (int place = 0; place < places; ++place) {
        const int runner = finish.runnerByPlace[static_cast<std::size_t>(place)];
        if (runner < 0 || runner >= fieldSize)
            continue; // a place not taken
        const int time = static_cast<std::size_t>(runner) < finish.timeByRunner.size()
                             ? finish.timeByRunner[static_cast<std::size_t>(runner)]
                             : 0;
        AppendFormatted(text, "%2d  %2d", place + 1, runner + 1);
        AppendPaddedLeft(text, RunnerName(state, stable, runner), kFinishNameWidth);
        text += "   ";
        text += ReportRaceTime(time);
        text += '\t';
        AppendPrices(text, place, state.payouts);
        text += kLineEnd;
    }
}

// "win", "place" .. "triacta": the type's word in lower case, padded to 7.
void AppendTypeColumn(std::string& text, BetType type)
{
    std::string word(BetTypeText(type));
    for (char& letter : word)
        letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    AppendPaddedRight(text, word, kTypeWidth);
    text += '\t';
}

void AppendBetLine(std::string& text, const Bet& bet)
{
    AppendFormatted(text, "\t\t%d\t", bet.amount);
    AppendTypeColumn(text, bet.type);
    text += bet.boxed ? "  b\t" : "   \t";
    // Three horse columns, each ending in a tab; a leg the type does not use stays empty.
    const int legs = LegCount(bet.type);
    for (int leg = 0; leg < 3; ++leg) {
        if (leg < legs)
            text += HorseSelectorText(bet.horse[leg]);
        text += '\t';
    }
    AppendFormatted(text, "%d", bet.won);
    text += kLineEnd;
}

void AppendPlayerBets(std::string& text, const PlayerSlot& player)
{
    AppendPaddedRight(text, player.name, kPlayerNameWidth);
    text += kLineEnd;
    // Totals in 64 bits: 25 large winnings could pass what an int holds.
    std::int64_t totalBet = 0;
    std::int64_t totalWon = 0;
    for (const Bet& bet : player.bets.Bought()) {
        if (bet.amount <= 0)
            break; // an empty slot ends the bets
        AppendBetLine(text, bet);
        totalBet += bet.amount;
        totalWon += bet.won;
    }
    AppendFormatted(text, "\t\t%lld\t\t\t\t\t\t%lld", static_cast<long long>(totalBet),
                    static_cast<long long>(totalWon));
    text += kLineEnd;
    text += kLineEnd;
}

} // namespace

RaceFinish FinishOf(const CRaceEngine& engine)
{
    const std::size_t field =
        static_cast<std::size_t>(std::clamp(engine.fieldSize, 0, CRaceEngine::kMaxRunners));
    return RaceFinish{
        .runnerByPlace = std::span<const int>(engine.finishOrder).first(field),
        .timeByRunner = std::span<const int>(engine.finishTime).first(field),
    };
}

std::string RaceReportText(const RaceSetState& state, const Stable& stable, const RaceFinish& finish)
{
    std::string text;
    AppendFormatted(text, "Race %d", state.raceIndex + 1);
    text += kLineEnd;
    text += kLineEnd;
    text += kFinishHeader;
    text += kLineEnd;
    if (state.raceIndex >= 0 && state.raceIndex < kRacesPerSet)
        AppendFinish(text, state, stable, finish);

    text += kLineEnd;
    text += kLineEnd;
    text += kBetsHeader;
    text += kLineEnd;
    for (const PlayerSlot& player : state.players) {
        if (player.InGame())
            AppendPlayerBets(text, player);
    }
    AppendSeparatorLine(text);
    return text;
}

bool AppendRaceReport(const std::filesystem::path& resultsFile, const RaceSetState& state,
                      const Stable& stable, const RaceFinish& finish)
{
    return AppendToReportFile(resultsFile, RaceReportText(state, stable, finish));
}

} // namespace galloria

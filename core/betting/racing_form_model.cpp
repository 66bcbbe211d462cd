#include "betting/racing_form_model.h"

#include "betting/odds.h"
#include "betting/race_set_state.h"
#include "stable/race_time.h"
#include "stable/stable.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace galloria {
namespace {

// "$" and the dollars, or a label and a number. (Written without operator+ on
// a short literal, which GCC 12 mistakes for an overlapping copy.)
std::string Dollars(long long dollars)
{
    std::string text = "$";
    text += std::to_string(dollars);
    return text;
}

// What the form knows of the horse at a post: a post without a horse of the
// stable (an empty or damaged entry) reads as a horse that has never run.
struct FormHorse {
    std::string_view name;
    HorseStatistics statistics;
};

FormHorse HorseAtPost(const RaceSetState& state, const Stable& stable, int runner)
{
    const int horse = state.program.runners[state.raceIndex][runner];
    if (horse < 0 || horse >= stable.count)
        return {};
    return {HorseName(stable.records[horse]), stable.statistics[horse]};
}

// The sort key of a runner: smaller comes first.
std::int64_t SortKey(SortOrder sort, double odds, const HorseStatistics& horse)
{
    constexpr std::int64_t kLast = std::numeric_limits<std::int64_t>::max();
    switch (sort) {
    case SortOrder::Odds:
        // Tenths of the odds, truncated, so 3.01 and 3.09 rank alike; a figure
        // that is not a number cannot be ranked and goes last.
        if (!std::isfinite(odds))
            return kLast;
        return static_cast<std::int64_t>(std::clamp(odds, -1e15, 1e15) * 10);
    case SortOrder::BestTime:
        // No best time is recorded as 0; ranking it first would make a horse
        // that has never run the fastest of the field.
        return horse.bestTime > 0 ? horse.bestTime : kLast;
    case SortOrder::Results:
        return -(4 * static_cast<std::int64_t>(horse.firsts) + 2 * static_cast<std::int64_t>(horse.seconds) +
                 horse.thirds);
    case SortOrder::Earnings:
        return -static_cast<std::int64_t>(horse.totalEarnings);
    case SortOrder::None:
        break;
    }
    return 0; // None, and any stored value the game does not know: post order
}

RacingFormRow MakeRow(int runner, double odds, const FormHorse& horse)
{
    const HorseStatistics& s = horse.statistics;
    RacingFormRow row;
    row.runner = runner;
    row.post = std::to_string(runner + 1);
    row.name = std::string(horse.name);
    row.odds = FormatOdds(odds);
    if (s.lastFinish > 0) {
        row.lastFinish = std::to_string(s.lastFinish);
        row.lastPurse = Dollars(s.lastPurse);
    } else {
        row.lastFinish = std::string(kFormNoValue);
    }
    row.bestTime = s.bestTime > 0 ? FormatRaceTime(s.bestTime) : std::string(kFormNoValue);
    row.firsts = std::to_string(s.firsts);
    row.seconds = std::to_string(s.seconds);
    row.thirds = std::to_string(s.thirds);
    row.earnings = Dollars(s.totalEarnings);
    return row;
}

} // namespace

std::string RacingFormModel::Cell(int row, FormColumn column) const
{
    if (row < 0 || row >= rowCount)
        return {};
    const RacingFormRow& r = rows[static_cast<std::size_t>(row)];
    switch (column) {
    case FormColumn::Post:
        return r.post;
    case FormColumn::Name:
        return r.name;
    case FormColumn::Odds:
        return r.odds;
    case FormColumn::LastRace:
        return r.lastPurse.empty() ? r.lastFinish : r.lastFinish + " " + r.lastPurse;
    case FormColumn::BestTime:
        return r.bestTime;
    case FormColumn::Firsts:
        return r.firsts;
    case FormColumn::Seconds:
        return r.seconds;
    case FormColumn::Thirds:
        return r.thirds;
    case FormColumn::Earnings:
        return r.earnings;
    }
    return {};
}

RacingFormModel FormShapeForField(int runners)
{
    RacingFormModel form;
    form.rowCount = runners;
    form.compact = runners >= kCompactFormRunners;
    form.columnHeadings = !form.compact;
    return form;
}

RacingFormModel BuildRacingForm(const RaceSetState& state, const Stable& stable, SortOrder sort,
                                int tippedRunner)
{
    const int race = state.raceIndex;
    const int runners = state.program.FieldSize(race);
    RacingFormModel form = FormShapeForField(runners);
    const bool raceInSet = race >= 0 && race < kRacesPerSet;
    form.raceTitle = FillIn(Tr("RacingForm", "Race %1"), {std::to_string(race + 1)});
    form.purseLabel = Tr("RacingForm", "Purse:");
    form.purse = Dollars(raceInSet ? state.program.purse[race] : 0);
    form.raceNumber = FillIn(Tr("RacingForm", "No. %1"), {std::to_string(state.raceCounter + 1)});

    std::array<FormHorse, kMaxFieldSize> horses;
    std::array<std::int64_t, kMaxFieldSize> keys{};
    std::array<int, kMaxFieldSize> order{};
    for (int k = 0; k < runners; ++k) {
        horses[k] = HorseAtPost(state, stable, k);
        keys[k] = SortKey(sort, state.program.morningLineOdds[race][k], horses[k].statistics);
        order[k] = k;
    }
    // Equal keys keep post order, so the form reads the same every time it is drawn.
    std::stable_sort(order.begin(), order.begin() + runners, [&](int a, int b) { return keys[a] < keys[b]; });

    for (int i = 0; i < runners; ++i) {
        const int k = order[i];
        RacingFormRow& row = form.rows[i];
        row = MakeRow(k, state.program.morningLineOdds[race][k], horses[k]);
        row.tipped = k == tippedRunner;
        if (row.tipped)
            form.tippedRow = i;
    }
    return form;
}

} // namespace galloria

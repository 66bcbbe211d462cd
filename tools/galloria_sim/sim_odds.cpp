#include "sim_odds.h"

#include "race/race_engine.h"
#include "race/race_study.h"

#include <memory>

namespace galloria::sim {

int DefaultThreadCount()
{
    return StudyThreadCount();
}

OddsTally StudyField(const std::vector<SimRunner>& field, std::uint32_t seed, int runs, int threads)
{
    const auto engine = std::make_unique<CRaceEngine>();
    LoadField(*engine, field);
    engine->tippedRunner = -1;
    const RaceStudy study = galloria::StudyField(*engine, seed, runs, nullptr, threads);

    const std::size_t n = field.size();
    OddsTally tally;
    tally.runs = study.runs;
    tally.wins.assign(study.wins, study.wins + n);
    tally.places.assign(study.places, study.places + n);
    tally.shows.assign(study.shows, study.shows + n);
    tally.totalTime.assign(study.totalTime, study.totalTime + n); // whole fifths, exact in a double
    return tally;
}

} // namespace galloria::sim

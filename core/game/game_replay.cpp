// The race about to be run, kept so that it can be shown again and called.
#include "game/game.h"

namespace galloria {

namespace {

// A runner whose horse is missing is drawn in a plain blue coat.
constexpr std::uint32_t kPlainCoat = 0x00336699u;

} // namespace

std::uint32_t Game::RunnerColour(int runner) const
{
    const int horse = StableIndexOfRunner(runner);
    return horse >= 0 ? stable.records[horse].colour : kPlainCoat;
}

void Game::RecordRaceForReplay()
{
    RaceRecord record = RaceRecord::Of(engine, random, state.raceIndex);
    for (int runner = 0; runner < record.fieldSize && runner < CRaceEngine::kMaxRunners; ++runner) {
        record.names[runner] = std::string(RunnerName(runner));
        record.colours[runner] = RunnerColour(runner);
    }
    raceCalls = CallRace(engine, random, record.names, state.raceIndex + 1);
    replays.Record(std::move(record));
}

} // namespace galloria

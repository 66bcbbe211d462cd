// Replays the recorded races (data/race_replay.txt) through the engine and
// compares the state checksum at every checkpoint, so that the engine runs
// every recorded race tick for tick as it did when they were recorded.

#include "race_replay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace galloria {
namespace {

struct RecordedLine {
    int index = -1;
    replay::RaceRecord record;
};

std::vector<RecordedLine> ReadRecording()
{
    std::ifstream in(GALLORIA_RACE_REPLAY);
    std::vector<RecordedLine> lines;
    std::string text;
    while (std::getline(in, text)) {
        if (text.empty() || text[0] == '#')
            continue;
        std::istringstream fields(text);
        RecordedLine line;
        fields >> line.index >> line.record.ticks;
        std::string checkpoint;
        while (fields >> checkpoint)
            line.record.checkpoints.push_back(
                static_cast<std::uint32_t>(std::stoul(checkpoint, nullptr, 16)));
        lines.push_back(std::move(line));
    }
    return lines;
}

TEST(RaceReplay, EveryRecordedRaceReplaysTickForTick)
{
    const std::vector<RecordedLine> lines = ReadRecording();
    ASSERT_EQ(static_cast<int>(lines.size()), replay::kRaceCount) << "cannot read " << GALLORIA_RACE_REPLAY;

    CRaceEngine engine; // one engine for all, as the game reuses it
    int drifted = 0;
    for (const RecordedLine& line : lines) {
        const replay::RaceRecord now = replay::RunReplayRace(line.index, engine);
        const std::size_t common = std::min(now.checkpoints.size(), line.record.checkpoints.size());
        std::size_t first = 0;
        while (first < common && now.checkpoints[first] == line.record.checkpoints[first])
            ++first;
        if (first == common && now.ticks == line.record.ticks)
            continue;
        ++drifted;
        if (drifted <= 5)
            ADD_FAILURE() << "race " << line.index << " (" << engine.fieldSize
                          << " runners) drifted between tick " << first * replay::kCheckpointTicks
                          << " and tick " << (first + 1) * replay::kCheckpointTicks << "; it ran "
                          << now.ticks << " ticks, recorded " << line.record.ticks;
    }
    EXPECT_EQ(drifted, 0) << "races that no longer replay as recorded";
}

// The checksum must see every kind of state it claims to cover, or a drift
// in it would pass unnoticed: a one-bit change in any of them changes the sum.
TEST(RaceReplay, ChecksumSeesEachPartOfTheState)
{
    CRaceEngine engine;
    GameRandom random;
    random.Seed(replay::LoadReplayRace(11, engine));
    engine.StartRace(random);
    for (int tick = 0; tick < 400; ++tick)
        engine.AdvanceTick(random);

    const auto sumOf = [&random](const CRaceEngine& e) {
        replay::Checksum sum;
        replay::AddTickState(sum, e, 0, random);
        return sum.Short();
    };
    const std::uint32_t base = sumOf(engine);
    const int last = engine.fieldSize - 1;
    const std::vector<std::pair<const char*, void (*)(CRaceEngine&, int)>> changes = {
        {"floatPosition",
         [](CRaceEngine& e, int k) { e.floatPosition[k] = std::nextafter(e.floatPosition[k], 1e9); }},
        {"speed", [](CRaceEngine& e, int k) { e.speed[k] = std::nextafter(e.speed[k], 1e9); }},
        {"energy", [](CRaceEngine& e, int k) { e.energy[k] = std::nextafter(e.energy[k], 1e9); }},
        {"maxSpeed", [](CRaceEngine& e, int k) { e.maxSpeed[k] = std::nextafter(e.maxSpeed[k], 0.0); }},
        {"lane", [](CRaceEngine& e, int k) { e.lane[k] ^= 1; }},
        {"drawnLane", [](CRaceEngine& e, int k) { e.drawnLane[k] += 1; }},
        {"effort", [](CRaceEngine& e, int k) { e.effort[k] += 1; }},
        {"moving", [](CRaceEngine& e, int k) { e.moving[k] = !e.moving[k]; }},
        {"accelerationMode", [](CRaceEngine& e, int) { e.accelerationMode = !e.accelerationMode; }},
        {"raceTime", [](CRaceEngine& e, int) { e.raceTime += 1; }},
    };
    for (const auto& [name, change] : changes) {
        CRaceEngine changed = engine;
        change(changed, last);
        EXPECT_NE(sumOf(changed), base) << name;
    }
}

} // namespace
} // namespace galloria

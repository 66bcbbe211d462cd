#pragma once

// Recorded races: a fixed list of seeded random fields run through the engine,
// with a checksum of the whole race state after every tick. The recorder writes
// the list once (race_replay_recorder.cpp); the replay test runs the same races
// through today's engine and compares, so that a change to the engine's inner
// workings cannot drift from the recorded rules unnoticed.

#include "race/race_engine.h"

#include "base/game_random.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace galloria::replay {

inline constexpr int kRaceCount = 2400;
inline constexpr std::uint32_t kMasterSeed = 15150315u;
// The running checksum is written out every kCheckpointTicks ticks and after the last.
inline constexpr int kCheckpointTicks = 256;

// Folds words into a 64-bit running checksum (FNV-1a, a word at a time).
class Checksum {
public:
    void Add(std::uint64_t word) { value_ = (value_ ^ word) * 0x100000001B3ull; }
    void Add(int word) { Add(static_cast<std::uint64_t>(static_cast<std::uint32_t>(word))); }
    void Add(bool flag) { Add(static_cast<std::uint64_t>(flag ? 1 : 0)); }
    void Add(double number)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &number, sizeof bits);
        Add(bits);
    }
    // The 32 bits written to the file.
    std::uint32_t Short() const { return static_cast<std::uint32_t>(value_ ^ (value_ >> 32)); }

private:
    std::uint64_t value_ = 0xCBF29CE484222325ull;
};

// Race `index` of the list: its field, stride phases and tip go into the
// engine's inputs; the race's own generator seed is returned.
inline std::uint32_t LoadReplayRace(int index, CRaceEngine& engine)
{
    GameRandom draw;
    draw.Seed(kMasterSeed + 7919u * static_cast<std::uint32_t>(index));
    engine.fieldSize = 1 + index % CRaceEngine::kMaxRunners;
    for (int k = 0; k < engine.fieldSize; ++k) {
        engine.speedRating[k] = draw.Next() % 101;
        engine.sprint[k] = draw.Next() % 101;
        engine.stamina[k] = draw.Next() % 101;
        engine.spontaneity[k] = draw.Next() % 101;
        engine.gaitPhase[k] = draw.Next() % CRaceEngine::kStrideFrames;
    }
    // Half of the races have a tipped runner.
    engine.tippedRunner = draw.Next() % 2 == 0 ? draw.Next() % engine.fieldSize : -1;
    return static_cast<std::uint32_t>(draw.Next()) << 15 | static_cast<std::uint32_t>(draw.Next());
}

// Everything the race carries from tick to tick: each runner's state, the
// race flags and clock, the tick's result and the generator.
inline void AddTickState(Checksum& sum, const CRaceEngine& e, int newTopThree, const GameRandom& random)
{
    for (int k = 0; k < e.fieldSize; ++k) {
        sum.Add(e.floatPosition[k]);
        sum.Add(e.savedFloatPosition[k]);
        sum.Add(e.position[k]);
        sum.Add(e.nosePosition[k]);
        sum.Add(e.lane[k]);
        sum.Add(e.targetLane[k]);
        sum.Add(e.drawnLane[k]);
        sum.Add(e.speed[k]);
        sum.Add(e.targetSpeed[k]);
        sum.Add(e.maxSpeed[k]);
        sum.Add(e.baseSpeed[k]);
        sum.Add(e.earlyCap[k]);
        sum.Add(e.acceleration[k]);
        sum.Add(e.energy[k]);
        sum.Add(e.effort[k]);
        sum.Add(e.strategyCountdown[k]);
        sum.Add(e.laneCooldown[k]);
        sum.Add(e.moving[k]);
        sum.Add(e.reevaluate[k]);
        sum.Add(e.nearLane[k]);
        sum.Add(e.finishState[k]);
        sum.Add(e.finishTime[k]);
        sum.Add(e.finishOrder[k]);
    }
    sum.Add(e.accelerationMode);
    sum.Add(e.hardFatigue);
    sum.Add(e.finishThisTick);
    sum.Add(e.raceOver);
    sum.Add(e.leaderPosition);
    sum.Add(e.finishedCount);
    sum.Add(e.lastFinishTick);
    sum.Add(e.tickCount);
    sum.Add(e.raceTime);
    sum.Add(e.clockMinutes);
    sum.Add(e.clockSeconds);
    sum.Add(e.clockFifths);
    sum.Add(newTopThree);
    sum.Add(static_cast<std::uint64_t>(random.state));
}

// One race as recorded: its tick count and the checksum at every checkpoint
// (ticks kCheckpointTicks - 1, 2 * kCheckpointTicks - 1, ... and the last).
struct RaceRecord {
    int ticks = 0;
    std::vector<std::uint32_t> checkpoints;
};

inline RaceRecord RunReplayRace(int index, CRaceEngine& engine)
{
    GameRandom random;
    random.Seed(LoadReplayRace(index, engine));
    RaceRecord record;
    Checksum sum;
    engine.StartRace(random);
    AddTickState(sum, engine, 0, random);
    while (!engine.raceOver) {
        const int newTopThree = engine.AdvanceTick(random);
        AddTickState(sum, engine, newTopThree, random);
        ++record.ticks;
        if (record.ticks % kCheckpointTicks == 0 || engine.raceOver)
            record.checkpoints.push_back(sum.Short());
    }
    return record;
}

} // namespace galloria::replay

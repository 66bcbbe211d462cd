#pragma once

#include "base/game_random.h"
#include "game/shown_race.h"
#include "race/race_call_sheet.h"
#include "race/race_engine.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace galloria {

// What a race of the set needs to be run again exactly: the generator as the
// race started and the field's inputs, with the names and colours to show it
// by (a horse of a past race may have left the stable since) and, once it is
// over, its winner and win price for the replay list. A few hundred bytes.
struct RaceRecord {
    int raceIndex = 0;
    std::uint32_t randomState = 0;
    int fieldSize = 1;
    std::array<int, CRaceEngine::kMaxRunners> speedRating{};
    std::array<int, CRaceEngine::kMaxRunners> sprint{};
    std::array<int, CRaceEngine::kMaxRunners> stamina{};
    std::array<int, CRaceEngine::kMaxRunners> spontaneity{};
    std::array<int, CRaceEngine::kMaxRunners> gaitPhase{};
    int tippedRunner = -1;
    std::array<std::string, CRaceEngine::kMaxRunners> names;
    std::array<std::uint32_t, CRaceEngine::kMaxRunners> colours{};
    int winner = -1;
    double winPrice = 0;

    // The record of the race an engine is about to start from `random`.
    static RaceRecord Of(const CRaceEngine& inputs, const GameRandom& random, int raceIndex);
    // Fills an engine's inputs (not started) and a generator as the race had them.
    void LoadInto(CRaceEngine& engine, GameRandom& random) const;
};

// The races of the current set, kept while the program runs.
class RaceReplays {
public:
    void Clear() { races_.clear(); }
    // A race begins. A race of a lower number than the last one kept begins
    // a new set, whose races replace the old set's.
    void Record(RaceRecord record);
    // The race just recorded is over.
    void SetResult(int winner, double winPrice);
    std::span<const RaceRecord> Races() const { return races_; }
    bool Empty() const { return races_.empty(); }

private:
    std::vector<RaceRecord> races_;
};

// A race of the set shown again, on an engine and a generator of its own, so
// that nothing of the game moves: it replays the recorded race tick for tick,
// with its sounds, its calls and, when asked, its finish in slow motion.
class RaceReplayShow : public ShownRace {
public:
    RaceReplayShow(const RaceRecord& record, int animationSpeed, bool slowMotion, SoundPlayer& sounds);

    bool AdvanceFrame() override;
    bool Stopped() const override { return stopped_; }
    int FrameCounter() const override { return frameCounter; }
    double FramePeriod() const override;
    SoundPlayer& Sounds() override { return sounds_; }
    void Stop() { stopped_ = true; }

    const RaceRecord& record;
    CRaceEngine engine;
    RaceCallSheet calls;
    int frameCounter = -1;
    int lastTopThree = 0; // the frame's new finishers: photos to take

private:
    GameRandom random_;
    SoundPlayer& sounds_;
    int animationSpeed_;
    bool slowMotion_;
    bool cheerPlayed_ = false;
    bool stopped_ = false;
};

} // namespace galloria

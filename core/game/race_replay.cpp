#include "game/race_replay.h"

#include <algorithm>

namespace galloria {

RaceRecord RaceRecord::Of(const CRaceEngine& inputs, const GameRandom& random, int raceIndex)
{
    RaceRecord record;
    record.raceIndex = raceIndex;
    record.randomState = random.state;
    record.fieldSize = inputs.fieldSize;
    const auto copy = [](const int(&from)[CRaceEngine::kMaxRunners],
                         std::array<int, CRaceEngine::kMaxRunners>& to) {
        std::copy(std::begin(from), std::end(from), to.begin());
    };
    copy(inputs.speedRating, record.speedRating);
    copy(inputs.sprint, record.sprint);
    copy(inputs.stamina, record.stamina);
    copy(inputs.spontaneity, record.spontaneity);
    copy(inputs.gaitPhase, record.gaitPhase);
    record.tippedRunner = inputs.tippedRunner;
    return record;
}

void RaceRecord::LoadInto(CRaceEngine& engine, GameRandom& random) const
{
    random.state = randomState;
    engine.fieldSize = fieldSize;
    std::ranges::copy(speedRating, engine.speedRating);
    std::ranges::copy(sprint, engine.sprint);
    std::ranges::copy(stamina, engine.stamina);
    std::ranges::copy(spontaneity, engine.spontaneity);
    std::ranges::copy(gaitPhase, engine.gaitPhase);
    engine.tippedRunner = tippedRunner;
}

void RaceReplays::Record(RaceRecord record)
{
    if (!races_.empty() && record.raceIndex <= races_.back().raceIndex)
        races_.clear();
    races_.push_back(std::move(record));
}

void RaceReplays::SetResult(int winner, double winPrice)
{
    if (races_.empty())
        return;
    races_.back().winner = winner;
    races_.back().winPrice = winPrice;
}

RaceReplayShow::RaceReplayShow(const RaceRecord& record, int animationSpeed, bool slowMotion,
                               SoundPlayer& sounds)
    : record(record), sounds_(sounds), animationSpeed_(animationSpeed), slowMotion_(slowMotion)
{
    record.LoadInto(engine, random_);
    calls = CallRace(engine, random_, record.names, record.raceIndex + 1);
    engine.StartRace(random_);
}

bool RaceReplayShow::AdvanceFrame()
{
    if (stopped_ || engine.raceOver)
        return false;
    ++frameCounter;
    lastTopThree = engine.AdvanceTick(random_);
    if (!cheerPlayed_ && engine.leaderPosition > kCheerPosition) {
        sounds_.Play(SoundEffect::Cheer);
        cheerPlayed_ = true;
    }
    return true;
}

double RaceReplayShow::FramePeriod() const
{
    return ShownFramePeriod(animationSpeed_, slowMotion_ && SlowMotionTick(calls, true, engine.tickCount));
}

} // namespace galloria

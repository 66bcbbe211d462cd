#include "race/race_engine.h"

#include "base/game_random.h"

#include <algorithm>
#include <cassert>

namespace galloria {

namespace {

// The finish is checked once the leader is this close to the line; below it
// no nose (a position plus at most 3 of stride) can be past the line.
constexpr int kFinishWatch = CRaceEngine::kFinishLine - 20;

// Ticks the field keeps running after the last finish before the race is over.
constexpr int kRunOutTicks = 30;

} // namespace

void CRaceEngine::ResetRaceState()
{
    newTopThree = 0;
    lastFinishTick = kStillRunning;
    accelerationMode = true;
    hardFatigue = false;
    finishThisTick = false;
    clockMinutes = clockSeconds = clockFifths = 0;
    raceTime = 0;
    finishedCount = 0;
    leaderPosition = 0;
    tickCount = -1;
    raceOver = false;

    static constexpr double kStartingAccelerations[kMaxRunners] = {0.03, 0.035, 0.04, 0.045, 0.05, 0.055,
                                                                   0.06, 0.065, 0.07, 0.075, 0.09, 0.11};
    static constexpr int kStrideNoseOffsets[kStrideFrames] = {3, 3, 2, 1, 1, 1, 1, 0, 0, 0, 1};
    static constexpr double kEffortOffsets[4] = {2.5, 1.6, 1.0, 0.0};
    std::ranges::copy(kStartingAccelerations, accelerationPool);
    std::ranges::copy(kStrideNoseOffsets, gaitOffset);
    std::ranges::copy(kEffortOffsets, effortOffset);

    for (int k = 0; k < kMaxRunners; ++k) {
        targetLane[k] = 20; // a slot's lane is decided when the field lines up
        strategyCountdown[k] = 0;
        laneCooldown[k] = 0;
        effort[k] = 0;
        moving[k] = reevaluate[k] = nearLane[k] = false;
        drawnLane[k] = lane[k] = 0;
        position[k] = nosePosition[k] = 0;
        floatPosition[k] = savedFloatPosition[k] = 0.0;
        finishOrder[k] = kNoRunner;
        finishTime[k] = finishState[k] = 0;
        speed[k] = targetSpeed[k] = baseSpeed[k] = maxSpeed[k] = earlyCap[k] = 0.0;
        acceleration[k] = energy[k] = 0.0;
        steering_[k] = {};
    }
}

void CRaceEngine::StartRace(GameRandom& random)
{
    fieldSize = std::clamp(fieldSize, 1, kMaxRunners);
    for (int k = 0; k < fieldSize; ++k)
        gaitPhase[k] = (gaitPhase[k] % kStrideFrames + kStrideFrames) % kStrideFrames;

    ResetRaceState();
    hardFatigue = random.Next() % 2 == 1;
    for (int k = 0; k < kMaxRunners; ++k)
        strategyCountdown[k] = 10 + random.Next() % 30;

    for (int k = 0; k < fieldSize; ++k) {
        lane[k] = 2 * k;
        targetLane[k] = lane[k];
        drawnLane[k] = 6 * lane[k];
        baseSpeed[k] = 0.02 * speedRating[k] + 14.0;
        targetSpeed[k] = baseSpeed[k] - 3.0;
        earlyCap[k] = baseSpeed[k] - 2.0 - (1 + random.Next() % 2);
        maxSpeed[k] = baseSpeed[k];
        energy[k] = (baseSpeed[k] - 6.0) * 9992.0;
        speed[k] = 4.0;
        if (k == tippedRunner)
            energy[k] += 15000.0;

        // Each runner takes a different starting acceleration from the pool; a
        // taken entry is marked with 0.01.
        int entry;
        do
            entry = random.Next() % kMaxRunners;
        while (!(accelerationPool[entry] > 0.02));
        acceleration[k] = accelerationPool[entry] + 0.0002 * sprint[k];
        accelerationPool[entry] = 0.01;

        steering_[k] = {.gainFar = sprint[k] / 3000.0 + 0.02,
                        .gainNear = sprint[k] / 3000.0 + 0.01,
                        .brakeFar = 0.005 * sprint[k] + 0.45,
                        .brakeNear = sprint[k] / 600.0 + 0.15};
    }
}

int CRaceEngine::AdvanceTick(GameRandom& random)
{
    newTopThree = 0;
    ++tickCount;
    StepField(random);
    AdvanceRaceClock();
    if (leaderPosition >= kFinishWatch)
        CheckFinish();
    if (tickCount > lastFinishTick + kRunOutTicks)
        raceOver = true;
    if (finishThisTick) {
        // The photo frame keeps the shifted integer positions; the race itself
        // goes on from where the runners really are.
        std::copy(savedFloatPosition, savedFloatPosition + fieldSize, floatPosition);
    }
    CheckInvariants();
    return newTopThree;
}

void CRaceEngine::AdvanceRaceClock()
{
    // A tick is a tenth of a second; the clock shows fifths.
    if (tickCount % 2 == 1) {
        ++clockFifths;
        if (clockFifths == 5) {
            clockFifths = 0;
            ++clockSeconds;
        }
        if (clockSeconds == 60) {
            clockSeconds = 0;
            ++clockMinutes;
        }
    }
    raceTime = (60 * clockMinutes + clockSeconds) * 5 + clockFifths;
}

void CRaceEngine::CheckFinish()
{
    // Shift the whole field back so that the furthest unfinished nose stands
    // exactly on the line. Each shift can only bring later noses back, so
    // taking the crossers in runner order ends with the furthest one on 9992.
    for (int k = 0; k < fieldSize; ++k) {
        if (finishState[k] != 0 || nosePosition[k] <= kFinishLine)
            continue;
        const int excess = nosePosition[k] - kFinishLine;
        for (int j = 0; j < fieldSize; ++j) {
            position[j] -= excess;
            nosePosition[j] -= excess;
            floatPosition[j] = position[j];
        }
        leaderPosition -= excess;
    }

    // Only noses exactly on the line finish now: a dead heat when several do.
    // A runner that crossed too but stands behind after the shift finishes in
    // a later tick.
    finishThisTick = false;
    for (int k = 0; k < fieldSize; ++k) {
        if (finishState[k] == 0 && nosePosition[k] == kFinishLine) {
            finishState[k] = 1;
            leaderPosition = std::max(leaderPosition, kFinishLine);
            finishThisTick = true;
        }
    }

    // Runners crossing together are placed in runner order.
    for (int k = 0; k < fieldSize; ++k) {
        if (finishState[k] != 1)
            continue;
        finishState[k] = 2;
        if (finishedCount < 3)
            ++newTopThree;
        finishOrder[finishedCount] = k;
        finishTime[k] = raceTime;
        if (++finishedCount == fieldSize)
            lastFinishTick = tickCount;
    }
}

// Debug builds check after every tick what the rest of the game relies on;
// in Release this is empty.
void CRaceEngine::CheckInvariants() const
{
#ifndef NDEBUG
    int placed = 0;
    for (int k = 0; k < fieldSize; ++k) {
        assert(lane[k] >= 0 && lane[k] < kLaneCount);
        assert(speed[k] >= 7.0);
        assert(maxSpeed[k] <= baseSpeed[k] && maxSpeed[k] >= baseSpeed[k] - 6.0);
        assert(finishState[k] == 0 || finishState[k] == 2);
        placed += finishState[k] == 2;
    }
    assert(placed == finishedCount);
    for (int place = 0; place < finishedCount; ++place) {
        const int runner = finishOrder[place];
        assert(runner >= 0 && runner < fieldSize && finishState[runner] == 2);
        for (int other = 0; other < place; ++other)
            assert(finishOrder[other] != runner);
    }
    assert(!raceOver || finishedCount == fieldSize);
#endif
}

} // namespace galloria

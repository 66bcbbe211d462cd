// One runner's step within a tick: look around, decide pace and lane, move,
// tire. The runner sees the others as they stand at that moment: those with
// lower numbers have already moved in this tick.

#include "race/race_engine.h"

#include "base/game_random.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>

namespace galloria {

namespace {

constexpr int kSlipstreamFrom = 2000; // no drafting in the scramble out of the gate
constexpr int kGateStretch = 3000;    // below: acceleration, early cap, drift to the rail
constexpr int kHalfLanesFrom = 7000;  // from here lane changes go half a lane at a time
constexpr int kLaneClearance = 60;    // a runner this close along the course blocks a lane change
constexpr int kOutermostLane = CRaceEngine::kLaneCount - 1;

// A runner this close behind in the same lane presses the one ahead.
constexpr int kPressingGap = 100;
// How far ahead a runner's gap to the next in its lane matters: every decision
// on it compares it with less than this, or asks whether there is anybody
// ahead at all.
constexpr int kSightRange = 140;

// What a look around found, as flags: a runner alongside in the lanes a move
// inward or outward would cross, a runner pressing from behind, anybody ahead
// in the lane, and from kFoundNear on one flag for each runner less than
// kSightRange ahead in the lane.
constexpr int kFoundInside = 1;
constexpr int kFoundOutside = 2;
constexpr int kFoundPressing = 4;
constexpr int kFoundAhead = 8;
constexpr int kFoundNearShift = 4;
constexpr std::array<int, CRaceEngine::kMaxRunners> kFoundNear = [] {
    std::array<int, CRaceEngine::kMaxRunners> flags{};
    for (int j = 0; j < CRaceEngine::kMaxRunners; ++j)
        flags[j] = 1 << (kFoundNearShift + j);
    return flags;
}();

int Draw(GameRandom& random, int n)
{
    return random.Next() % n;
}

// A runner far behind may find it in itself to raise its effort: once on its
// spontaneity and, having done so, once more on its sprint.
int ChaseEffort(int spontaneity, int sprint, int spontaneityIn, int sprintIn, GameRandom& random)
{
    if (spontaneity <= Draw(random, spontaneityIn))
        return 0;
    return sprint > Draw(random, sprintIn) ? 2 : 1;
}

} // namespace

// Flattened: every step function is inlined into this loop, which keeps the
// runner's sighting and the generator in registers (measured about a tenth
// faster than calls).
[[gnu::flatten]] void CRaceEngine::StepField(GameRandom& random)
{
    // The generator's state in a local for the tick: kept in a register
    // instead of being written back on every draw.
    GameRandom local = random;
    for (int r = 0; r < fieldSize; ++r)
        StepRunner(r, local);
    random = local;
}

void CRaceEngine::StepRunner(int r, GameRandom& random)
{
    Sighting seen = LookAround(r);

    seen.closingLevel = 0;
    if (speed[r] > seen.aheadSpeed)
        seen.closingLevel = seen.gapAhead < 80 ? 3 : seen.gapAhead < 100 ? 2 : seen.gapAhead < 120 ? 1 : 0;

    if (position[r] < kGateStretch) {
        DecideEarlyPace(r, seen);
    } else {
        DecideRacingPace(r, seen, random);
        --laneCooldown[r];
        if (!seen.speedHandled)
            FollowUpReevaluation(r, seen, random);
        RunStrategyClock(r, seen, random);
    }
    MoveLane(r);
    UpdateSpeed(r, seen, random);
    LimitSpeed(r);

    floatPosition[r] += speed[r];
    position[r] = static_cast<int>(floatPosition[r]);
    savedFloatPosition[r] = floatPosition[r];

    SpendEnergy(r, seen, random);
    // The stride frame: the phase (0..10) plus the ticks, wrapped once, so
    // that the remainder of the tick count is the same for the whole field.
    int frame = gaitPhase[r] + tickCount % kStrideFrames;
    frame -= frame >= kStrideFrames ? kStrideFrames : 0;
    nosePosition[r] = position[r] + gaitOffset[frame];
    leaderPosition = std::max(leaderPosition, position[r]);
}

// One pass over the others: the nearest runner ahead in the same lane (its
// gap as far as it matters) and whether one presses from behind in it (level
// runners count neither way), and whether a runner alongside, within
// kLaneClearance along the course, occupies the lanes a move inward or
// outward would cross. This is the engine's hot loop.
CRaceEngine::Sighting CRaceEngine::LookAround(int r)
{
    Sighting seen{};
    const int here = position[r];
    const int ownLane = lane[r];
    // Two units below 7000, one from there, none from 14000 on; the floor at 0
    // keeps a winner running on far past the line (from 21000) on the course.
    const int step = std::max(0, 2 - here / kHalfLanesFrom);

    // Every slot of the field, the runner itself and the empty slots masked
    // out, without a branch: the compiler then compares several runners at
    // once. What the look finds is gathered as flags.
    int found = 0;
    for (int j = 0; j < kMaxRunners; ++j) {
        const int gap = position[j] - here;
        const int other = (j != r) & (j < fieldSize);
        const int sameLane = other & (lane[j] == ownLane);
        const int alongside = other & (gap >= -kLaneClearance) & (gap <= kLaneClearance);
        found |= (alongside & (lane[j] >= ownLane - step) & (lane[j] <= ownLane)) * kFoundInside |
                 (alongside & (lane[j] >= ownLane) & (lane[j] <= ownLane + step)) * kFoundOutside |
                 (sameLane & (gap < 0) & (gap > -kPressingGap)) * kFoundPressing |
                 (sameLane & (gap > 0) & (gap < kNoGap)) * kFoundAhead |
                 (-(sameLane & (gap > 0) & (gap < kSightRange)) & kFoundNear[j]);
    }
    // The nearest of the runners close ahead (seldom more than one); the
    // lowest number among equally near ones.
    seen.gapAhead = found & kFoundAhead ? kSightRange : kNoGap;
    seen.aheadSpeed = 0.0;
    for (int near = found >> kFoundNearShift; near != 0; near &= near - 1) {
        const int j = std::countr_zero(static_cast<unsigned>(near));
        if (position[j] - here < seen.gapAhead) {
            seen.gapAhead = position[j] - here;
            seen.aheadSpeed = speed[j];
        }
    }
    const bool insideTaken = (found & kFoundInside) != 0;
    const bool outsideTaken = (found & kFoundOutside) != 0;
    seen.laneStep = step;
    seen.pressedFromBehind = (found & kFoundPressing) != 0;

    seen.draftLevel = 0;
    if (here >= kSlipstreamFrom)
        seen.draftLevel = seen.gapAhead < 90 ? 3 : seen.gapAhead < 110 ? 2 : seen.gapAhead < 140 ? 1 : 0;

    // No new move while the drawn lane is still gliding to the last one.
    const bool gliding = moving[r] && !nearLane[r];
    seen.inwardStep = gliding || ownLane == 0 || insideTaken ? 0 : seen.laneStep;
    seen.outwardStep = gliding || ownLane == kOutermostLane || outsideTaken ? 0 : seen.laneStep;
    seen.behindLeader = leaderPosition - here;
    return seen;
}

// Out of the gate: make for the rail whenever the inside is clear, otherwise
// check up behind a slower runner. The speed is settled here either way.
void CRaceEngine::DecideEarlyPace(int r, Sighting& seen)
{
    accelerationMode = true;
    seen.speedHandled = true;
    if (seen.inwardStep > 0) {
        targetLane[r] = lane[r] - seen.inwardStep;
        return;
    }
    if (seen.closingLevel == 0)
        return;
    accelerationMode = false;
    if (seen.closingLevel == 3) {
        targetSpeed[r] = seen.aheadSpeed - 0.5;
        speed[r] = targetSpeed[r];
    } else {
        EaseBehindSlowerRunner(r, seen);
    }
}

// Closing gently: shave the target by a share of the speed difference.
void CRaceEngine::EaseBehindSlowerRunner(int r, const Sighting& seen)
{
    targetSpeed[r] -= (speed[r] - seen.aheadSpeed) / (4 - seen.closingLevel) * 0.1;
}

// In the race proper a runner closing on a slower one looks for a gap, first
// outward, then inward, and checks up only when it takes neither.
void CRaceEngine::DecideRacingPace(int r, Sighting& seen, GameRandom& random)
{
    seen.speedHandled = false;
    if (seen.closingLevel == 0)
        return;
    if (effort[r] > 2 && seen.outwardStep > 0 && TryTakeGap(r, seen.outwardStep, 70, random))
        return;
    if (effort[r] > 2 && seen.inwardStep > 0 && TryTakeGap(r, -seen.inwardStep, 30, random))
        return;

    seen.speedHandled = true;
    if (seen.closingLevel == 3) {
        if (seen.gapAhead >= 60) {
            targetSpeed[r] = seen.aheadSpeed;
        } else {
            speed[r] = seen.aheadSpeed - 0.25;
            targetSpeed[r] = seen.aheadSpeed - 0.5;
        }
    } else {
        EaseBehindSlowerRunner(r, seen);
    }
}

// The chance of taking a free gap is the runner's spontaneity in chanceIn;
// the chance is drawn even while the lane cooldown forbids the move.
bool CRaceEngine::TryTakeGap(int r, int laneOffset, int chanceIn, GameRandom& random)
{
    if (spontaneity[r] <= Draw(random, chanceIn) || laneCooldown[r] >= 1)
        return false;
    targetLane[r] = lane[r] + laneOffset;
    laneCooldown[r] = 25 + Draw(random, 15);
    return true;
}

// After an effort re-decision: set the new target speed, and perhaps a lane:
// late in the race swing out round a runner ahead, earlier cut in when the
// lane ahead is empty.
void CRaceEngine::FollowUpReevaluation(int r, const Sighting& seen, GameRandom& random)
{
    if (!reevaluate[r])
        return;
    reevaluate[r] = false;

    if (seen.pressedFromBehind)
        ++effort[r];
    targetSpeed[r] = baseSpeed[r] - (effort[r] < 4 ? effortOffset[effort[r]] : 0.0);

    if (position[r] > kHalfLanesFrom && seen.gapAhead < 120 && seen.behindLeader > 300) {
        targetLane[r] = lane[r] + seen.outwardStep;
        ++effort[r];
        return;
    }
    if (position[r] < kHalfLanesFrom && lane[r] > 3) {
        const int draw = Draw(random, 60);
        if (sprint[r] < draw && seen.gapAhead == kNoGap && seen.behindLeader > 200) {
            targetSpeed[r] += 0.5;
            targetLane[r] = lane[r] - seen.inwardStep;
            return;
        }
    }
    if (position[r] < 5000 && seen.gapAhead == kNoGap)
        targetLane[r] = lane[r] - seen.inwardStep;
}

// Every 40 to 100 ticks the runner re-decides its effort: drifting early,
// pressing on late, and chasing harder the further it trails the leader.
void CRaceEngine::RunStrategyClock(int r, const Sighting& seen, GameRandom& random)
{
    if (--strategyCountdown[r] != 0)
        return;
    accelerationMode = false; // for the whole field; runners still in the gate set it again
    reevaluate[r] = true;
    strategyCountdown[r] = 50 + Draw(random, 50) - spontaneity[r] / 10;

    int change;
    if (position[r] < 6000)
        change = Draw(random, 3) - 1;
    else if (position[r] < 8000)
        change = Draw(random, 2);
    else
        change = 1;

    if (change < 1) {
        if (seen.behindLeader > 500)
            change += ChaseEffort(spontaneity[r], sprint[r], 30, 120, random);
        else if (seen.behindLeader > 300)
            change += ChaseEffort(spontaneity[r], sprint[r], 60, 160, random);
        else if (seen.behindLeader > 100 && spontaneity[r] > Draw(random, 90))
            change += 1;
    }
    effort[r] = std::clamp(effort[r] + change, 1, 4);
}

// The lane changes at once; the drawn lane glides after it a pixel a tick
// (every other tick once past the gate). A new lane is taken only when the
// glide has ended.
void CRaceEngine::MoveLane(int r)
{
    if (moving[r]) {
        if (tickCount % 2 == 1 && position[r] > kGateStretch)
            return;
        const int goal = 6 * lane[r];
        nearLane[r] = std::abs(drawnLane[r] - goal) < 2;
        if (drawnLane[r] == goal)
            moving[r] = false;
        else
            drawnLane[r] += drawnLane[r] < goal ? 1 : -1;
        return;
    }
    if (targetLane[r] > lane[r]) {
        targetSpeed[r] += 1.5; // going round costs ground: push on
        lane[r] = targetLane[r];
        moving[r] = true;
    } else if (targetLane[r] < lane[r]) {
        lane[r] = targetLane[r];
        moving[r] = true;
    }
}

// The small adjustments below are looked up or selected rather than branched
// to: which one applies changes from tick to tick, so a branch would often be
// mispredicted, and the selection gives the same numbers (x + 0.0 is x, and
// x + -y is x - y).
void CRaceEngine::UpdateSpeed(int r, const Sighting& seen, GameRandom& random)
{
    static constexpr double kNudge[2] = {0.0, 0.01}; // none, or a nudge when the condition holds
    if (accelerationMode) {
        speed[r] += acceleration[r];
        speed[r] += kNudge[sprint[r] > Draw(random, 100)];
        acceleration[r] += kNudge[seen.behindLeader > 600]; // left behind at the start: kick harder
        return;
    }

    // Steer towards the target speed; a good sprinter gains and brakes harder.
    const double shortfall = targetSpeed[r] - speed[r];
    const double excess = speed[r] - targetSpeed[r];
    const SteeringSteps& steps = steering_[r];
    const double change[5] = {0.0, -steps.brakeNear, -steps.brakeFar, steps.gainNear, steps.gainFar};
    const int pick = shortfall > 0.1 ? 4 : shortfall > 0.05 ? 3 : excess > 0.1 ? 2 : excess > 0.05 ? 1 : 0;
    speed[r] += change[pick];
}

// The maximum speed first, then the early cap while in the gate stretch, then
// the floor of 7.
void CRaceEngine::LimitSpeed(int r)
{
    double limited = speed[r] < 7.0 ? 7.0 : speed[r];
    limited = speed[r] > earlyCap[r] && position[r] < kGateStretch ? earlyCap[r] : limited;
    speed[r] = speed[r] > maxSpeed[r] ? maxSpeed[r] : limited;
    targetSpeed[r] = std::min(targetSpeed[r], maxSpeed[r]);
}

// Running drains energy by the square of the speed, less in a slipstream;
// trailing the leader by far lets a runner get its breath back. With energy
// spent the maximum speed falls, more slowly for a stayer.
void CRaceEngine::SpendEnergy(int r, const Sighting& seen, GameRandom& random)
{
    const double effortSpeed = speed[r] - 3 * seen.draftLevel;
    energy[r] -= effortSpeed * effortSpeed;
    if (seen.behindLeader > 300)
        energy[r] += 70.0;
    if (energy[r] >= 0.0)
        return;

    static constexpr double kDrops[2][3] = {{0.012, 0.02, 0.025}, {0.025, 0.04, 0.05}};
    const double* drop = kDrops[hardFatigue ? 1 : 0];
    if (stamina[r] > 75 + Draw(random, 10))
        maxSpeed[r] -= drop[0];
    else if (stamina[r] > 50 + Draw(random, 10))
        maxSpeed[r] -= drop[1];
    else
        maxSpeed[r] -= drop[2];
    maxSpeed[r] = std::max(maxSpeed[r], baseSpeed[r] - 6.0);
}

} // namespace galloria

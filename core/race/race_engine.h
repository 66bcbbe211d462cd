#pragma once

namespace galloria {

class GameRandom;

// Simulates one race of up to twelve runners in ticks of a tenth of a second.
//
// Every runner has a floating-point position along the course, a speed in
// position units per tick, a lane, a maximum speed that fatigue lowers, an
// energy reserve that running drains and an effort level it re-decides every
// 40 to 100 ticks. Runners burst out of the gate, are held below an early cap
// for the first 3000 units, then steer towards the speed their effort picks,
// slow behind a slower runner in their lane, switch lanes to get round and tire
// once their energy is spent. Whenever a runner's nose crosses the line at 9992,
// every position is shifted back for that one tick so that the nose stands
// exactly on the line: that frame is the finish photo.
//
// The engine paints nothing and waits for nothing; the race loop calls it once
// per frame and the odds simulation in a tight loop. One engine is reused for
// every race, so it owns no heap memory. All state is public, as the rest of
// the game reads (and the caller fills) it directly.
//
// Use: fill fieldSize, speedRating, sprint, stamina, spontaneity, gaitPhase
// and tippedRunner; call StartRace; call AdvanceTick until raceOver is set.
// Every random number comes from the GameRandom passed in, in a fixed order,
// so a seeded race replays to the bit (core is built without fused
// multiply-add for that reason).
class CRaceEngine {
public:
    static constexpr int kMaxRunners = 12;
    static constexpr int kFinishLine = 9992;
    static constexpr int kLaneCount = 23; // lanes 0 (the rail) .. 22, in half-lane units
    static constexpr int kStrideFrames = 11;
    static constexpr int kNoRunner = 20;        // finishOrder entry of a place not yet taken
    static constexpr int kNoGap = 20000;        // gapAhead with nobody ahead in the lane
    static constexpr int kStillRunning = 20000; // lastFinishTick while runners are still out

    // A new engine is Idle: in the state StartRace resets to, no race run.
    CRaceEngine() { ResetRaceState(); }

    // Resets the whole race state and lines up the field. A fieldSize outside
    // 1..12 is clamped and a gaitPhase outside 0..10 wrapped into it first, so
    // that a faulty caller can neither index past the arrays nor start a race
    // that never ends.
    void StartRace(GameRandom& random);

    // Runs one tick; returns newTopThree, the number of runners that took
    // first, second or third place in it. A finish tick is a full tick: the
    // tick counter and the clock run on, and only the float positions are
    // put back after the photo frame.
    int AdvanceTick(GameRandom& random);

    // Race state: set by StartRace (and, as the Idle state, by construction),
    // advanced by AdvanceTick, read by the display and the result bookkeeping.

    int targetLane[kMaxRunners];        // lane the runner has decided to move to
    int strategyCountdown[kMaxRunners]; // ticks to the next effort re-decision (counts from 3000 on)
    int laneCooldown[kMaxRunners];      // ticks before another lane change (counts from 3000 on)
    int effort[kMaxRunners];            // 0 before the first re-decision, then 1..4 (+2 at most)
    int newTopThree;                    // runners placed 1st..3rd in the current tick
    int lastFinishTick;                 // tick in which the last runner finished; kStillRunning before
    double targetSpeed[kMaxRunners];    // speed steered towards outside acceleration mode
    double effortOffset[4];             // below base speed for effort 0..3; 4 and up use 0
    // One flag for the whole field: a runner below 3000 sets it, a strategy
    // clock running out clears it, and each runner accelerates on whatever it
    // finds when its speed is updated.
    bool accelerationMode;
    bool moving[kMaxRunners];     // the drawn lane is still travelling towards the lane
    bool reevaluate[kMaxRunners]; // an effort re-decision awaits its follow-up
    bool nearLane[kMaxRunners];   // the drawn lane is within a pixel of the lane
    bool hardFatigue;             // drawn once per race: harsher fatigue for the whole field
    bool finishThisTick;          // someone finished in this tick: the photo frame
    int clockMinutes;
    int clockSeconds;
    int clockFifths;
    int finishedCount;
    int leaderPosition;                   // largest integer position reached by any runner
    int drawnLane[kMaxRunners];           // vertical offset in the track view; glides towards 6 * lane
    int lane[kMaxRunners];                // 0 (the rail) .. 22
    int position[kMaxRunners];            // floatPosition truncated
    int nosePosition[kMaxRunners];        // position plus the stride offset; decides the finish
    int finishOrder[kMaxRunners];         // runner by place (0 = winner); kNoRunner = not yet taken
    int tickCount;                        // ticks run; -1 before the first
    int raceTime;                         // race clock in fifths of a second
    int finishTime[kMaxRunners];          // raceTime of the runner's finish tick (placed runners only)
    int finishState[kMaxRunners];         // 0 running, 1 crossing in this tick, 2 placed
    double speed[kMaxRunners];            // position units per tick
    double baseSpeed[kMaxRunners];        // 14.0 + 0.02 * speedRating
    double maxSpeed[kMaxRunners];         // ceiling of speed; fatigue lowers it, never below baseSpeed - 6
    double earlyCap[kMaxRunners];         // ceiling of speed below position 3000
    double acceleration[kMaxRunners];     // speed gained per tick in acceleration mode
    double accelerationPool[kMaxRunners]; // starting accelerations, each handed to one runner
    double energy[kMaxRunners];           // fatigue sets in while below zero
    double floatPosition[kMaxRunners];
    double savedFloatPosition[kMaxRunners]; // after this tick's move, before any finish shift
    bool raceOver;                          // set in the 31st tick after the last runner finished

    // Inputs, filled by the caller before StartRace.
    int fieldSize = 1;                 // runners in this race, 1..12
    int speedRating[kMaxRunners] = {}; // the horses' characteristics, 0..100 each
    int spontaneity[kMaxRunners] = {};
    int stamina[kMaxRunners] = {};
    int sprint[kMaxRunners] = {};
    int tippedRunner = -1;           // the tipster's horse, -1 = none
    int gaitPhase[kMaxRunners] = {}; // 0..10: place in the stride cycle

    int gaitOffset[kStrideFrames]; // nose offset by stride frame

private:
    // What the runner being stepped sees around it and has settled so far in its step.
    struct Sighting {
        int draftLevel;    // 0..3: how closely it follows the runner ahead in its lane (slipstream)
        int behindLeader;  // leaderPosition - own position
        int outwardStep;   // lane units it may move outward now; 0 = blocked
        int inwardStep;    // lane units it may move inward now; 0 = blocked
        int closingLevel;  // 0..3: how fast it is closing on a slower runner ahead in its lane
        bool speedHandled; // this step's pace decision already settled the speed
        int laneStep;      // 2 below position 7000 (whole lanes), 1 from there on
        int gapAhead; // to the nearest runner ahead in the lane: exact below 140, else 140; kNoGap = none
        bool pressedFromBehind; // a runner less than 100 behind in the lane
        double aheadSpeed;      // speed of the nearest runner ahead when less than 140 ahead, else 0
    };
    void StepField(GameRandom& random); // every runner's step, in runner order
    void StepRunner(int r, GameRandom& random);
    Sighting LookAround(int r);
    void DecideEarlyPace(int r, Sighting& seen);
    void EaseBehindSlowerRunner(int r, const Sighting& seen);
    void DecideRacingPace(int r, Sighting& seen, GameRandom& random);
    bool TryTakeGap(int r, int laneOffset, int chanceIn, GameRandom& random);
    void FollowUpReevaluation(int r, const Sighting& seen, GameRandom& random);
    void RunStrategyClock(int r, const Sighting& seen, GameRandom& random);
    void MoveLane(int r);
    void UpdateSpeed(int r, const Sighting& seen, GameRandom& random);
    void LimitSpeed(int r);
    void SpendEnergy(int r, const Sighting& seen, GameRandom& random);

    void ResetRaceState();
    void AdvanceRaceClock();
    void CheckFinish();
    void CheckInvariants() const;

    // How hard each runner steers towards its target speed, worked out from
    // its sprint once at StartRace so that no division waits in the tick.
    struct SteeringSteps {
        double gainFar;   // sprint / 3000.0 + 0.02, more than 0.1 short of the target
        double gainNear;  // sprint / 3000.0 + 0.01, more than 0.05 short
        double brakeFar;  // 0.005 * sprint + 0.45, more than 0.1 over
        double brakeNear; // sprint / 600.0 + 0.15, more than 0.05 over
    };
    SteeringSteps steering_[kMaxRunners];
};

} // namespace galloria

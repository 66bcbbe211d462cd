#pragma once

namespace galloria {

class CRaceEngine;
class GameRandom;
class Stable;
struct RaceSetState;

// Where the odds simulation reports its progress, e.g. a small window with a
// bar; the simulation holds the game for a moment and the player should see why.
class OddsProgress {
public:
    virtual ~OddsProgress() = default;
    virtual void Open(int range) = 0;           // before the first simulated race; the bar stands at 0
    virtual void SetPosition(int position) = 0; // after each simulated race; ends at range
    virtual void Close() = 0;                   // after the last one
};

inline constexpr int kOddsProgressRange = 10;

enum class OddsSimulationResult {
    Completed,
    Skipped,        // nothing to simulate: no runs asked for, or no field the stable can fill
    AlreadyRunning, // refused: another simulation has not finished (e.g. started from its progress display)
};

// Refines the current race's odds by running it `count` times on the engine,
// undisplayed: each result halves the winner's odds towards 1 and lengthens
// every other runner's by one. The field is loaded from the program and the
// stable; the stride phases and the tipped runner are the ones already set in
// the engine for the real race, so the simulated races start as it will.
// progress, when given, sees Open, one SetPosition per race (ending at
// kOddsProgressRange whatever the count) and Close.
OddsSimulationResult SimulateOdds(int count, RaceSetState& state, CRaceEngine& engine, const Stable& stable,
                                  GameRandom& random, OddsProgress* progress = nullptr);

} // namespace galloria

#pragma once

#include "betting/bet.h"
#include "betting/bet_statistics.h"
#include "betting/payouts.h"
#include "betting/pool_book.h"

#include <span>
#include <string>

namespace galloria {

inline constexpr int kPlayerSlots = 4;
inline constexpr int kRacesPerSet = 10;
inline constexpr int kStartingBalance = 10000;
inline constexpr int kMaxPlayerNameLength = 10; // as the names dialog accepts them

// One of the four player seats. A slot whose name is empty is not in the game.
struct PlayerSlot {
    std::string name;
    int balance = 0;                         // current dollars; a bought bet is taken off at once
    int settledBalance = 0;                  // right after the last settled race of the set
    int startBalance = kStartingBalance;     // at the start of the current set
    int balanceAfterRace[kRacesPerSet] = {}; // written by settlement
    BetStatistics statistics;
    BetTable bets; // this race's bets

    bool InGame() const { return !name.empty(); }
};

// The ten races of a set, drawn at its start.
struct RaceProgram {
    int runnerCount[kRacesPerSet];                       // 6..12 once drawn
    int runners[kRacesPerSet][kMaxFieldSize];            // stable index by post; -1 for an empty post
    int purse[kRacesPerSet];                             // dollars
    double morningLineOdds[kRacesPerSet][kMaxFieldSize]; // 2.5 .. 1000.0 once computed

    RaceProgram() { Clear(); }

    // No race drawn: no runners, every post empty, no purse, no odds.
    void Clear();

    // Runners in a race: its runner count held to 0..12, and 0 for a race
    // index outside the set, so callers can index the arrays with it.
    int FieldSize(int race) const;

    // The odds of a race's runners, one per runner.
    std::span<double> FieldOdds(int race);
    std::span<const double> FieldOdds(int race) const;
};

// The state of the current race set, read and written directly by the game's
// operations and dialogs. Nothing in it is allocated per race.
struct RaceSetState {
    PlayerSlot players[kPlayerSlots];
    int playerCount = 0; // slots in the game, counted when a set starts or is opened

    int raceCounter = -1; // running race number across continued sets; -1 before a set's first race
    int raceIndex = 0;    // the race within the set, raceCounter mod 10 once a race is prepared

    RaceProgram program;
    int gaitPhase[kMaxFieldSize] = {}; // each runner's place in the stride cycle, 0..10

    PoolBook pools;
    PayoutBoard payouts;
    int longShotCount = 0; // runners of the current race whose odds exceed 10.0

    bool firstTenEligible = false; // the set may enter the hall of fame's first-ten-races list
    bool raceRunning = false;      // a race is being run; the next-race step waits for it
    bool raceSettled = false;      // the current race has been paid and shown
    bool nextRaceArmed = false;    // run and settled: RACE! now leads to the next race
    bool quitRequested = false;    // the next-race step ends the set
    int pendingViewMode = -1;      // view mode to restore after a race cut short, or -1
    int oddsSimulationRuns = 0;    // 0, 5 or 10 simulated races for the current race's odds
    // An odds simulation is under way; a second one is refused until it ends.
    bool oddsSimulationActive = false;

    // Clears the set for a new start or before an open: the race counter goes
    // back to -1, every named slot gets its start balance back and every
    // empty slot a balance of 0, every slot's
    // statistics are zeroed, bets, pools and morning-line odds are cleared and
    // no race is running or armed.
    void ResetRaceSet();
};

} // namespace galloria

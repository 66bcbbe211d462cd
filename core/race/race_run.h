#pragma once

namespace galloria {

class CRaceEngine;
class GameRandom;
struct HorseRecord;

// The steps every race shares, whether the game shows it, runs it undisplayed
// or a tool studies it.

// Copies a horse's four characteristics into the engine's inputs for `runner`.
void LoadRunner(CRaceEngine& engine, int runner, const HorseRecord& horse);

// Draws each runner's stride phase (0..10) in runner order.
void DrawGaitPhases(CRaceEngine& engine, GameRandom& random);

// Starts the race the engine's inputs describe and steps it until it is over.
void RunRaceToEnd(CRaceEngine& engine, GameRandom& random);

} // namespace galloria

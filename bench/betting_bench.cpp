#include "base/game_random.h"
#include "betting/bet_line.h"
#include "betting/odds_simulation.h"
#include "betting/payouts.h"
#include "betting/pool_book.h"
#include "betting/race_set_state.h"
#include "betting/settlement.h"
#include "race/race_engine.h"
#include "stable/stable.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace galloria {
namespace {

// Ten undisplayed races of a full field, as a race preparation on high odds accuracy runs them.
void BM_SimulateOddsTenRacesTwelveRunners(benchmark::State& bench)
{
    auto stable = std::make_unique<Stable>();
    stable->count = kMaxFieldSize;
    auto state = std::make_unique<RaceSetState>();
    state->raceIndex = 0;
    state->program.runnerCount[0] = kMaxFieldSize;
    auto engine = std::make_unique<CRaceEngine>();
    for (int k = 0; k < kMaxFieldSize; ++k) {
        HorseRecord& horse = stable->records[k];
        horse.speed = static_cast<std::uint8_t>(40 + 5 * k);
        horse.sprint = static_cast<std::uint8_t>(90 - 6 * k);
        horse.stamina = static_cast<std::uint8_t>((29 * k) % 101);
        horse.spontaneity = static_cast<std::uint8_t>((61 * k) % 101);
        state->program.runners[0][k] = k;
        engine->gaitPhase[k] = k % 11;
    }
    GameRandom random;
    for (auto _ : bench) {
        std::fill_n(state->program.morningLineOdds[0], kMaxFieldSize, 12.0);
        random.Seed(2024);
        SimulateOdds(10, *state, *engine, *stable, random);
        benchmark::DoNotOptimize(state->program.morningLineOdds[0][0]);
    }
}
BENCHMARK(BM_SimulateOddsTenRacesTwelveRunners)->Unit(benchmark::kMillisecond);

// Settlement of four players holding 25 bets each, of every type.
void BM_SettleBetsFourPlayersFullTables(benchmark::State& bench)
{
    auto state = std::make_unique<RaceSetState>();
    state->raceIndex = 2;
    state->program.runnerCount[2] = kMaxFieldSize;
    const double odds[kMaxFieldSize] = {2.5, 3.5, 4.0, 6.0, 8.0, 9.5, 11.0, 15.0, 22.0, 40.0, 90.0, 400.0};
    std::copy(std::begin(odds), std::end(odds), state->program.morningLineOdds[2]);
    state->longShotCount = CountLongShots(odds);
    GameRandom random;
    SeedPools(state->pools, odds, random);
    const Podium podium{.first = 3, .second = 6, .third = 0};
    state->payouts = ComputePayouts(state->pools, podium);

    const Bet kinds[] = {
        {.amount = 10, .type = BetType::Win, .horse = {3, 0, 0}},
        {.amount = 20, .type = BetType::Place, .horse = {6, 0, 0}},
        {.amount = 30, .type = BetType::Show, .horse = {1, 0, 0}},
        {.amount = 30, .type = BetType::Across, .horse = {0, 0, 0}},
        {.amount = 10, .type = BetType::Exacta, .boxed = true, .horse = {6, 3, 0}},
        {.amount = 10, .type = BetType::Exacta, .horse = {3, HorseLong, 0}},
        {.amount = 12, .type = BetType::Triacta, .boxed = true, .horse = {0, 3, 6}},
        {.amount = 14, .type = BetType::Triacta, .horse = {3, 6, HorseAll}},
    };
    for (int p = 0; p < kPlayerSlots; ++p) {
        PlayerSlot& player = state->players[p];
        player.name = "Player " + std::to_string(p + 1);
        player.balance = 10000;
        for (int i = 0; i < kMaxBetsPerPlayer; ++i) {
            Bet bet = kinds[(i + p) % std::size(kinds)];
            bet.description = BetLineOf(player.name, bet);
            player.bets.Add(bet);
        }
    }
    for (auto _ : bench) {
        SettleBets(*state, podium);
        benchmark::DoNotOptimize(state->players[3].balance);
    }
}
BENCHMARK(BM_SettleBetsFourPlayersFullTables)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace galloria

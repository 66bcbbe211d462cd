#include "starting_stable.h"

#include "horse_coats.h"
#include "horse_names.h"
#include "season.h"

#include "base/game_random.h"
#include "stable/stable.h"

#include <utility>
#include <vector>

namespace galloria::maker {

namespace {

constexpr int kHorses = 400;
constexpr int kSeasonRaces = 360;
constexpr unsigned kSeed = 20261206;

// A characteristic that is never feeble: 10..100.
std::uint8_t DrawTrait(GameRandom& random)
{
    return static_cast<std::uint8_t>(10 + random.Next() % 91);
}

// Speeds spread evenly over 0..100 and dealt out in random order, so every
// class of race finds a field.
std::vector<int> DealSpeeds(GameRandom& random)
{
    std::vector<int> speeds(kHorses);
    for (int i = 0; i < kHorses; ++i)
        speeds[i] = i * 100 / (kHorses - 1);
    for (int i = kHorses - 1; i > 0; --i)
        std::swap(speeds[i], speeds[random.Next() % (i + 1)]);
    return speeds;
}

} // namespace

void MakeStartingStable(Stable& stable)
{
    GameRandom random;
    random.Seed(kSeed);
    const std::vector<std::string> names = MakeHorseNames(random, kHorses);
    const std::vector<int> speeds = DealSpeeds(random);

    stable.count = 0;
    for (int i = 0; i < kHorses; ++i) {
        HorseRecord& horse = stable.records[stable.count++];
        horse = HorseRecord{};
        SetHorseName(horse, names[i]);
        horse.speed = static_cast<std::uint8_t>(speeds[i]);
        horse.sprint = DrawTrait(random);
        horse.stamina = DrawTrait(random);
        horse.spontaneity = DrawTrait(random);
        horse.colour = DrawCoatColour(random);
    }
    stable.ComputeStatistics(random);
    RunSeason(stable, random, kSeasonRaces);
}

} // namespace galloria::maker

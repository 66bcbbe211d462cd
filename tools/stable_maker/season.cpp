#include "season.h"

#include "base/game_random.h"
#include "race/race_engine.h"
#include "race/race_run.h"
#include "stable/stable.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace galloria::maker {

namespace {

// Stable indices ordered from the slowest horse to the fastest.
std::vector<int> IndicesBySpeed(const Stable& stable)
{
    std::vector<int> indices(stable.count);
    std::iota(indices.begin(), indices.end(), 0);
    std::stable_sort(indices.begin(), indices.end(),
                     [&](int a, int b) { return stable.records[a].speed < stable.records[b].speed; });
    return indices;
}

// A field of `size` distinct horses taken from a window of the speed order.
std::vector<int> DrawField(const std::vector<int>& bySpeed, int size, GameRandom& random)
{
    const int total = static_cast<int>(bySpeed.size());
    const int windowSize = std::min(total, 2 * size + 2);
    const int first = random.Next() % (total - windowSize + 1);
    std::vector<int> window(bySpeed.begin() + first, bySpeed.begin() + first + windowSize);
    std::vector<int> field;
    while (static_cast<int>(field.size()) < size) {
        const int pick = random.Next() % static_cast<int>(window.size());
        field.push_back(window[pick]);
        window.erase(window.begin() + pick);
    }
    return field;
}

// Purses of 5000..50000 in thousands, richer for faster fields.
int DrawPurse(const Stable& stable, const std::vector<int>& field, GameRandom& random)
{
    int speedSum = 0;
    for (int index : field)
        speedSum += stable.records[index].speed;
    const int meanSpeed = speedSum / static_cast<int>(field.size());
    const int thousands = std::clamp(meanSpeed * 45 / 100 + random.Next() % 9 - 4, 0, 45);
    return 5000 + 1000 * thousands;
}

void RunRace(Stable& stable, const std::vector<int>& field, int purse, CRaceEngine& engine,
             GameRandom& random)
{
    engine.fieldSize = static_cast<int>(field.size());
    for (int k = 0; k < engine.fieldSize; ++k)
        LoadRunner(engine, k, stable.records[field[k]]);
    DrawGaitPhases(engine, random);
    engine.tippedRunner = -1;
    RunRaceToEnd(engine, random);

    std::vector<int> indexByPlace;
    std::vector<int> timeByPlace;
    for (int place = 0; place < engine.finishedCount; ++place) {
        const int runner = engine.finishOrder[place];
        indexByPlace.push_back(field[runner]);
        timeByPlace.push_back(engine.finishTime[runner]);
    }
    stable.RecordRaceResult(indexByPlace, timeByPlace, purse);
}

} // namespace

void RunSeason(Stable& stable, GameRandom& random, int races)
{
    const std::vector<int> bySpeed = IndicesBySpeed(stable);
    CRaceEngine engine;
    for (int race = 0; race < races; ++race) {
        const int size = 6 + random.Next() % 7;
        const std::vector<int> field = DrawField(bySpeed, size, random);
        RunRace(stable, field, DrawPurse(stable, field, random), engine, random);
    }
}

} // namespace galloria::maker

#include "game/race_program_draw.h"

#include "base/game_random.h"
#include "betting/odds.h"
#include "betting/race_set_state.h"
#include "stable/stable.h"

#include <cstdlib>

namespace galloria {

namespace {

constexpr int kDrawsPerPost = 100;
constexpr int kPurseStep = 1000;
constexpr int kPurseCut = 5000;
constexpr int kLargestPurse = 50000;
// A race has six to twelve runners.
constexpr int kSmallestField = 6;

// The speed a race of this purse is meant for.
int ClassLevel(int purse)
{
    const int level = (2 * purse - 10000) / 1000;
    return level < 10 ? 10 : level;
}

// Whether a horse suits a race of this level and purse: of the race's class,
// or a little faster but not yet a big winner, or a little slower but one
// that has won well before.
bool FitsRace(int speed, unsigned hiWin, int level, int purse)
{
    const int above = speed - level;
    const long long win = hiWin;
    if (std::abs(above) < 6)
        return true;
    if (above >= 6 && above <= 9 && win < purse * 5LL / 16)
        return true;
    if (above >= 6 && above <= 11 && win < 500)
        return true;
    return above <= -6 && above >= -9 && win > purse * 7LL / 16;
}

// A field size of 6 to 12, drawn towards 9 one time in four.
int DrawFieldSize(GameRandom& random)
{
    int size = kSmallestField + random.Next() % (kMaxFieldSize - kSmallestField + 1);
    if (random.Next() % 4 == 0)
        size += size > 9 ? -1 : size < 9 ? 1 : 0;
    return size;
}

bool RunsInSet(const RaceProgram& program, int race, int post, int horse)
{
    for (int r = 0; r <= race; ++r) {
        const int posts = r < race ? program.FieldSize(r) : kMaxFieldSize;
        for (int k = 0; k < posts; ++k) {
            if ((r != race || k != post) && program.runners[r][k] == horse)
                return true;
        }
    }
    return false;
}

void DrawRace(RaceProgram& program, int race, const Stable& stable, GameRandom& random)
{
    int purse = (5 + random.Next() % 46) * kPurseStep;
    int level = ClassLevel(purse);
    const int size = DrawFieldSize(random);
    program.runnerCount[race] = size;

    for (int post = 0; post < size; ++post) {
        int horse = -1;
        int draw = 0;
        for (; draw < kDrawsPerPost; ++draw) {
            horse = random.Next() % stable.count;
            const auto& statistics = stable.statistics[horse];
            if (FitsRace(stable.records[horse].speed, statistics.hiWin, level, purse))
                break;
        }
        if (draw == kDrawsPerPost - 1) {
            // A fit found only with the last draw: the class is thin at this
            // purse, so the race is made cheaper and its field drawn again
            // after the first post (from the first when that one is not yet
            // filled, so that no post is left empty).
            purse -= kPurseCut;
            if (purse <= 0)
                purse = kLargestPurse;
            level = ClassLevel(purse);
            for (int k = 1; k < size; ++k)
                program.runners[race][k] = -1;
            post = program.runners[race][0] >= 0 ? 0 : -1;
            continue;
        }
        program.runners[race][post] = horse;
        if (RunsInSet(program, race, post, horse)) {
            program.runners[race][post] = -1;
            --post; // the same post again
        }
    }
    program.purse[race] = purse;
}

} // namespace

std::string StableTooSmallMessage(int horseCount)
{
    if (horseCount >= kHorsesNeededForASet)
        return {};
    return "The stable has only " + std::to_string(horseCount) + " horses.\n\nA race set needs at least " +
           std::to_string(kHorsesNeededForASet) +
           ", because no horse\nruns twice in a set. Add horses with\nthe new horse editor.";
}

bool DrawRaceProgram(RaceProgram& program, const Stable& stable, GameRandom& random)
{
    program.Clear();
    if (stable.count < kHorsesNeededForASet)
        return false;
    for (int race = 0; race < kRacesPerSet; ++race)
        DrawRace(program, race, stable, random);
    NormaliseOdds(program, stable);
    return true;
}

bool PlaceChosenHorses(RaceProgram& program, int race, std::span<const int> chosen, const Stable& stable)
{
    if (race < 0 || race >= kRacesPerSet)
        return false;
    int taken = 0;
    while (taken < static_cast<int>(chosen.size()) && taken < kMaxFieldSize && chosen[taken] >= 0)
        ++taken;
    if (taken == 0)
        return false;

    int* posts = program.runners[race];
    for (int k = 0; k < taken; ++k) {
        const int horse = chosen[k];
        if (horse >= stable.count)
            continue;
        for (int later = k + 1; later < kMaxFieldSize; ++later) {
            if (posts[later] == horse)
                posts[later] = posts[k];
        }
        posts[k] = horse;
    }
    if (taken >= kSmallestField)
        program.runnerCount[race] = taken;

    const std::span<double> odds = program.FieldOdds(race);
    for (int k = 0; k < static_cast<int>(odds.size()); ++k) {
        const int horse = posts[k];
        odds[k] = horse >= 0 && horse < stable.count ? stable.statistics[horse].ratingOdds : kMaxOdds;
    }
    NormaliseFieldOdds(odds);
    return true;
}

} // namespace galloria

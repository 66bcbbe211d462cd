#include "game/race_program_draw.h"

#include "base/game_random.h"
#include "base/screen_text.h"
#include "betting/odds.h"
#include "betting/race_set_state.h"
#include "stable/stable.h"

#include <cstdlib>

namespace galloria {

namespace {

constexpr int kDrawsPerPost = 100;
constexpr int kPurseStep = 1000;
constexpr int kPurseCut = 5000;
constexpr int kSmallestPurse = 5000;
constexpr int kLargestPurse = 50000;
// A race has six to twelve runners.
constexpr int kSmallestField = 6;

// When every horse of a race's class already runs in the set, each post's
// draw keeps finding horses it may not take and could go on for minutes.
// A post that meets a horse already in the set this many times in a row is
// filled by FallbackHorse instead. Over 20000 seeds of the starting stable
// a post never needs more than about a hundred redraws unless it is caught
// in such a search (tens of thousands to millions), so the budget changes
// none of the draws that end of themselves.
constexpr int kRedrawBudget = 1000;
// A fit found only on a post's last draw cuts the purse and draws the race
// again. A stable that keeps doing so is not given more than this many cuts
// per race; after that such a fit is simply taken.
constexpr int kMostPurseCuts = 20;

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

// The posts of a program being drawn, with which horses already run in the
// set, so that asking costs nothing however often a post is drawn again.
class ProgramPosts {
public:
    ProgramPosts(RaceProgram& program, int horseCount) : program_(program), horseCount_(horseCount) {}

    bool RunsInSet(int horse) const { return inSet_[horse]; }

    void Put(int race, int post, int horse)
    {
        program_.runners[race][post] = horse;
        inSet_[horse] = true;
    }

    void Empty(int race, int post)
    {
        int& horse = program_.runners[race][post];
        if (horse >= 0)
            inSet_[horse] = false;
        horse = -1;
    }

    int Horse(int race, int post) const { return program_.runners[race][post]; }
    int HorseCount() const { return horseCount_; }

private:
    RaceProgram& program_;
    int horseCount_;
    bool inSet_[Stable::kMaxHorses] = {};
};

// The horse a post takes once its draw has used up its budget: going round
// the stable from the horse drawn last, the first one not yet in the set that
// fits the race; when no free horse fits, the free one nearest the race's
// level in speed (the first met of equals). A stable of at least
// kHorsesNeededForASet horses always has a free one, since a set has at most
// that many runners.
int FallbackHorse(const ProgramPosts& posts, const Stable& stable, int start, int level, int purse)
{
    int nearest = -1;
    int nearestGap = 0;
    for (int step = 0; step < posts.HorseCount(); ++step) {
        const int horse = (start + step) % posts.HorseCount();
        if (posts.RunsInSet(horse))
            continue;
        const int speed = stable.records[horse].speed;
        if (FitsRace(speed, stable.statistics[horse].hiWin, level, purse))
            return horse;
        const int gap = std::abs(speed - level);
        if (nearest < 0 || gap < nearestGap) {
            nearest = horse;
            nearestGap = gap;
        }
    }
    return nearest;
}

void DrawRace(ProgramPosts& posts, RaceProgram& program, int race, const Stable& stable, GameRandom& random)
{
    int purse = (5 + random.Next() % 46) * kPurseStep;
    int level = ClassLevel(purse);
    const int size = DrawFieldSize(random);
    program.runnerCount[race] = size;
    int purseCuts = 0;
    int redraws = 0; // of the post being drawn, in a row

    for (int post = 0; post < size; ++post) {
        int horse = -1;
        int draw = 0;
        for (; draw < kDrawsPerPost; ++draw) {
            horse = random.Next() % stable.count;
            const auto& statistics = stable.statistics[horse];
            if (FitsRace(stable.records[horse].speed, statistics.hiWin, level, purse))
                break;
        }
        if (draw == kDrawsPerPost - 1 && purseCuts < kMostPurseCuts) {
            // A fit found only with the last draw: the class is thin at this
            // purse, so the race is made cheaper and its field drawn again
            // after the first post (from the first when that one is not yet
            // filled, so that no post is left empty). A purse cut below the
            // smallest starts again from the largest.
            ++purseCuts;
            redraws = 0;
            purse -= kPurseCut;
            if (purse < kSmallestPurse)
                purse = kLargestPurse;
            level = ClassLevel(purse);
            for (int k = 1; k < size; ++k)
                posts.Empty(race, k);
            post = posts.Horse(race, 0) >= 0 ? 0 : -1;
            continue;
        }
        if (posts.RunsInSet(horse)) {
            if (++redraws < kRedrawBudget) {
                --post; // the same post again
                continue;
            }
            horse = FallbackHorse(posts, stable, horse, level, purse);
        }
        posts.Put(race, post, horse);
        redraws = 0;
    }
    program.purse[race] = purse;
}

} // namespace

std::string StableTooSmallMessage(int horseCount)
{
    if (horseCount >= kHorsesNeededForASet)
        return {};
    return FillIn(Tr("Game",
                     "The stable has only %1 horses.\n\nA race set needs at least %2, because no horse\nruns "
                     "twice in a set. Add horses with\nthe new horse editor."),
                  {std::to_string(horseCount), std::to_string(kHorsesNeededForASet)});
}

bool DrawRaceProgram(RaceProgram& program, const Stable& stable, GameRandom& random)
{
    program.Clear();
    if (stable.count < kHorsesNeededForASet)
        return false;
    ProgramPosts posts(program, stable.count);
    for (int race = 0; race < kRacesPerSet; ++race)
        DrawRace(posts, program, race, stable, random);
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

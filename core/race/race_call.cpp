#include "race/race_call.h"

#include <algorithm>

namespace galloria {

namespace {

// Moves are called from the end of the early scramble until the finish.
constexpr int kMovesFrom = 1500;
constexpr int kMovesUntil = 9700;
// The same runner's move is not called again within this many ticks.
constexpr int kMoveRepeatTicks = 150;
// Lanes (in half-lane units) the caller calls "along the rail" and "on the outside".
constexpr int kRailLanes = 2;
constexpr int kOutsideLanes = 12;
// A leader who tires is called only in the second half of the race.
constexpr int kTiringFrom = 5000;
// After "A photo!" the result waits a little, so the photo call is read.
constexpr int kPhotoHoldTicks = 25;
// Nor is a move or a tiring leader called this close before a point of
// the course, whose call would cover it at once.
constexpr int kQuietBeforePoint = 750;
// Moves are called into the first four places only.
constexpr int kMoveIntoPlaces = 4;

CallWords Words(std::string_view first, std::string_view second = {}, std::string_view third = {},
                std::string_view margin1 = {}, std::string_view margin2 = {}, std::string_view point = {},
                std::string_view place = {})
{
    return CallWords{first, second, third, margin1, margin2, point, place};
}

} // namespace

RaceCaller::RaceCaller(std::span<const std::string> names, int variant) : variant_(variant)
{
    for (int runner = 0; runner < CRaceEngine::kMaxRunners; ++runner) {
        if (runner < static_cast<int>(names.size()) && !names[runner].empty())
            names_[runner] = names[runner];
        else
            names_[runner] = FillIn(Tr("RaceCall", "Number %1"), {std::to_string(runner + 1)});
    }
    lastMoveCall_.fill(-kMoveRepeatTicks);
}

bool RaceCaller::Observe(const CRaceEngine& engine)
{
    field_ = std::clamp(engine.fieldSize, 1, CRaceEngine::kMaxRunners);
    const int tick = engine.tickCount;
    SortPlaces(engine);
    bool said = false;
    if (tick == 0) {
        Say(CallKind::Start, Words({}), tick);
        said = true;
    } else {
        said = CallFinish(engine) || CallPoint(engine) ||
               (Quiet(engine) && (CallMove(engine) || CallTiring(engine)));
    }
    std::array<signed char, CRaceEngine::kMaxRunners>& row = placeHistory_[tick % kMoveWindowTicks];
    for (int runner = 0; runner < field_; ++runner)
        row[runner] = static_cast<signed char>(place_[runner]);
    lastLeader_ = engine.leaderPosition;
    return said;
}

bool RaceCaller::Quiet(const CRaceEngine& engine) const
{
    if (engine.tickCount - lastCallTick_ < kQuietTicks)
        return false;
    for (const int point : kCallPoints) {
        if (engine.leaderPosition < point && engine.leaderPosition >= point - kQuietBeforePoint)
            return false;
    }
    return true;
}

void RaceCaller::SortPlaces(const CRaceEngine& engine)
{
    // Insertion sort: twelve runners, nearly in order from one tick to the
    // next; ties keep runner order, as the running-order board does.
    for (int k = 0; k < field_; ++k) {
        const int runner = k;
        int at = k;
        while (at > 0 && engine.position[order_[at - 1]] < engine.position[runner]) {
            order_[at] = order_[at - 1];
            --at;
        }
        order_[at] = runner;
    }
    for (int k = 0; k < field_; ++k)
        place_[order_[k]] = k;
}

bool RaceCaller::CallFinish(const CRaceEngine& engine)
{
    const int placed = std::min(engine.finishedCount, field_);
    const bool winnerNow = placedSeen_ == 0 && placed > 0;
    for (int p = placedSeen_; p < placed && p < 3; ++p) {
        const int runner = engine.finishOrder[p];
        if (p >= 1)
            margins_.units[p - 1] = std::max(0, CRaceEngine::kFinishLine - finishNoses_[p - 1][runner]);
        if (p <= 1)
            std::copy(engine.nosePosition, engine.nosePosition + CRaceEngine::kMaxRunners,
                      finishNoses_[p].begin());
    }
    placedSeen_ = placed;
    const int tick = engine.tickCount;
    const int winner = engine.finishOrder[0];
    if (winnerNow) {
        if (field_ == 1) {
            Say(CallKind::Alone, Words(Name(winner)), tick);
            winCalled_ = true;
            return true;
        }
        if (margins_.units[0] == 0) {
            Say(CallKind::DeadHeat, Words(Name(winner), Name(engine.finishOrder[1])), tick);
            winCalled_ = true;
            return true;
        }
        int chaserNose = 0;
        for (int runner = 0; runner < field_; ++runner) {
            if (runner != winner)
                chaserNose = std::max(chaserNose, finishNoses_[0][runner]);
        }
        if (CRaceEngine::kFinishLine - chaserNose < kPhotoUnits) {
            Say(CallKind::Photo, Words({}), tick);
            return true;
        }
    }
    if (winCalled_ || margins_.units[0] < 0)
        return false;
    // After a photo the result waits its turn; otherwise it comes as the second finishes.
    if (saidOfKind_[static_cast<int>(CallKind::Photo)] > 0 && tick - lastCallTick_ < kPhotoHoldTicks)
        return false;
    const std::string margin = MarginText(margins_.units[0]);
    Say(CallKind::Wins, Words(Name(winner), Name(engine.finishOrder[1]), {}, margin), tick);
    winCalled_ = true;
    return true;
}

bool RaceCaller::CallPoint(const CRaceEngine& engine)
{
    if (field_ < 3 || engine.finishedCount > 0)
        return false;
    for (int point = 0; point < 3; ++point) {
        if (lastLeader_ >= kCallPoints[point] || engine.leaderPosition < kCallPoints[point])
            continue;
        const int a = order_[0], b = order_[1], c = order_[2];
        const std::string m1 = MarginText(engine.position[a] - engine.position[b]);
        const std::string m2 = MarginText(engine.position[b] - engine.position[c]);
        Say(CallKind::Point, Words(Name(a), Name(b), Name(c), m1, m2, Tr(kCallPointNames[point])),
            engine.tickCount);
        return true;
    }
    return false;
}

bool RaceCaller::CallMove(const CRaceEngine& engine)
{
    const int tick = engine.tickCount;
    if (tick < kMoveWindowTicks || engine.finishedCount > 0 || engine.leaderPosition < kMovesFrom ||
        engine.leaderPosition >= kMovesUntil)
        return false;
    // This tick's row of the ring still holds the places of a window ago.
    const std::array<signed char, CRaceEngine::kMaxRunners>& before = placeHistory_[tick % kMoveWindowTicks];
    int mover = -1;
    int bestGain = 1;
    for (int runner = 0; runner < field_; ++runner) {
        const int gain = before[runner] - place_[runner];
        if (gain > bestGain && place_[runner] < kMoveIntoPlaces &&
            tick - lastMoveCall_[runner] >= kMoveRepeatTicks) {
            bestGain = gain;
            mover = runner;
        }
    }
    if (mover < 0)
        return false;
    lastMoveCall_[mover] = tick;
    const int place = place_[mover];
    const int lane = engine.lane[mover];
    const CallKind kind = place == 0              ? CallKind::TakesLead
                          : lane <= kRailLanes    ? CallKind::MoveRail
                          : lane >= kOutsideLanes ? CallKind::MoveOutside
                                                  : CallKind::MoveUp;
    Say(kind, Words(Name(mover), {}, {}, {}, {}, {}, CalledPlace(place + 1)), tick);
    return true;
}

bool RaceCaller::CallTiring(const CRaceEngine& engine)
{
    if (field_ < 2 || engine.finishedCount > 0 || engine.leaderPosition < kTiringFrom)
        return false;
    const int leader = order_[0];
    const int second = order_[1];
    if (tiringCalled_[leader] || engine.energy[leader] >= 0 || engine.speed[leader] >= engine.speed[second])
        return false;
    tiringCalled_[leader] = true;
    Say(CallKind::Tiring, Words(Name(leader), Name(second)), engine.tickCount);
    return true;
}

void RaceCaller::Say(CallKind kind, const CallWords& words, int tick)
{
    int& said = saidOfKind_[static_cast<int>(kind)];
    call_ = FillPhrase(CallPhrase(kind, variant_ + said), words);
    ++said;
    lastCallTick_ = tick;
}

} // namespace galloria

#include "race/race_call_sheet.h"

#include "base/game_random.h"

namespace galloria {

std::string_view RaceCallSheet::CallAt(int tick) const
{
    std::string_view text;
    for (const TimedCall& call : calls) {
        if (call.tick > tick)
            break;
        text = call.text;
    }
    return text;
}

RaceCallSheet CallRace(const CRaceEngine& inputs, const GameRandom& random,
                       std::span<const std::string> names, int variant)
{
    CRaceEngine engine = inputs;
    GameRandom draws = random;
    RaceCaller caller(names, variant);
    RaceCallSheet sheet;
    engine.StartRace(draws);
    while (!engine.raceOver) {
        engine.AdvanceTick(draws);
        if (sheet.winnerTick < 0 && engine.finishedCount > 0)
            sheet.winnerTick = engine.tickCount;
        if (caller.Observe(engine))
            sheet.calls.push_back({engine.tickCount, caller.Call()});
    }
    sheet.margins = caller.Margins();
    return sheet;
}

bool CloseFinish(const FinishMargins& margins)
{
    return margins.units[0] >= 0 && margins.units[0] < kLengthUnits;
}

bool SlowMotionTick(const RaceCallSheet& sheet, bool replay, int tick)
{
    if (sheet.winnerTick < 0 || !(replay || CloseFinish(sheet.margins)))
        return false;
    return tick > sheet.winnerTick - kSlowMotionTicks && tick <= sheet.winnerTick;
}

} // namespace galloria

#include "betting/betting_window_arrangement.h"

namespace galloria {

BettingArrangement ChooseBettingArrangement(double screenScale,
                                            const std::function<bool(const BettingArrangement&)>& fits)
{
    const BettingArrangement tries[] = {
        {screenScale, false, true}, {1.0, false, true},         {screenScale, true, true},
        {1.0, true, true},          {screenScale, true, false},
    };
    for (const BettingArrangement& arrangement : tries) {
        if (fits(arrangement))
            return arrangement;
    }
    return {1.0, true, false};
}

} // namespace galloria

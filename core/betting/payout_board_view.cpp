#include "betting/payout_board_view.h"

#include "base/screen_text.h"
#include "betting/payouts.h"

#include <cstdio>

namespace galloria {

namespace {

std::string Figure(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%7.2f", value);
    return text;
}

} // namespace

PayoutBoardView BuildPayoutBoardView(std::span<const int> runnerByPlace, std::span<const std::string> names,
                                     std::span<const std::string> owners, int tippedRunner,
                                     const PayoutBoard& payouts)
{
    PayoutBoardView board;
    const auto known = [&](int runner) { return runner >= 0 && runner < static_cast<int>(names.size()); };
    for (std::size_t place = 0; place < runnerByPlace.size(); ++place) {
        const int runner = runnerByPlace[place];
        if (!known(runner))
            continue;
        PayoutBoardRow row;
        row.place = std::to_string(place + 1);
        row.name = names[runner];
        if (runner < static_cast<int>(owners.size()))
            row.owner = owners[runner];
        row.placed = place < 3;
        row.tipped = runner == tippedRunner;
        if (place == 0) {
            row.win = Figure(payouts.winPay);
            row.place2 = Figure(payouts.placePayFirst);
            row.show = Figure(payouts.showPayFirst);
        } else if (place == 1) {
            row.place2 = Figure(payouts.placePaySecond);
            row.show = Figure(payouts.showPaySecond);
        } else if (place == 2) {
            row.show = Figure(payouts.showPayThird);
        }
        board.rows.push_back(std::move(row));
    }
    if (runnerByPlace.size() >= 3) {
        const std::string w = std::to_string(runnerByPlace[0] + 1);
        const std::string s = std::to_string(runnerByPlace[1] + 1);
        const std::string t = std::to_string(runnerByPlace[2] + 1);
        board.exactaLine =
            FillIn(Tr("PayoutBoard", "Exacta for %1-%2 pays %3"), {w, s, Figure(payouts.exactaPay)});
        board.triactaLine =
            FillIn(Tr("PayoutBoard", "Triacta for %1-%2-%3 pays %4"), {w, s, t, Figure(payouts.triactaPay)});
    }
    return board;
}

} // namespace galloria

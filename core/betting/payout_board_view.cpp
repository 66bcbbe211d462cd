#include "betting/payout_board_view.h"

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

template <typename... Numbers> std::string Format(const char* format, Numbers... numbers)
{
    char text[96];
    std::snprintf(text, sizeof text, format, numbers...);
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
        const int w = runnerByPlace[0] + 1;
        const int s = runnerByPlace[1] + 1;
        const int t = runnerByPlace[2] + 1;
        board.exactaLine = Format("Exacta for %d-%d pays %7.2f", w, s, payouts.exactaPay);
        board.triactaLine = Format("Triacta for %d-%d-%d pays %7.2f", w, s, t, payouts.triactaPay);
    }
    return board;
}

} // namespace galloria

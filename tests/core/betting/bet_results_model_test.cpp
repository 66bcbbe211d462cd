#include "betting/bet_results_model.h"

#include "bet_helpers.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

using M = BetResultsModel;

using testing::SettledBet;

RaceSetState ThreePlayers()
{
    RaceSetState state;
    state.players[0].name = "Ann";
    state.players[0].balance = 9940;
    state.players[0].bets.Add(SettledBet(BetType::Win, 100, 150, 2));
    state.players[0].bets.Add(SettledBet(BetType::Triacta, 20, 0, 2, 4, HorseAll, true));
    state.players[1].name = "Bob";
    state.players[1].balance = 10000;
    state.players[3].name = "Dee";
    state.players[3].balance = 5000;
    state.players[3].bets.Add(SettledBet(BetType::Exacta, 40, 0, 0, HorseLong));
    state.players[3].bets.Add(SettledBet(BetType::Across, 60, 20, 7));
    return state;
}

TEST(BetResultsModel, OneLinePerBetWithTheTypesLegsAmountsAndReturn)
{
    M model;
    model.Fill(ThreePlayers());
    ASSERT_EQ(model.LineCount(), 4);
    const std::vector<std::array<std::string, 8>> expected = {
        {"Ann", "Win", "3", " ", " ", "$100", "$150", "%150"},
        {"Ann", "Triacta Box", "3", "5", "All", "$20", "$0", "%0"},
        {"Dee", "Exacta ", "1", "Long", " ", "$40", "$0", "%0"},
        {"Dee", "Across", "8", " ", " ", "$60", "$20", "%33"},
    };
    for (int line = 0; line < 4; ++line) {
        EXPECT_EQ(model.LineIndex(line), line);
        for (int column = 0; column < M::kColumnCount; ++column)
            EXPECT_EQ(model.Cell(line, column), expected[line][column]) << line << "," << column;
    }
}

TEST(BetResultsModel, SummariesSumEachPlayerAndLeaveEmptySlotsBlank)
{
    M model;
    model.Fill(ThreePlayers());
    const auto fields = [&model](int slot) {
        const M::Summary& s = model.SummaryOf(slot);
        return std::vector<std::string>{s.name, s.bet, s.won, s.net, s.newBalance};
    };
    EXPECT_EQ(fields(0), (std::vector<std::string>{"Ann:", "$120", "$150", "$30", "$9940"}));
    // A player who bet nothing: $0 and the balance as it was.
    EXPECT_EQ(fields(1), (std::vector<std::string>{"Bob:", "$0", "$0", "$0", "$10000"}));
    EXPECT_EQ(fields(2), (std::vector<std::string>{"", "", "", "", ""}));
    // A net loss has its sign after the dollar.
    EXPECT_EQ(fields(3), (std::vector<std::string>{"Dee:", "$100", "$20", "$-80", "$5000"}));
}

TEST(BetResultsModel, CellsCompareAsPaddedTextsSoTwentyDollarsTopsAHundred)
{
    struct Case {
        const char* a;
        const char* b;
        int column;
        bool ascending;
        int expected;
    };
    const Case cases[] = {
        {"$20", "$100", M::kBet, true, -1},   // "///////$20" is above "//////$100" in bytes, listed first
        {"$20", "$100", M::kBet, false, 1},   //
        {"Ann", "Bob", M::kName, true, -1},   // names A to Z on the first click
        {"Ann", "Bob", M::kName, false, 1},   //
        {"%150", "%0", M::kPercent, true, 1}, // the shorter text's '/' outranks the longer one's '%'
        {"$25", "$20", M::kBet, true, -1},    // same length: the higher amount first
        {"Win", "Win", M::kType, true, 0},
        {"Triacta Box", "Triacta ", M::kType, true, -1}, // ten characters and more are not padded
    };
    for (const Case& c : cases)
        EXPECT_EQ(M::CompareCells(c.a, c.b, c.column, c.ascending), c.expected) << c.a << " " << c.b;
}

TEST(BetResultsModel, HeaderClicksSortAndASecondClickReverses)
{
    RaceSetState state;
    state.players[0].name = "Zed";
    state.players[0].bets.Add(SettledBet(BetType::Win, 100, 0, 0));
    state.players[1].name = "Amy";
    state.players[1].bets.Add(SettledBet(BetType::Win, 20, 0, 1));
    state.players[1].bets.Add(SettledBet(BetType::Win, 5, 0, 1));
    M model;
    model.Fill(state);
    model.SortBy(M::kBet);
    // Padded texts, highest first: "////////$5", "///////$20", "//////$100".
    EXPECT_EQ(model.Cell(0, M::kBet), "$5");
    EXPECT_EQ(model.Cell(1, M::kBet), "$20");
    EXPECT_EQ(model.Cell(2, M::kBet), "$100");
    EXPECT_TRUE(model.Ascending());
    model.SortBy(M::kBet);
    EXPECT_EQ(model.Cell(0, M::kBet), "$100");
    EXPECT_EQ(model.Cell(2, M::kBet), "$5");
    model.SortBy(M::kName);
    EXPECT_EQ(model.Cell(0, M::kName), "Amy");
    EXPECT_EQ(model.Cell(2, M::kName), "Zed");
    EXPECT_EQ(model.LineIndex(2), 0) << "the line keeps its index as item data";
}

} // namespace
} // namespace galloria

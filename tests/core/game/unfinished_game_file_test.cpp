#include "game/unfinished_game_file.h"

#include "../halloffame/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace galloria {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// Two players in slots 0 and 2 after the fourth race of their second set has
// been settled; slot 3 is out of the game but holds a balance of its own.
RaceSetState SampleState()
{
    RaceSetState state;
    state.raceIndex = 3;
    state.raceCounter = 13;
    state.raceSettled = true;

    PlayerSlot& ann = state.players[0];
    ann.name = "Ann";
    ann.balance = 12500;
    std::ranges::copy(std::array{9800, 11000, 10400, 12500}, ann.balanceAfterRace);
    for (int t = 0; t < kBetTypeCount; ++t) {
        ann.statistics.betsPlaced[t] = 2 * t + 1;
        ann.statistics.betsWon[t] = t;
        ann.statistics.amountBet[t] = 50 * (t + 1);
        ann.statistics.amountWon[t] = 40 * t + 5;
    }

    PlayerSlot& bo = state.players[2];
    bo.name = "Bo";
    bo.balance = 300;
    std::ranges::copy(std::array{5000, 2000, 700, 300}, bo.balanceAfterRace);
    for (int t = 0; t < kBetTypeCount; ++t) {
        bo.statistics.betsPlaced[t] = t;
        bo.statistics.amountBet[t] = 10 * t;
    }

    state.players[3].balance = 55;
    return state;
}

// SampleState's file, dated 3-7-2003.
constexpr std::string_view kSampleFile =
    "3-7-2003\r\n"
    "4\r\n"
    "14\r\n"
    "Ann\r\n"
    "12500 10000\r\n"
    "9800 11000 10400 12500 0 0 0 0 0 0 \r\n"
    "1 0 50 5 3 1 100 45 5 2 150 85 7 3 200 125 9 4 250 165 11 5 300 205 13 6 350 245 \r\n"
    "none\r\n"
    "0 10000\r\n"
    "0 0 0 0 0 0 0 0 0 0 \r\n"
    "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 \r\n"
    "Bo\r\n"
    "300 10000\r\n"
    "5000 2000 700 300 0 0 0 0 0 0 \r\n"
    "0 0 0 0 1 0 10 0 2 0 20 0 3 0 30 0 4 0 40 0 5 0 50 0 6 0 60 0 \r\n"
    "none\r\n"
    "55 10000\r\n"
    "0 0 0 0 0 0 0 0 0 0 \r\n"
    "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 \r\n";

// A state that still holds another game, as the one in progress before an open.
RaceSetState OtherGame()
{
    RaceSetState state;
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        PlayerSlot& player = state.players[slot];
        player.name = "Old" + std::to_string(slot);
        player.balance = 777;
        player.startBalance = 4444;
        player.settledBalance = 888;
        std::ranges::fill(player.balanceAfterRace, 999);
        player.statistics.betsPlaced[3] = 5;
        player.statistics.racesPlayed = 7;
    }
    state.raceIndex = 6;
    state.raceCounter = 26;
    state.playerCount = 4;
    state.firstTenEligible = true;
    state.raceSettled = true;
    return state;
}

GameFileReadResult ReadText(std::string_view text, RaceSetState& state)
{
    std::istringstream in{std::string(text)};
    return ReadUnfinishedGame(in, state);
}

// The lines of a text whose every line ends with CR LF.
std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos; text.remove_prefix(end + 2))
        lines.emplace_back(text.substr(0, end));
    EXPECT_TRUE(text.empty()) << "every line ends with CR LF";
    return lines;
}

int CountTokens(std::string_view text)
{
    std::istringstream in{std::string(text)};
    std::string token;
    int count = 0;
    while (in >> token)
        ++count;
    return count;
}

// The sample file's tokens on one line, those at the given indexes (0 = the
// date) replaced.
std::string WithTokens(const std::vector<std::pair<int, std::string_view>>& replacements)
{
    std::istringstream in{std::string(kSampleFile)};
    std::string token;
    std::string text;
    for (int i = 0; in >> token; ++i) {
        for (const auto& [index, replacement] : replacements) {
            if (index == i)
                token = replacement;
        }
        text += token + " ";
    }
    return text;
}

std::string WithToken(int index, std::string_view replacement)
{
    return WithTokens({{index, replacement}});
}

TEST(UnfinishedGameFile, RoundTripIsByteForByte)
{
    // 19 lines, each ended by CR LF; the lists keep their trailing spaces.
    TempFolder folder;
    const auto first = folder.Path() / "Saved Game.gxu";
    ASSERT_TRUE(WriteUnfinishedGameFile(first, SampleState(), "3-7-2003"));
    EXPECT_EQ(ReadBytes(first), kSampleFile);
    EXPECT_EQ(SplitLines(kSampleFile).size(), 19u);

    RaceSetState opened = OtherGame();
    const GameFileReadResult result = ReadUnfinishedGameFile(first, opened);
    ASSERT_TRUE(result.Complete()) << GameFileReadMessage(result);
    EXPECT_EQ(result.tokensRead, kUnfinishedGameTokenCount);
    EXPECT_EQ(result.date, "3-7-2003");
    EXPECT_TRUE(GameFileReadMessage(result).empty());
    // The game in progress is replaced, and the set resumes at the race after
    // the saved one, not yet run; what the file does not hold is derived.
    EXPECT_EQ(opened.playerCount, 2);
    EXPECT_FALSE(opened.firstTenEligible);
    EXPECT_FALSE(opened.raceSettled);
    EXPECT_EQ(opened.players[0].settledBalance, 12500);
    for (int slot = 0; slot < kPlayerSlots; ++slot)
        EXPECT_EQ(opened.players[slot].statistics.racesPlayed, opened.players[slot].InGame() ? 14 : 0);
    // Written again, the opened state gives the same file: every value was
    // read into its place.
    const auto second = folder.Path() / "again.gxu";
    ASSERT_TRUE(WriteUnfinishedGameFile(second, opened, *result.date));
    EXPECT_EQ(ReadBytes(second), kSampleFile);

    // Line feeds alone, or every token on one line, read the same.
    std::string lineFeeds(kSampleFile);
    std::erase(lineFeeds, '\r');
    for (const std::string& text : {lineFeeds, WithTokens({})}) {
        RaceSetState state;
        ASSERT_TRUE(ReadText(text, state).Complete());
        EXPECT_EQ(FormatUnfinishedGame(state, "3-7-2003"), kSampleFile);
    }
}

TEST(UnfinishedGameFile, AFileCutAfterAnyLineKeepsWhatItHolds)
{
    const std::vector<std::string> lines = SplitLines(kSampleFile);
    RaceSetState full;
    ASSERT_TRUE(ReadText(kSampleFile, full).Complete());

    for (int kept = 0; kept <= 19; ++kept) {
        SCOPED_TRACE("lines kept: " + std::to_string(kept));
        std::string text;
        for (int i = 0; i < kept; ++i)
            text += lines[i] + "\r\n";
        RaceSetState state = OtherGame();
        const GameFileReadResult result = ReadText(text, state);

        EXPECT_EQ(result.stop, kept == 19 ? GameFileStop::Complete : GameFileStop::EndsEarly);
        EXPECT_EQ(result.tokensRead, CountTokens(text));
        EXPECT_EQ(result.date.has_value(), kept >= 1);
        EXPECT_EQ(state.raceIndex, kept >= 3 ? 4 : 0);
        EXPECT_EQ(state.raceCounter, kept >= 3 ? 14 : -1);
        EXPECT_FALSE(state.firstTenEligible);

        int named = 0;
        for (int slot = 0; slot < kPlayerSlots; ++slot) {
            SCOPED_TRACE("slot " + std::to_string(slot));
            const PlayerSlot& got = state.players[slot];
            const PlayerSlot& want = full.players[slot];
            const int first = 3 + 4 * slot; // lines kept before the slot's name line
            EXPECT_EQ(got.name, kept > first ? want.name : "");
            named += got.InGame() ? 1 : 0;
            // A named slot without its money line has what ResetRaceSet gives it.
            const int unreadBalance = got.InGame() ? kStartingBalance : 0;
            EXPECT_EQ(got.balance, kept > first + 1 ? want.balance : unreadBalance);
            EXPECT_EQ(got.startBalance, kept > first + 1 ? want.startBalance : kStartingBalance);
            for (int race = 0; race < kRacesPerSet; ++race)
                EXPECT_EQ(got.balanceAfterRace[race], kept > first + 2 ? want.balanceAfterRace[race] : 0);
            BetStatistics unread;
            unread.racesPlayed = got.InGame() ? 14 : 0;
            EXPECT_EQ(got.statistics, kept > first + 3 ? want.statistics : unread);
        }
        EXPECT_EQ(state.playerCount, named);
    }
}

TEST(UnfinishedGameFile, LettersWhereNumbersBelongEndTheReadingThere)
{
    // Token 2 is the race counter, 5 Ann's start balance, 6 her first balance
    // after a race, 12 one she has not run yet, 58 a statistic of the empty
    // slot 1, 86 Bo's balance.
    struct Case {
        int token;
        std::string_view text;
        int line;
    };
    for (const Case c : {Case{2, "fourteen", 1}, Case{5, "10000$", 1}, Case{6, "0x10", 1}, Case{12, "-", 1},
                         Case{58, "3.5", 1}, Case{86, "1e3", 1}}) {
        SCOPED_TRACE(std::string(c.text) + " as token " + std::to_string(c.token));
        RaceSetState state = OtherGame();
        const GameFileReadResult result = ReadText(WithToken(c.token, c.text), state);
        EXPECT_EQ(result.stop, GameFileStop::NotANumber);
        EXPECT_EQ(result.token, c.text);
        EXPECT_EQ(result.line, c.line); // WithToken puts every token on one line
        EXPECT_EQ(result.tokensRead, c.token);
    }

    // On its own lines, the line of the bad token is named.
    std::string text(kSampleFile);
    text.replace(text.find("300 10000"), 3, "lots");
    RaceSetState state = OtherGame();
    const GameFileReadResult result = ReadText(text, state);
    EXPECT_EQ(result.stop, GameFileStop::NotANumber);
    EXPECT_EQ(result.line, 13);
    EXPECT_NE(GameFileReadMessage(result).find("\"lots\" on line 13"), std::string::npos);
    EXPECT_EQ(state.players[2].name, "Bo");
    EXPECT_EQ(state.players[2].balance, kStartingBalance);
    EXPECT_EQ(state.players[0].balance, 12500);
    EXPECT_EQ(state.playerCount, 2);

    // A sign in front of a number is still a number.
    RaceSetState signedState;
    EXPECT_TRUE(ReadText(WithToken(4, "+12500"), signedState).Complete());
    EXPECT_EQ(signedState.players[0].balance, 12500);
}

TEST(UnfinishedGameFile, RaceNumbersThatCannotBeAreRefusedBeforeAnyArrayIsTouched)
{
    struct Case {
        std::string_view raceIndex;
        std::string_view raceCounter;
    };
    for (const Case c :
         {Case{"11", "11"}, Case{"-1", "9"}, Case{"99999", "99999"}, Case{"2147483647", "14"},
          Case{"4", "-6"}, Case{"4", "15"}, Case{"10", "0"}, Case{"10", "15"}, Case{"0", "2147483640"}}) {
        SCOPED_TRACE(std::string(c.raceIndex) + " " + std::string(c.raceCounter));
        RaceSetState state = OtherGame();
        const GameFileReadResult result = ReadText(WithTokens({{1, c.raceIndex}, {2, c.raceCounter}}), state);
        EXPECT_EQ(result.stop, GameFileStop::OutOfRange);
        EXPECT_EQ(state.raceIndex, 0);
        EXPECT_EQ(state.raceCounter, -1);
        EXPECT_EQ(state.playerCount, 0);
        EXPECT_FALSE(GameFileReadMessage(result).empty());
    }

    // Beyond 32 bits, as a count or as money.
    for (const int token : {1, 4, 100}) {
        RaceSetState state;
        const GameFileReadResult result = ReadText(WithToken(token, "99999999999"), state);
        EXPECT_EQ(result.stop, GameFileStop::OutOfRange) << "token " << token;
        EXPECT_EQ(result.token, "99999999999");
    }
}

TEST(UnfinishedGameFile, DatesAndNamesStayOneTokenEach)
{
    RaceSetState state;
    GameFileReadResult result = ReadText(WithToken(0, "12-31-2003-and-more"), state);
    EXPECT_TRUE(result.Complete());
    EXPECT_EQ(result.date, "12-31-2003-");
    EXPECT_EQ(SplitLines(FormatUnfinishedGame(state, "12-31-2003-and-more"))[0], "12-31-2003-");
    // A blank in the date, or no date, would shift every token after it.
    EXPECT_EQ(SplitLines(FormatUnfinishedGame(state, "3-7 2003"))[0], "3-72003");
    EXPECT_EQ(CountTokens(FormatUnfinishedGame(state, "")), kUnfinishedGameTokenCount);

    state = SampleState();
    state.players[0].name = "Ann Lee";
    state.players[1].name = "none";
    state.players[2].name = "50%\t\xC3\xA9";
    state.players[3].name = "%41";
    const std::string text = FormatUnfinishedGame(state, "3-7-2003");
    EXPECT_EQ(SplitLines(text)[3], "Ann%20Lee");
    EXPECT_EQ(SplitLines(text)[7], "%6Eone");
    RaceSetState opened;
    ASSERT_TRUE(ReadText(text, opened).Complete());
    for (int slot = 0; slot < kPlayerSlots; ++slot)
        EXPECT_EQ(opened.players[slot].name, state.players[slot].name) << "slot " << slot;
    EXPECT_EQ(opened.playerCount, 4);

    // A hand-made file may hold a name longer than the names dialog allows.
    const std::string accented = "\xC3\xA9"; // one letter of two bytes
    ASSERT_TRUE(ReadText(WithToken(3, accented + "bcdefghijklmnop"), opened).Complete());
    EXPECT_EQ(opened.players[0].name, accented + "bcdefghij");
}

// A stream of `size` bytes of one character, made as it is read, that counts
// how many bytes were taken from it.
class EndlessLine : public std::streambuf {
public:
    EndlessLine(std::size_t size, char c) : left_(size) { std::ranges::fill(chunk_, c); }
    std::size_t taken = 0;

protected:
    int_type underflow() override
    {
        if (left_ == 0)
            return traits_type::eof();
        const std::size_t size = std::min(left_, sizeof chunk_);
        left_ -= size;
        taken += size;
        setg(chunk_, chunk_, chunk_ + size);
        return traits_type::to_int_type(chunk_[0]);
    }

private:
    std::size_t left_;
    char chunk_[4096];
};

TEST(UnfinishedGameFile, AFileOfOneEndlessLineIsReadOnlyAsFarAsItCanMatter)
{
    for (const char c : {'7', 'x'}) {
        EndlessLine line(50u << 20, c);
        std::istream in(&line);
        RaceSetState state = OtherGame();
        const GameFileReadResult result = ReadUnfinishedGame(in, state);
        EXPECT_EQ(result.stop, GameFileStop::EndsEarly);
        EXPECT_EQ(result.tokensRead, 1);
        EXPECT_EQ(result.date->size(), kSavedDateMaxLength);
        EXPECT_LE(line.taken, 80u * 1024) << "bytes read of a 50 MB line";
        EXPECT_EQ(state.playerCount, 0);
    }
}

TEST(UnfinishedGameFile, EveryLineEndCountsAndNamesOfStrayBytesAreCut)
{
    std::string text = FormatUnfinishedGame(SampleState(), "3-7-2003");
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.replace(at, 2, "\r");
    RaceSetState opened;
    ASSERT_TRUE(ReadText(text, opened).Complete());
    EXPECT_EQ(opened.players[2].name, SampleState().players[2].name);
    // The first balance after a race of slot 0 stands on line 6.
    text.replace(text.find("\r9800 ") + 1, 4, "oops");
    const GameFileReadResult result = ReadText(text, opened);
    EXPECT_EQ(result.stop, GameFileStop::NotANumber);
    EXPECT_EQ(result.line, 6);

    // Continuation bytes without a lead byte count a letter each.
    ASSERT_TRUE(ReadText(WithToken(3, std::string(5000, '\x80')), opened).Complete());
    EXPECT_EQ(opened.players[0].name, std::string(kMaxPlayerNameLength, '\x80'));
}

TEST(UnfinishedGameFile, UnopenableFilesLeaveTheGameAloneAndOpeningRemovesALeftoverTemporary)
{
    TempFolder folder;
    for (const auto& path : {folder.Path() / "AutoSaved.gxu", folder.Path()}) {
        RaceSetState state = OtherGame();
        const GameFileReadResult result = ReadUnfinishedGameFile(path, state);
        EXPECT_EQ(result.stop, GameFileStop::CannotOpen);
        EXPECT_EQ(state.players[1].name, "Old1");
        EXPECT_EQ(state.players[1].balance, 777);
        EXPECT_EQ(state.raceCounter, 26);
        EXPECT_TRUE(state.firstTenEligible);
    }

    // An empty file opens, but holds no game.
    WriteBytes(folder.Path() / "empty.gxu", "");
    RaceSetState state = OtherGame();
    const GameFileReadResult empty = ReadUnfinishedGameFile(folder.Path() / "empty.gxu", state);
    EXPECT_EQ(empty.stop, GameFileStop::EndsEarly);
    EXPECT_EQ(state.playerCount, 0);
    EXPECT_FALSE(state.players[0].InGame());

    // Writing where no file can be made fails and says so.
    WriteBytes(folder.Path() / "plain", "x");
    EXPECT_FALSE(WriteUnfinishedGameFile(folder.Path() / "plain" / "game.gxu", SampleState(), "3-7-2003"));

    // Opening removes the temporary file an interrupted save left behind.
    const std::filesystem::path saved = folder.Path() / "Saved Game.gxu";
    ASSERT_TRUE(WriteUnfinishedGameFile(saved, SampleState(), "3-7-2003"));
    WriteBytes(folder.Path() / "Saved Game.gxu.tmp", "3-7-20");
    EXPECT_TRUE(ReadUnfinishedGameFile(saved, state).Complete());
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "Saved Game.gxu.tmp"));
}

} // namespace
} // namespace galloria

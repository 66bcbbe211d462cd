#include "game/unfinished_game_file.h"

#include "base/file_io.h"
#include "base/screen_text.h"
#include "base/text_cut.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <limits>

namespace galloria {
namespace {

constexpr std::string_view kEmptySlotToken = "none";
// Written when the caller has no date, so the first token is never missing.
constexpr std::string_view kUnknownDate = "0-0-0";
// A race counter this high leaves room to count on for a lifetime of play
// without overflowing.
constexpr int kMostRaceCounter = 1'000'000'000;
// A race index of 10 names the end of a set saved after its tenth race.
constexpr int kSetOverRaceIndex = kRacesPerSet;
// The most of a file that is read: a complete file takes a few kilobytes.
constexpr std::size_t kLargestGameFile = 64 * 1024;
// Bad tokens shown in a message are cut to this.
constexpr std::size_t kShownTokenLength = 24;

bool IsBlankOrControl(unsigned char c)
{
    return c <= 0x20 || c == 0x7F;
}

char HexDigit(unsigned value)
{
    return "0123456789ABCDEF"[value & 0xFu];
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The name as one token that never reads as an empty slot.
std::string NameToken(std::string_view name)
{
    if (name.empty())
        return std::string(kEmptySlotToken);
    std::string token;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsBlankOrControl(byte) || c == '%') {
            token += '%';
            token += HexDigit(byte >> 4);
            token += HexDigit(byte);
        } else {
            token += c;
        }
    }
    if (token == kEmptySlotToken)
        token = "%6Eone";
    return token;
}

// A name token read back: %XX sequences are decoded, anything else (as in a
// hand-written file) is taken as it stands.
std::string NameFromToken(std::string_view token)
{
    std::string name;
    for (std::size_t i = 0; i < token.size(); ++i) {
        if (token[i] == '%' && i + 2 < token.size() && HexValue(token[i + 1]) >= 0 &&
            HexValue(token[i + 2]) >= 0) {
            name += static_cast<char>(HexValue(token[i + 1]) * 16 + HexValue(token[i + 2]));
            i += 2;
        } else {
            name += token[i];
        }
    }
    return name;
}

std::string DateToken(std::string_view date)
{
    std::string token;
    for (const char c : date) {
        if (!IsBlankOrControl(static_cast<unsigned char>(c)))
            token += c;
    }
    token = std::string(CutToBytes(token, kSavedDateMaxLength));
    return token.empty() ? std::string(kUnknownDate) : token;
}

// The balance a slot is saved with. Until the current race is settled its
// bought bets have been paid for but are not saved, so their stakes go back.
int SavedBalance(const RaceSetState& state, const PlayerSlot& player)
{
    if (state.raceSettled || !player.InGame())
        return player.balance;
    std::int64_t balance = player.balance;
    for (const Bet& bet : player.bets.Bought())
        balance += bet.amount;
    return static_cast<int>(
        std::clamp<std::int64_t>(balance, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void AppendLine(std::string& text, std::string_view line)
{
    text += line;
    text += kLineEnd;
}

void AppendListed(std::string& text, int value)
{
    text += std::to_string(value);
    text += ' ';
}

enum class NumberParse { Ok, NotANumber, OutOfRange };

// A whole decimal number filling the whole token, with an optional sign.
NumberParse ParseWholeNumber(std::string_view token, int& value)
{
    if (token.size() > 1 && token.front() == '+' && token[1] != '-')
        token.remove_prefix(1);
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error == std::errc::result_out_of_range && end == token.data() + token.size())
        return NumberParse::OutOfRange;
    if (error != std::errc() || end != token.data() + token.size())
        return NumberParse::NotANumber;
    return NumberParse::Ok;
}

// The white-space separated tokens of a stream, with the line each stands on
// (CR LF, LF and CR alone each end a line). At most kLargestGameFile bytes of
// the stream are read, once, so a file of one endless line costs no more
// than its first part; a complete file takes a few kilobytes.
class TokenReader {
public:
    explicit TokenReader(std::istream& in)
    {
        bool cut = false;
        text_ = ReadStreamUpTo(in, kLargestGameFile, cut);
    }

    // The next token, or false at the end of what was read.
    bool Next(std::string& token, int& line)
    {
        while (at_ < text_.size() && IsBlankOrControl(static_cast<unsigned char>(text_[at_]))) {
            const char c = text_[at_++];
            if (c == '\n' || (c == '\r' && (at_ == text_.size() || text_[at_] != '\n')))
                ++line_;
        }
        if (at_ == text_.size())
            return false;
        const std::size_t start = at_;
        while (at_ < text_.size() && !IsBlankOrControl(static_cast<unsigned char>(text_[at_])))
            ++at_;
        token.assign(text_, start, at_ - start);
        line = line_;
        return true;
    }

private:
    std::string text_;
    std::size_t at_ = 0;
    int line_ = 1;
};

// Reads the file's tokens in order, recording in the result why it stopped.
class GameFileParser {
public:
    GameFileParser(std::istream& in, GameFileReadResult& result) : tokens_(in), result_(result) {}

    // The next token, or false (the result says the file ended early).
    bool Token(std::string& token)
    {
        int line = 0;
        if (!tokens_.Next(token, line)) {
            result_.stop = GameFileStop::EndsEarly;
            return false;
        }
        line_ = line;
        return true;
    }

    // The next token as a whole number, or false with the reason in the result.
    bool Number(int& value)
    {
        std::string token;
        if (!Token(token))
            return false;
        switch (ParseWholeNumber(token, value)) {
        case NumberParse::Ok:
            return true;
        case NumberParse::NotANumber:
            Stop(GameFileStop::NotANumber, token);
            return false;
        case NumberParse::OutOfRange:
            Stop(GameFileStop::OutOfRange, token);
            return false;
        }
        return false;
    }

    void Stop(GameFileStop why, const std::string& token)
    {
        result_.stop = why;
        result_.token = token;
        result_.line = line_;
    }

    // Counts a token taken into the state.
    void Took() { ++result_.tokensRead; }

private:
    TokenReader tokens_;
    GameFileReadResult& result_;
    int line_ = 0;
};

bool RaceIndexFitsCounter(int raceIndex, int raceCounter)
{
    if (raceIndex == kSetOverRaceIndex)
        return raceCounter >= kRacesPerSet && raceCounter % kRacesPerSet == 0;
    return raceIndex >= 0 && raceIndex < kRacesPerSet && raceCounter % kRacesPerSet == raceIndex;
}

// The slot as the reading finds it before its lines: not in the game, with
// the money of a slot at program start.
void EmptySlot(PlayerSlot& player)
{
    player.name.clear();
    player.balance = 0;
    player.settledBalance = 0;
    player.startBalance = kStartingBalance;
    std::ranges::fill(player.balanceAfterRace, 0);
}

// Reads one slot's four lines; false when the reading stopped inside them.
bool ReadSlot(GameFileParser& parser, PlayerSlot& player, int raceIndex, int raceCounter)
{
    std::string token;
    if (!parser.Token(token))
        return false;
    if (token != kEmptySlotToken) {
        player.name = std::string(CutToLetters(NameFromToken(token), kMaxPlayerNameLength));
        player.statistics.racesPlayed = raceCounter;
        // Until its balance is read the slot has the money ResetRaceSet gives a named slot.
        player.balance = player.startBalance;
    }
    parser.Took();

    int balance = 0;
    if (!parser.Number(balance))
        return false;
    player.balance = balance;
    player.settledBalance = balance;
    parser.Took();
    if (!parser.Number(player.startBalance))
        return false;
    parser.Took();

    // Only the races already run keep their balance; the rest belong to races
    // the opened game has still to run.
    for (int race = 0; race < kRacesPerSet; ++race) {
        int value = 0;
        if (!parser.Number(value))
            return false;
        if (race < raceIndex)
            player.balanceAfterRace[race] = value;
        parser.Took();
    }

    BetStatistics& statistics = player.statistics;
    for (int code = 0; code < kBetTypeCount; ++code) {
        for (int* field : {&statistics.betsPlaced[code], &statistics.betsWon[code],
                           &statistics.amountBet[code], &statistics.amountWon[code]}) {
            if (!parser.Number(*field))
                return false;
            parser.Took();
        }
    }
    return true;
}

void ReadAll(GameFileParser& parser, GameFileReadResult& result, RaceSetState& state)
{
    std::string date;
    if (!parser.Token(date))
        return;
    result.date = std::string(CutToBytes(date, kSavedDateMaxLength));
    parser.Took();

    int raceIndex = 0;
    int raceCounter = 0;
    if (!parser.Number(raceIndex))
        return;
    if (raceIndex < 0 || raceIndex > kSetOverRaceIndex) {
        parser.Stop(GameFileStop::OutOfRange, std::to_string(raceIndex));
        return;
    }
    parser.Took();
    if (!parser.Number(raceCounter))
        return;
    if (raceCounter < 0 || raceCounter > kMostRaceCounter || !RaceIndexFitsCounter(raceIndex, raceCounter)) {
        parser.Stop(GameFileStop::OutOfRange, std::to_string(raceCounter));
        return;
    }
    state.raceIndex = raceIndex;
    state.raceCounter = raceCounter;
    parser.Took();

    for (PlayerSlot& player : state.players) {
        if (!ReadSlot(parser, player, raceIndex, raceCounter))
            return;
    }
    result.stop = GameFileStop::Complete;
}

} // namespace

std::string FormatUnfinishedGame(const RaceSetState& state, std::string_view date)
{
    const int resume = state.raceSettled ? 1 : 0;
    std::string text;
    AppendLine(text, DateToken(date));
    AppendLine(text, std::to_string(state.raceIndex + resume));
    AppendLine(text, std::to_string(state.raceCounter + resume));
    for (const PlayerSlot& player : state.players) {
        AppendLine(text, NameToken(player.name));
        AppendLine(text,
                   std::to_string(SavedBalance(state, player)) + " " + std::to_string(player.startBalance));
        std::string line;
        for (const int value : player.balanceAfterRace)
            AppendListed(line, value);
        AppendLine(text, line);
        line.clear();
        const BetStatistics& statistics = player.statistics;
        for (int code = 0; code < kBetTypeCount; ++code) {
            AppendListed(line, statistics.betsPlaced[code]);
            AppendListed(line, statistics.betsWon[code]);
            AppendListed(line, statistics.amountBet[code]);
            AppendListed(line, statistics.amountWon[code]);
        }
        AppendLine(text, line);
    }
    return text;
}

bool WriteUnfinishedGameFile(const std::filesystem::path& path, const RaceSetState& state,
                             std::string_view date)
{
    return ReplaceFile(path, FormatUnfinishedGame(state, date));
}

GameFileReadResult ReadUnfinishedGame(std::istream& in, RaceSetState& state)
{
    state.ResetRaceSet();
    state.raceIndex = 0;
    for (PlayerSlot& player : state.players)
        EmptySlot(player);

    GameFileReadResult result;
    GameFileParser parser(in, result);
    ReadAll(parser, result, state);

    state.playerCount = static_cast<int>(std::ranges::count_if(state.players, &PlayerSlot::InGame));
    state.firstTenEligible = false;
    state.raceSettled = false;
    return result;
}

GameFileReadResult ReadUnfinishedGameFile(const std::filesystem::path& path, RaceSetState& state)
{
    GameFileReadResult cannotOpen;
    cannotOpen.stop = GameFileStop::CannotOpen;
    std::error_code error;
    // A folder opens as a stream on some systems but holds no game.
    if (!std::filesystem::is_regular_file(path, error))
        return cannotOpen;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return cannotOpen;
    // A save of this file that a kill interrupted left its temporary file.
    if (std::filesystem::is_regular_file(TemporaryPathFor(path), error))
        std::filesystem::remove(TemporaryPathFor(path), error);
    return ReadUnfinishedGame(in, state);
}

std::string GameFileReadMessage(const GameFileReadResult& result)
{
    std::string token = std::string(CutToBytes(result.token, kShownTokenLength));
    if (token.size() < result.token.size())
        token += "...";
    const std::string line = std::to_string(result.line);
    switch (result.stop) {
    case GameFileStop::Complete:
        return {};
    case GameFileStop::CannotOpen:
        return Tr("Game", "The saved game could not be opened.");
    case GameFileStop::EndsEarly:
        return Tr("Game", "The saved game ends early; it was opened as far as it goes.");
    case GameFileStop::NotANumber:
        return FillIn(Tr("Game", "The saved game has \"%1\" on line %2 where a number belongs; it was opened "
                                 "up to that point."),
                      {token, line});
    case GameFileStop::OutOfRange:
        return FillIn(Tr("Game",
                         "The saved game has the number %1 on line %2, which the game cannot take; it was "
                         "opened up to that point."),
                      {token, line});
    }
    return {};
}

} // namespace galloria

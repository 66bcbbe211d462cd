// The expectations of what the window shows beyond balances and phases: its
// title, the set results grid, the stored settings, the names
// dialog, the current race's field and odds, the payout board, the horse
// database and the lines of the files the game writes.
#include "play_line_parser.h"
#include "play_runner.h"

#include "base/settings_store.h"
#include "betting/odds.h"
#include "game/game_settings.h"
#include "game/race_payout_board.h"
#include "stable/horse_database_model.h"

#include <algorithm>
#include <fstream>

namespace galloria::sim {

namespace {

using Grid = RaceSetResultsModel;

// The player's column in the last set results shown, as "START FINISH".
std::string SetResultOf(const Game& game, const std::string& player)
{
    for (int column = 0; column < Grid::kColumnCount; ++column) {
        if (game.setResults.Cell(Grid::kNameRow, column) == player)
            return game.setResults.Cell(Grid::kStartRow, column) + " " +
                   game.setResults.Cell(Grid::kFinishRow, column);
    }
    return "no column " + Quoted(player);
}

// A cell of the horse database opened as STABLE > LIST ALL HORSES opens it,
// in stable order; the column by its heading.
std::string DatabaseCell(Game& game, int number, const std::string& heading)
{
    HorseDatabaseModel database(game.stable);
    game.OpenHorseDatabase(database);
    if (number > database.RowCount())
        return "a stable of " + std::to_string(database.RowCount()) + " horses";
    for (int column = 0; column < database.ColumnCount(); ++column) {
        if (database.Columns()[column].heading.source == heading)
            return Quoted(database.Cell(number - 1, column));
    }
    return "no column " + Quoted(heading);
}

// Line `number` (from 1) of a file in the game folder, without its line end.
std::string FileLine(const std::filesystem::path& path, int number)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "no file";
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (line == number) {
            if (!text.empty() && text.back() == '\r')
                text.pop_back();
            return Quoted(text);
        }
    }
    return "no line " + std::to_string(number);
}

} // namespace

Run ParseShownExpect(const LineParser& line)
{
    const std::string& what = line.Word(1);
    if (what == "title") {
        line.Arguments(2, 2, "expect title \"TEXT\"");
        return Compare(Quoted(line.Word(2)), [](PlayRunner& runner) {
            const auto& titles = runner.host().titles;
            return titles.empty() ? std::string("no title") : Quoted(titles.back());
        });
    }
    if (what == "set-result") {
        line.Arguments(4, 4, "expect set-result PLAYER START FINISH");
        const std::string player = line.Word(2);
        const std::string expected = std::to_string(line.Integer(3, 0, 2147483647LL, "a start")) + " " +
                                     std::to_string(line.Integer(4, 0, 2147483647LL, "a finish"));
        return Compare(expected, [player](PlayRunner& runner) { return SetResultOf(runner.game(), player); });
    }
    if (what == "setting") {
        line.Arguments(3, 3, "expect setting KEY VALUE");
        const std::string key = line.Word(2);
        static constexpr std::string_view kKeys[] = {
            kSoundOnKey,        kSortKey,           kSpeedKey,         kViewKey,
            kGraphicKey,        kOddsKey,           kOwnerKey,         kPlayerNameKeys[0],
            kPlayerNameKeys[1], kPlayerNameKeys[2], kPlayerNameKeys[3]};
        if (std::ranges::find(kKeys, key) == std::end(kKeys))
            line.Fail("a settings key (SoundOn, Sort, Speed, View, Graphic, Odds, Owner, Player1..Player4), "
                      "not \"" +
                      key + "\"");
        return Compare(line.Word(3), [key](PlayRunner& runner) {
            constexpr std::string_view kUnstored = "\x01";
            const std::string stored = runner.store().GetString(kSettingsSection, key, kUnstored);
            return stored == kUnstored ? std::string("not stored") : stored;
        });
    }
    if (what == "players") {
        line.Arguments(2, 2, "expect players N");
        const std::string count = std::to_string(line.Integer(2, 0, kPlayerSlots, "a number of players"));
        return Compare(count,
                       [](PlayRunner& runner) { return std::to_string(runner.game().state.playerCount); });
    }
    if (what == "runner") {
        line.Arguments(3, 3, "expect runner POST \"NAME\"");
        const int post = static_cast<int>(line.Integer(2, 1, kMaxFieldSize, "a post number"));
        return Compare(Quoted(line.Word(3)), [post](PlayRunner& runner) {
            const Game& game = runner.game();
            if (post > game.CurrentFieldSize())
                return "a field of " + std::to_string(game.CurrentFieldSize());
            return Quoted(std::string(game.RunnerName(post - 1)));
        });
    }
    if (what == "field") {
        line.Arguments(2, 2, "expect field N");
        const std::string size = std::to_string(line.Integer(2, 0, kMaxFieldSize, "a field size"));
        return Compare(size,
                       [](PlayRunner& runner) { return std::to_string(runner.game().CurrentFieldSize()); });
    }
    if (what == "odds") {
        line.Arguments(3, 3, "expect odds POST \"ODDS\"");
        const int post = static_cast<int>(line.Integer(2, 1, kMaxFieldSize, "a post number"));
        return Compare(Quoted(line.Word(3)), [post](PlayRunner& runner) {
            Game& game = runner.game();
            if (post > game.CurrentFieldSize())
                return "a field of " + std::to_string(game.CurrentFieldSize());
            return Quoted(FormatOdds(game.state.program.FieldOdds(game.state.raceIndex)[post - 1]));
        });
    }
    if (what == "horse") {
        line.Arguments(4, 4, "expect horse N \"HEADING\" \"TEXT\"");
        const int number = static_cast<int>(line.Integer(2, 1, 1000000, "a horse number"));
        const std::string heading = line.Word(3);
        return Compare(Quoted(line.Word(4)), [number, heading](PlayRunner& runner) {
            return DatabaseCell(runner.game(), number, heading);
        });
    }
    if (what == "names-shown") {
        line.Arguments(5, 5, "expect names-shown \"A\" \"B\" \"C\" \"D\"");
        std::string expected;
        for (std::size_t box = 2; box < 6; ++box) {
            if (box > 2)
                expected += ' ';
            expected += Quoted(line.Word(box));
        }
        return Compare(expected, [](PlayRunner& runner) {
            const auto& shown = runner.host().namesShown;
            if (shown.empty())
                return std::string("no names dialog");
            std::string boxes;
            for (const std::string& box : shown.back()) {
                if (!boxes.empty())
                    boxes += ' ';
                boxes += Quoted(box);
            }
            return boxes;
        });
    }
    if (what == "board") {
        line.Arguments(4, 4, "expect board PLACE \"NAME\" \"OWNER\"");
        const int place = static_cast<int>(line.Integer(2, 1, kMaxFieldSize, "a place"));
        return Compare(Quoted(line.Word(3)) + " " + Quoted(line.Word(4)), [place](PlayRunner& runner) {
            const PayoutBoardView board = RacePayoutBoard(runner.game());
            if (place > static_cast<int>(board.rows.size()))
                return "a board of " + std::to_string(board.rows.size()) + " rows";
            return Quoted(board.rows[place - 1].name) + " " + Quoted(board.rows[place - 1].owner);
        });
    }
    if (what == "file-line") {
        line.Arguments(4, 4, "expect file-line NAME N \"TEXT\"");
        const std::string name = line.Word(2);
        const int number = static_cast<int>(line.Integer(3, 1, 1000000, "a line number"));
        return Compare(Quoted(line.Word(4)), [name, number](PlayRunner& runner) {
            return FileLine(runner.folder() / name, number);
        });
    }
    return nullptr;
}

} // namespace galloria::sim

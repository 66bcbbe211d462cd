#include "play_script.h"

#include "play_line_parser.h"
#include "play_runner.h"

#include "base/settings_store.h"
#include "game/game_settings.h"
#include "halloffame/hall_of_fame_sheet_model.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <iterator>
#include <map>
#include <utility>

namespace galloria::sim {

namespace {

// Each command by the name of its MenuCommand; ShowRacingForm is TRACK's RACING FORM.
constexpr std::array<std::pair<std::string_view, MenuCommand>, 23> kMenuNames = {{
    {"StartNewRaceSet", MenuCommand::StartNewRaceSet},
    {"ContinueLastSet", MenuCommand::ContinueLastSet},
    {"Open", MenuCommand::Open},
    {"Save", MenuCommand::Save},
    {"PauseRace", MenuCommand::PauseRace},
    {"QuitRaceSet", MenuCommand::QuitRaceSet},
    {"Exit", MenuCommand::Exit},
    {"GameOptions", MenuCommand::GameOptions},
    {"AddHorse", MenuCommand::AddHorse},
    {"ListHorses", MenuCommand::ListHorses},
    {"HallOfFame", MenuCommand::HallOfFame},
    {"BettingWindow", MenuCommand::BettingWindow},
    {"LiveOdds", MenuCommand::LiveOdds},
    {"TrackRacingForm", MenuCommand::TrackRacingForm},
    {"ShowRacingForm", MenuCommand::TrackRacingForm},
    {"RaceOrNextRace", MenuCommand::RaceOrNextRace},
    {"ShowNextPhoto", MenuCommand::ShowNextPhoto},
    {"FinishResults", MenuCommand::FinishResults},
    {"HowDidIDo", MenuCommand::HowDidIDo},
    {"SummaryRacingForm", MenuCommand::SummaryRacingForm},
    {"HelpContents", MenuCommand::HelpContents},
    {"About", MenuCommand::About},
    {"ReplayRace", MenuCommand::ReplayRace},
}};

// The popups by their titles, for the menu expectation.
constexpr std::array<std::pair<std::string_view, MenuPopup>, 5> kPopupNames = {{
    {"Game", MenuPopup::Game},
    {"Stable", MenuPopup::Stable},
    {"Track", MenuPopup::Track},
    {"Summary", MenuPopup::Summary},
    {"Help", MenuPopup::Help},
}};

// What the shown expectation counts, as the runner counts it.
constexpr std::array<std::pair<std::string_view, ShownKind>, 5> kShownNames = {{
    {"messages", ShownKind::Messages},
    {"notices", ShownKind::Notices},
    {"set-results", ShownKind::SetResults},
    {"betting-windows", ShownKind::BettingWindows},
    {"sounds", ShownKind::Sounds},
}};

constexpr std::array<std::pair<std::string_view, BetType>, 6> kBetTypeNames = {{
    {"win", BetType::Win},
    {"place", BetType::Place},
    {"show", BetType::Show},
    {"across", BetType::Across},
    {"exacta", BetType::Exacta},
    {"triacta", BetType::Triacta},
}};

constexpr std::array<std::pair<std::string_view, MessageAnswer>, 5> kAnswerNames = {{
    {"yes", MessageAnswer::Yes},
    {"no", MessageAnswer::No},
    {"ok", MessageAnswer::Ok},
    {"retry", MessageAnswer::Ok}, // Retry answers as OK
    {"cancel", MessageAnswer::Cancel},
}};

constexpr std::array<std::string_view, 7> kOptionKeys = {kSoundOnKey, kSortKey, kSpeedKey, kViewKey,
                                                         kGraphicKey, kOddsKey, kOwnerKey};

constexpr std::array<std::pair<std::string_view, GamePhase>, 4> kPhaseNames = {{
    {"none", GamePhase::NoSet},
    {"betting", GamePhase::Betting},
    {"racing", GamePhase::Racing},
    {"results", GamePhase::Result},
}};

template <typename Value, std::size_t N>
std::string NameOf(const std::array<std::pair<std::string_view, Value>, N>& table, Value value)
{
    for (const auto& [key, entry] : table) {
        if (entry == value)
            return std::string(key);
    }
    return "?";
}

// A line split into words; `rest` is the text after the first word, for the
// names, whose boxes are separated by commas rather than blanks.
struct SplitLine {
    Words words;
    std::string rest;
    std::string text;
};

SplitLine Split(const std::string& line, int number)
{
    SplitLine split;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    std::size_t end = line.size();
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '\\' && i + 1 < line.size()) {
                const char next = line[++i];
                word += next == 'n' ? '\n' : next;
            } else if (c == '"') {
                quoted = false;
            } else {
                word += c;
            }
            continue;
        }
        if (c == '#') {
            end = i;
            break;
        }
        if (c == ' ' || c == '\t' || c == '\r') {
            if (inWord)
                split.words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '"')
            quoted = true;
        else
            word += c;
    }
    if (quoted)
        throw ScriptError(number, "expected a closing \" after a quoted text");
    if (inWord)
        split.words.push_back(std::move(word));
    split.text = line.substr(0, end);
    while (!split.text.empty() &&
           (split.text.back() == ' ' || split.text.back() == '\t' || split.text.back() == '\r'))
        split.text.pop_back();
    const std::size_t first = split.text.find_first_not_of(" \t");
    const std::size_t gap =
        first == std::string::npos ? std::string::npos : split.text.find_first_of(" \t", first);
    if (gap != std::string::npos)
        split.rest = split.text.substr(gap + 1);
    return split;
}

Run ParseNames(const LineParser& line, const std::string& rest)
{
    if (line.Count() == 2 && line.Word(1) == "cancel")
        return [](PlayRunner& runner) { runner.QueueNames(std::nullopt); };
    std::array<std::string, 4> boxes{};
    std::size_t box = 0;
    std::size_t start = 0;
    for (;;) {
        if (box >= boxes.size())
            line.Fail("at most four names separated by commas");
        const std::size_t comma = rest.find(',', start);
        std::string name = rest.substr(start, comma == std::string::npos ? comma : comma - start);
        const std::size_t first = name.find_first_not_of(" \t");
        name = first == std::string::npos ? "" : name.substr(first, name.find_last_not_of(" \t") - first + 1);
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
            name = name.substr(1, name.size() - 2);
        boxes[box++] = name;
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return [boxes](PlayRunner& runner) { runner.QueueNames(boxes); };
}

Run ParseMenu(const LineParser& line)
{
    line.Arguments(1, 2, "menu NAME [FILE]");
    const MenuCommand command = line.Choice(1, kMenuNames, "a menu command");
    if (command == MenuCommand::AddHorse || command == MenuCommand::ListHorses ||
        command == MenuCommand::Exit)
        line.Fail("add-horse, delete-horses, enter-horses or restart for the STABLE windows and EXIT");
    std::optional<std::string> file;
    if (line.Count() == 3) {
        if (command != MenuCommand::Open && command != MenuCommand::Save)
            line.Fail("a file only after menu Open or menu Save");
        file = line.Word(2);
    }
    return [command, file](PlayRunner& runner) { runner.Menu(command, file); };
}

Run ParseBet(const LineParser& line)
{
    line.Arguments(4, 7, "bet PLAYER AMOUNT TYPE LEG [LEG [LEG]] [box]");
    ScriptBet bet;
    bet.player = line.Word(1);
    bet.amount = static_cast<int>(line.Integer(2, 1, 99999999, "an amount"));
    bet.type = line.Choice(3, kBetTypeNames, "a bet type");
    std::size_t end = line.Count();
    if (line.Word(end - 1) == "box") {
        bet.boxed = true;
        --end;
    }
    for (std::size_t i = 4; i < end; ++i) {
        const std::string& leg = line.Word(i);
        if (leg == "All")
            bet.legs.push_back(HorseAll);
        else if (leg == "Long")
            bet.legs.push_back(HorseLong);
        else
            bet.legs.push_back(
                static_cast<HorseSelector>(line.Integer(i, 1, kMaxFieldSize, "a post number") - 1));
    }
    if (static_cast<int>(bet.legs.size()) != LegCount(bet.type))
        line.Fail(std::to_string(LegCount(bet.type)) + " leg(s) for a " + line.Word(3) + " bet");
    return [bet](PlayRunner& runner) { runner.Bet(bet); };
}

Run ParseOptions(const LineParser& line)
{
    line.Arguments(1, 16, "options KEY=VALUE ... or options reset");
    std::map<std::string, int> values;
    bool reset = false;
    for (std::size_t i = 1; i < line.Count(); ++i) {
        const std::string& word = line.Word(i);
        if (word == "reset") {
            reset = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string key = word.substr(0, equals);
        if (equals == std::string::npos || std::ranges::find(kOptionKeys, key) == kOptionKeys.end())
            line.Fail("KEY=VALUE with a KEY of SoundOn, Sort, Speed, View, Graphic, Odds, Owner, not \"" +
                      word + "\"");
        const int value =
            static_cast<int>(LineParser(0, {"", word.substr(equals + 1)}).Integer(1, -1000, 1000, key));
        // Only what the dialog can save: a value the game would bring back
        // into range is not one of its choices.
        MemorySettingsStore scratch;
        scratch.SetInt(kSettingsSection, key, value);
        SaveSettings(LoadSettings(scratch), scratch);
        if (scratch.GetInt(kSettingsSection, key, value + 1) != value)
            line.Fail("a value the options dialog offers for " + key + ", not " + std::to_string(value));
        values[key] = value;
    }
    return [values, reset](PlayRunner& runner) { runner.Options(values, reset); };
}

Run ParseAddHorse(const LineParser& line)
{
    line.Arguments(5, 6, "add-horse \"NAME\" SPEED SPRINT STAMINA SPONTANEITY [OWNER]");
    std::array<int, 4> values{};
    static constexpr std::array<const char*, 4> kWhat = {"a speed", "a sprint", "a stamina", "a spontaneity"};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<int>(line.Integer(i + 2, 0, 100, kWhat[i]));
    const std::string name = line.Word(1);
    const std::string owner = line.Count() == 7 ? line.Word(6) : "";
    return [name, values, owner](PlayRunner& runner) { runner.AddHorse(name, values, owner); };
}

// What a player's name expectation compares; "no player" when nobody has it.
std::string PlayerValue(PlayRunner& runner, const std::string& player, const std::function<int(int)>& value)
{
    const std::optional<int> slot = runner.SlotOf(player);
    return slot ? std::to_string(value(*slot)) : "no player " + Quoted(player);
}

Run ParseExpect(const LineParser& line)
{
    if (line.Count() < 2)
        line.Fail("expect balance|race|phase|message|menu|file|hall|horses|payout|set-end ...");
    const std::string& what = line.Word(1);
    if (what == "balance" || what == "payout") {
        line.Arguments(3, 3, "expect " + what + " PLAYER N");
        const std::string player = line.Word(2);
        const std::string amount = std::to_string(line.Integer(3, -2147483647LL, 2147483647LL, "an amount"));
        if (what == "balance")
            return Compare(amount, [player](PlayRunner& runner) {
                return PlayerValue(runner, player,
                                   [&](int slot) { return runner.game().state.players[slot].balance; });
            });
        return Compare(amount, [player](PlayRunner& runner) {
            const std::optional<int> payout = runner.LastPayout(player);
            return payout ? std::to_string(*payout) : "no player " + Quoted(player);
        });
    }
    if (what == "race") {
        line.Arguments(2, 2, "expect race N");
        const std::string race = std::to_string(line.Integer(2, 1, kRacesPerSet, "a race"));
        return Compare(race,
                       [](PlayRunner& runner) { return std::to_string(runner.game().state.raceIndex + 1); });
    }
    if (what == "phase") {
        line.Arguments(2, 2, "expect phase none|betting|racing|results");
        const GamePhase phase = line.Choice(2, kPhaseNames, "a phase");
        return Compare(NameOf(kPhaseNames, phase), [](PlayRunner& runner) {
            return NameOf(kPhaseNames, runner.game().menus.Phase().value_or(GamePhase::NoSet));
        });
    }
    if (what == "message") {
        line.Arguments(2, 2, "expect message \"TEXT\" or none");
        const std::string expected = line.Word(2) == "none" ? "no message" : Quoted(line.Word(2));
        return Compare(expected, [](PlayRunner& runner) {
            const auto& message = runner.host().LastMessage();
            return message ? "\"" + *message + "\"" : std::string("no message");
        });
    }
    if (what == "menu") {
        line.Arguments(3, 3, "expect menu NAME enabled|greyed");
        if (line.Word(3) != "enabled" && line.Word(3) != "greyed")
            line.Fail("enabled or greyed, not \"" + line.Word(3) + "\"");
        // A popup by its title (Game, Stable, Track, Summary, Help), otherwise an item.
        std::function<bool(const MenuModel&)> enabled;
        if (const auto popup = Lookup(kPopupNames, line.Word(2)))
            enabled = [popup = *popup](const MenuModel& menus) { return menus.IsPopupEnabled(popup); };
        else
            enabled = [command = line.Choice(2, kMenuNames, "a menu command or popup")](
                          const MenuModel& menus) { return menus.IsAvailable(command); };
        return Compare(line.Word(3), [enabled](PlayRunner& runner) {
            return std::string(enabled(runner.game().menus) ? "enabled" : "greyed");
        });
    }
    if (what == "file") {
        line.Arguments(3, 4, "expect file NAME absent|present|size N");
        const std::string name = line.Word(2);
        const std::string state = line.Word(3);
        if (!(state == "absent" || state == "present" || (state == "size" && line.Count() == 5)) ||
            (state != "size" && line.Count() != 4))
            line.Fail("absent, present or size N after the file name");
        const std::string expected =
            state == "size" ? "size " + std::to_string(line.Integer(4, 0, 1LL << 40, "a size")) : state;
        return Compare(expected, [name, state](PlayRunner& runner) {
            std::error_code error;
            const std::filesystem::path path = runner.folder() / name;
            if (!std::filesystem::is_regular_file(path, error))
                return std::string("absent");
            if (state != "size")
                return std::string("present");
            return "size " + std::to_string(std::filesystem::file_size(path, error));
        });
    }
    if (what == "hall") {
        line.Arguments(5, 5, "expect hall LIST ROW \"NAME\" VALUE");
        int list = -1;
        for (int page = 0; page < HallOfFameSheetModel::kPageCount; ++page) {
            if (HallOfFameSheetModel::Page(page).tab.source == line.Word(2))
                list = page;
        }
        if (list < 0)
            line.Fail("a hall-of-fame list by its tab text (Top, Win Bets, ... Web Ten), not \"" +
                      line.Word(2) + "\"");
        const int row = static_cast<int>(line.Integer(3, 1, kScoreRowCount, "a row"));
        return Compare(Quoted(line.Word(4)) + " " + line.Word(5), [list, row](PlayRunner& runner) {
            const ScoreEntry& entry = runner.game().hallOfFame.table[row - 1][list];
            return Quoted(std::string(entry.name.View())) + " " + std::string(entry.value.View());
        });
    }
    if (what == "horses") {
        line.Arguments(2, 2, "expect horses N");
        const std::string count = std::to_string(line.Integer(2, 0, 1000000, "a number of horses"));
        return Compare(count, [](PlayRunner& runner) { return std::to_string(runner.StableSize()); });
    }
    if (what == "set-end") {
        line.Arguments(2, 2, "expect set-end \"TITLE\" or none");
        const std::string expected = line.Word(2) == "none" ? "none" : Quoted(line.Word(2));
        return Compare(expected, [](PlayRunner& runner) {
            const auto& title = runner.host().LastSetTitle();
            return title ? Quoted(*title) : std::string("none");
        });
    }
    if (what == "shown") {
        line.Arguments(3, 3, "expect shown messages|notices|set-results|betting-windows|sounds N");
        const ShownKind kind = line.Choice(2, kShownNames, "what the game showed");
        const std::string count = std::to_string(line.Integer(3, 0, 1000000, "a count"));
        return Compare(count, [kind](PlayRunner& runner) { return std::to_string(runner.ShownCount(kind)); });
    }
    if (what == "sound") {
        line.Arguments(2, 2, "expect sound on|off");
        if (line.Word(2) != "on" && line.Word(2) != "off")
            line.Fail("on or off, not \"" + line.Word(2) + "\"");
        return Compare(line.Word(2), [](PlayRunner& runner) {
            return std::string(runner.game().sounds.Enabled() ? "on" : "off");
        });
    }
    if (what == "played") {
        line.Arguments(3, 3, "expect played SOUND N");
        const std::string file = "Sounds/" + line.Word(2);
        const std::string count = std::to_string(line.Integer(3, 0, 1000000, "a count"));
        return Compare(count, [file](PlayRunner& runner) {
            return std::to_string(
                std::ranges::count_if(runner.host().sounds, [&file](const std::string& sound) {
                    return sound == "once " + file || sound == "loop " + file;
                }));
        });
    }
    if (Run shown = ParseShownExpect(line))
        return shown;
    line.Fail("balance, race, phase, message, menu, file, hall, horses, payout, set-end, shown, "
              "sound, played, title, set-result, setting, players, runner, field, odds, board, "
              "horse, names-shown or file-line after expect, not \"" +
              what + "\"");
}

PlayStep ParseLine(int number, const SplitLine& split)
{
    const LineParser line(number, split.words);
    const std::string& verb = split.words[0];
    PlayStep step;
    step.line = number;
    step.text = split.text.substr(split.text.find_first_not_of(" \t"));
    if (verb == "seed") {
        line.Arguments(1, 1, "seed N");
        const auto seed = static_cast<std::uint32_t>(line.Integer(1, 0, 4294967295LL, "a seed"));
        step.run = [seed](PlayRunner& runner) { runner.Seed(seed); };
    } else if (verb == "names") {
        step.run = ParseNames(line, split.rest);
    } else if (verb == "menu") {
        step.run = ParseMenu(line);
    } else if (verb == "race") {
        line.Arguments(0, 0, "race alone");
        step.run = [](PlayRunner& runner) { runner.Menu(MenuCommand::RaceOrNextRace, std::nullopt); };
    } else if (verb == "answer") {
        line.Arguments(1, 1, "answer yes|no|ok|cancel|retry");
        const MessageAnswer answer = line.Choice(1, kAnswerNames, "an answer");
        step.run = [answer](PlayRunner& runner) { runner.QueueAnswer(answer); };
    } else if (verb == "results") {
        line.Arguments(1, 1, "results continue|stop");
        if (line.Word(1) != "continue" && line.Word(1) != "stop")
            line.Fail("continue or stop, not \"" + line.Word(1) + "\"");
        const bool continueRacing = line.Word(1) == "continue";
        step.run = [continueRacing](PlayRunner& runner) { runner.QueueSetResults(continueRacing); };
    } else if (verb == "bet") {
        step.run = ParseBet(line);
        step.atBettingWindow = true;
    } else if (verb == "review-delete") {
        line.Arguments(2, 2, "review-delete PLAYER N");
        const std::string player = line.Word(1);
        const int n = static_cast<int>(line.Integer(2, 1, 1000, "a bet line"));
        step.run = [player, n](PlayRunner& runner) { runner.ReviewDelete(player, n); };
        step.atBettingWindow = true;
    } else if (verb == "options") {
        step.run = ParseOptions(line);
    } else if (verb == "add-horse") {
        step.run = ParseAddHorse(line);
    } else if (verb == "delete-horses" || verb == "enter-horses") {
        line.Arguments(1, 1, verb + " N,...");
        const std::vector<int> numbers = line.IntegerList(1, 1, 100000, "a horse number");
        if (verb == "delete-horses")
            step.run = [numbers](PlayRunner& runner) { runner.DeleteHorses(numbers); };
        else
            step.run = [numbers](PlayRunner& runner) { runner.EnterHorses(numbers); };
    } else if (verb == "restart") {
        line.Arguments(0, 0, "restart alone");
        step.run = [](PlayRunner& runner) { runner.Restart(); };
    } else if (verb == "print") {
        line.Arguments(0, 0, "print alone");
        step.run = [](PlayRunner& runner) { runner.Print(); };
    } else if (verb == "expect") {
        step.run = ParseExpect(line);
    } else {
        line.Fail(
            "a command (seed, names, menu, race, answer, bet, review-delete, results, options, add-horse, "
            "delete-horses, enter-horses, restart, expect, print), not \"" +
            verb + "\"");
    }
    return step;
}

} // namespace

std::string Quoted(const std::string& text)
{
    std::string quoted(1, '"');
    quoted += OneLine(text);
    quoted += '"';
    return quoted;
}

Run Compare(std::string expected, std::function<std::string(PlayRunner&)> got)
{
    return [expected, got](PlayRunner& runner) {
        const std::string value = got(runner);
        runner.Expect(value == expected, expected, value);
    };
}

std::vector<PlayStep> ParsePlayScript(std::istream& in)
{
    std::vector<PlayStep> steps;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        const SplitLine split = Split(text, number);
        if (!split.words.empty())
            steps.push_back(ParseLine(number, split));
    }
    return steps;
}

} // namespace galloria::sim

#include "play_runner.h"

#include "base/settings_store.h"
#include "betting/race_money_board.h"
#include "halloffame/hall_of_fame_sheet_model.h"
#include "stable/horse_database_model.h"
#include "stable/new_horse_editor_model.h"

#include <cstdio>

namespace galloria::sim {

namespace fs = std::filesystem;

namespace {

std::string Price(double figure)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", figure);
    return text;
}

AmountKey DigitKey(char digit)
{
    static constexpr AmountKey kDigits[] = {
        AmountKey::Zero, AmountKey::One, AmountKey::Two,   AmountKey::Three, AmountKey::Four,
        AmountKey::Five, AmountKey::Six, AmountKey::Seven, AmountKey::Eight, AmountKey::Nine};
    return kDigits[digit - '0'];
}

std::string_view PhaseName(std::optional<GamePhase> phase)
{
    switch (phase.value_or(GamePhase::NoSet)) {
    case GamePhase::NoSet:
        return "none";
    case GamePhase::Betting:
        return "betting";
    case GamePhase::Racing:
        return "racing";
    case GamePhase::Result:
        return "results";
    }
    return "?";
}

// The rows of a stable-ordered database for horse numbers; none when a number is not a horse.
std::optional<std::vector<int>> RowsOf(const HorseDatabaseModel& database, const std::vector<int>& numbers)
{
    std::vector<int> rows;
    for (int number : numbers) {
        if (number < 1 || number > database.RowCount())
            return std::nullopt;
        rows.push_back(number - 1);
    }
    return rows;
}

} // namespace

PlayRunner::PlayRunner(fs::path folder, SettingsStore& store, std::ostream& out)
    : folder_(std::move(folder)), store_(store), out_(out), host_(out)
{
    host_.bettor = [this](BettingWindowModel& window) { AtBettingWindow(window); };
    StartGame();
}

PlayRunner::~PlayRunner() = default;

void PlayRunner::StartGame()
{
    game_ = std::make_unique<Game>(host_, store_);
    game_->folder = folder_;
    // The Chance column runs in the background and decides nothing.
    game_->chanceEnabled = false;
    if (seed_)
        game_->seedClock = [this] { return (*seed_)++; };
    game_->FirstUpdate();
}

int PlayRunner::Run(std::span<const PlayStep> steps)
{
    steps_ = steps;
    next_ = 0;
    while (next_ < steps_.size())
        RunStep(steps_[next_++]);
    out_ << (failures_ == 0 ? "all expectations held\n"
                            : std::to_string(failures_) + " expectation(s) failed\n");
    return failures_ == 0 ? 0 : 1;
}

void PlayRunner::RunStep(const PlayStep& step)
{
    out_ << step.line << ": " << step.text << "\n";
    const FileStamps before = StampFiles();
    const bool armedBefore = game_->state.nextRaceArmed;
    step.run(*this);
    if (!armedBefore && game_->state.nextRaceArmed)
        PrintRaceFinish();
    PrintFilesWritten(before);
}

void PlayRunner::Seed(std::uint32_t seed)
{
    game_->random.Seed(seed);
    seed_ = seed;
    game_->seedClock = [this] { return (*seed_)++; };
}

void PlayRunner::Refused(const std::string& why)
{
    out_ << "  refused: " << OneLine(why) << "\n";
}

void PlayRunner::Menu(MenuCommand command, const std::optional<std::string>& file)
{
    Game& game = *game_;
    if (!game.menus.IsAvailable(command))
        return Refused("the menu item is greyed");
    host_.openFile.reset();
    host_.saveFile.reset();
    if (file)
        (command == MenuCommand::Open ? host_.openFile : host_.saveFile) = folder_ / *file;
    switch (command) {
    case MenuCommand::StartNewRaceSet:
        return game.StartNewRaceSet();
    case MenuCommand::ContinueLastSet:
        return game.ContinueLastSet();
    case MenuCommand::Open:
        return game.OpenUnfinishedGame();
    case MenuCommand::Save:
        return game.SaveUnfinishedGame();
    case MenuCommand::PauseRace:
        return game.PauseRace();
    case MenuCommand::QuitRaceSet:
        return game.QuitRaceSet();
    case MenuCommand::GameOptions:
        return game.GameOptions();
    case MenuCommand::BettingWindow:
        return game.OpenBettingWindow();
    case MenuCommand::TrackRacingForm:
    case MenuCommand::SummaryRacingForm:
        return game.ShowRacingForm();
    case MenuCommand::RaceOrNextRace:
        return game.RaceOrNextRace();
    case MenuCommand::FinishResults:
        return game.FinishResults();
    case MenuCommand::HallOfFame: {
        game.sounds.Play(SoundEffect::Pop);
        HallOfFameSheetModel sheet;
        sheet.Open(game.hallOfFame);
        out_ << "  hall of fame shown\n";
        return;
    }
    case MenuCommand::LiveOdds:
    case MenuCommand::HowDidIDo:
    case MenuCommand::ShowNextPhoto:
    case MenuCommand::HelpContents:
    case MenuCommand::About:
    case MenuCommand::ReplayRace:
        out_ << "  shown\n"; // windows that only show; a replay changes nothing
        return;
    case MenuCommand::AddHorse:
    case MenuCommand::ListHorses:
    case MenuCommand::Exit:
        return; // the script's own commands do these
    }
}

void PlayRunner::Bet(const ScriptBet& bet)
{
    Game& game = *game_;
    if (game.bettingWindow.IsOpen())
        return BuyAtWindow(game.bettingWindow, bet);
    if (game.menus.Phase() != GamePhase::Betting || !game.menus.IsAvailable(MenuCommand::BettingWindow))
        return Refused("no betting window now");
    windowStep_ = &steps_[next_ - 1];
    game.OpenBettingWindow();
}

void PlayRunner::ReviewDelete(const std::string& player, int line)
{
    Game& game = *game_;
    if (game.bettingWindow.IsOpen())
        return DeleteAtWindow(game.bettingWindow, player, line);
    if (game.menus.Phase() != GamePhase::Betting || !game.menus.IsAvailable(MenuCommand::BettingWindow))
        return Refused("no betting window now");
    windowStep_ = &steps_[next_ - 1];
    game.OpenBettingWindow();
}

// The betting window is open, as the game opens it before each race or from
// the TRACK menu: the bets the script buys next are typed into it, and it is
// closed when the script turns to something else.
void PlayRunner::AtBettingWindow(BettingWindowModel& window)
{
    ++bettingWindows_;
    out_ << "  betting window open\n";
    if (const PlayStep* step = std::exchange(windowStep_, nullptr))
        step->run(*this);
    while (next_ < steps_.size() && steps_[next_].atBettingWindow && window.IsOpen())
        RunStep(steps_[next_++]);
    out_ << "  betting window closed\n";
}

bool PlayRunner::ChoosePlayerAtWindow(BettingWindowModel& window, const std::string& player)
{
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        if (!window.IsPlayerShown(slot) || window.PlayerName(slot) != player)
            continue;
        if (window.CurrentPlayer() == slot)
            return true;
        if (!window.CanChoosePlayer(slot))
            break;
        window.ChoosePlayer(slot);
        return true;
    }
    Refused("no player \"" + player + "\" at the betting window");
    return false;
}

void PlayRunner::BuyAtWindow(BettingWindowModel& window, const ScriptBet& bet)
{
    if (!ChoosePlayerAtWindow(window, bet.player))
        return;
    // Whatever a refused bet left composed is cleared first.
    if (window.CanClearAll())
        window.ClearAll();
    const auto refuse = [&](const std::string& why) {
        if (window.CanClearAll())
            window.ClearAll();
        Refused(why);
    };
    const int player = window.CurrentPlayer();
    for (char digit : std::to_string(bet.amount)) {
        const int before = window.Amount();
        const BetActionResult pressed = window.PressKey(DigitKey(digit));
        if (!pressed.message.empty())
            return refuse(pressed.message);
        if (window.Amount() == before)
            return refuse("the amount key " + std::string(1, digit) + " would overdraw " + bet.player +
                          "'s balance of " + std::to_string(window.Balance(player) + window.Reserved()));
    }
    if (!window.CanChooseType(bet.type, bet.boxed))
        return refuse("the window does not offer this type of bet");
    window.ChooseType(bet.type, bet.boxed);
    for (std::size_t leg = 0; leg < bet.legs.size(); ++leg) {
        if (!window.CanChooseRunner(bet.legs[leg]))
            return refuse("the window does not offer " + HorseSelectorText(bet.legs[leg]) + " for leg " +
                          std::to_string(leg + 1));
        window.ChooseRunner(bet.legs[leg]);
    }
    const std::string line = window.BetLine();
    if (!window.CanBuy())
        return refuse("BUY is not offered");
    const BetActionResult bought = window.Buy();
    if (!bought.applied)
        return refuse(bought.message.empty() ? "BUY did not take the bet" : bought.message);
    out_ << "  bought \"" << line << "\", balance " << window.Balance(player) << "\n";
}

void PlayRunner::DeleteAtWindow(BettingWindowModel& window, const std::string& player, int line)
{
    if (!ChoosePlayerAtWindow(window, player))
        return;
    if (!window.CanView())
        return Refused("View is not offered");
    window.View();
    ReviewBetsModel& review = window.Review();
    if (line > review.LineCount()) {
        window.CloseReview();
        return Refused(player + " has no bet " + std::to_string(line));
    }
    review.Select(line - 1);
    const std::string text = review.Lines()[static_cast<std::size_t>(line - 1)];
    review.DeleteBet();
    window.CloseReview();
    out_ << "  deleted \"" << text << "\", balance " << window.Balance(window.CurrentPlayer()) << "\n";
}

void PlayRunner::Options(const std::map<std::string, int>& values, bool reset)
{
    if (!game_->menus.IsAvailable(MenuCommand::GameOptions))
        return Refused("the menu item is greyed");
    if (!values.empty()) {
        host_.optionsChange = [values](GameSettings& settings) {
            MemorySettingsStore scratch;
            SaveSettings(settings, scratch);
            for (const auto& [key, value] : values)
                scratch.SetInt(kSettingsSection, key, value);
            settings = LoadSettings(scratch);
        };
    }
    host_.optionsReset = reset;
    game_->GameOptions();
}

void PlayRunner::AddHorse(const std::string& name, const std::array<int, 4>& values, const std::string& owner)
{
    if (!game_->menus.IsAvailable(MenuCommand::AddHorse))
        return Refused("the menu item is greyed");
    const auto editor = std::make_unique<NewHorseEditorModel>();
    game_->OpenNewHorseEditor(*editor);
    editor->name = name;
    editor->owner = owner;
    editor->values = values;
    const NewHorseEditorModel::OkResult result = editor->Ok();
    if (!result.message.empty())
        host_.ShowMessage(result.message, MessageKind::Information);
    if (result.added)
        out_ << "  added \"" << name << "\"\n";
    editor->Cancel();
}

void PlayRunner::DeleteHorses(const std::vector<int>& numbers)
{
    if (!game_->menus.IsAvailable(MenuCommand::ListHorses))
        return Refused("the menu item is greyed");
    HorseDatabaseModel database(game_->stable);
    game_->OpenHorseDatabase(database);
    const auto rows = RowsOf(database, numbers);
    if (!rows)
        return Refused("the stable has " + std::to_string(database.RowCount()) + " horses");
    if (host_.ShowMessage(DeleteHorsesQuestion(static_cast<int>(rows->size())), MessageKind::OkCancel) !=
        MessageAnswer::Ok)
        return;
    if (const std::string refusal = database.DeleteRows(*rows); !refusal.empty())
        host_.ShowMessage(refusal, MessageKind::Information);
}

void PlayRunner::EnterHorses(const std::vector<int>& numbers)
{
    if (!game_->menus.IsAvailable(MenuCommand::ListHorses))
        return Refused("the menu item is greyed");
    HorseDatabaseModel database(game_->stable);
    game_->OpenHorseDatabase(database);
    const auto rows = RowsOf(database, numbers);
    if (!rows)
        return Refused("the stable has " + std::to_string(database.RowCount()) + " horses");
    if (host_.ShowMessage(database.EnterRows(*rows), MessageKind::OkCancel) != MessageAnswer::Ok)
        database.CancelEntry();
}

void PlayRunner::Restart()
{
    // The window closes as a player closes it between races; the game's
    // files are all written by then, and the next start reads them again.
    game_->sounds.Play(SoundEffect::Silence);
    game_.reset();
    StartGame();
}

void PlayRunner::Print()
{
    const Game& game = *game_;
    out_ << "  set race " << game.state.raceIndex + 1 << ", phase " << PhaseName(game.menus.Phase());
    for (const PlayerSlot& player : game.state.players) {
        if (player.InGame())
            out_ << ", " << player.name << " " << player.balance;
    }
    out_ << "\n";
}

void PlayRunner::Expect(bool held, const std::string& expected, const std::string& got)
{
    if (held)
        return;
    ++failures_;
    out_ << "FAILED line " << steps_[next_ - 1].line << ": expected " << expected << ", got " << got << "\n";
}

std::optional<int> PlayRunner::SlotOf(const std::string& name) const
{
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        const PlayerSlot& player = game_->state.players[slot];
        if (player.InGame() && player.name == name)
            return slot;
    }
    return std::nullopt;
}

std::optional<int> PlayRunner::LastPayout(const std::string& name) const
{
    for (const RaceMoneyRow& row : BuildRaceMoneyBoard(game_->state)) {
        if (row.name == name)
            return row.won;
    }
    return std::nullopt;
}

int PlayRunner::StableSize()
{
    if (game_->SetInProgress())
        return game_->stable.count;
    // Between sets the database reads the files; a scratch stable keeps the
    // game's generator as it is.
    const auto stable = std::make_unique<Stable>();
    GameRandom scratch;
    stable->folder = folder_;
    stable->LoadOrExit(scratch);
    return stable->count;
}

int PlayRunner::ShownCount(ShownKind kind) const
{
    switch (kind) {
    case ShownKind::Messages:
        return static_cast<int>(host_.messages.size());
    case ShownKind::Notices:
        return static_cast<int>(host_.notices.size());
    case ShownKind::SetResults:
        return static_cast<int>(host_.setTitles.size());
    case ShownKind::BettingWindows:
        return bettingWindows_;
    case ShownKind::Sounds:
        return static_cast<int>(host_.sounds.size());
    }
    return 0;
}

void PlayRunner::PrintRaceFinish()
{
    const Game& game = *game_;
    const PayoutBoard& pay = game.state.payouts;
    const int winner = game.engine.finishOrder[0];
    out_ << "  race " << game.state.raceIndex + 1 << " won by #" << winner + 1 << " "
         << game.RunnerName(winner) << ": win " << Price(pay.winPay) << ", place " << Price(pay.placePayFirst)
         << " " << Price(pay.placePaySecond) << ", show " << Price(pay.showPayFirst) << " "
         << Price(pay.showPaySecond) << " " << Price(pay.showPayThird) << "\n  balances:";
    for (const RaceMoneyRow& row : BuildRaceMoneyBoard(game.state))
        out_ << " " << row.name << " " << row.balance << " (won " << row.won << ");";
    out_ << "\n";
}

PlayRunner::FileStamps PlayRunner::StampFiles() const
{
    FileStamps stamps;
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error))
            stamps[fs::relative(it->path(), folder_, error).generic_string()] = {it->file_size(error),
                                                                                 it->last_write_time(error)};
    }
    return stamps;
}

void PlayRunner::PrintFilesWritten(const FileStamps& before)
{
    std::string written;
    for (const auto& [name, stamp] : StampFiles()) {
        const auto old = before.find(name);
        if (old == before.end() || old->second != stamp)
            written += " " + name;
    }
    if (!written.empty())
        out_ << "  files written:" << written << "\n";
}

} // namespace galloria::sim

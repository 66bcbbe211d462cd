#include "game_invariants.h"

#include "game/game.h"
#include "game/unfinished_game_file.h"
#include "halloffame/hall_of_fame.h"
#include "halloffame/score_file.h"
#include "stable/owners.h"
#include "stable/stable.h"

#include <QApplication>
#include <QWidget>

#include <fstream>
#include <iterator>
#include <memory>
#include <numeric>
#include <sstream>

namespace galloria {
namespace {

std::string Bytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

long long Sum(const int (&values)[kBetTypeCount])
{
    return std::accumulate(std::begin(values), std::end(values), 0LL);
}

bool OpensOver(const QWidget* upper, const QWidget* lower)
{
    for (const QWidget* w = upper->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (w == lower)
            return true;
    }
    return false;
}

} // namespace

std::optional<std::string> GameInvariants::CheckMoney(const Game& game)
{
    const RaceSetState& state = game.state;
    for (int p = 0; p < kPlayerSlots; ++p) {
        const int windowBalance = game.bettingWindow.IsOpen() ? game.bettingWindow.Balance(p) : 0;
        if (state.players[p].balance < 0 || windowBalance < 0)
            return "player " + std::to_string(p + 1) + " has a negative balance";
    }
    // Money is counted only where nothing is half done: while the bets are
    // taken (the stakes still open) and once the race is settled.
    const std::optional<GamePhase> phase = game.menus.Phase();
    if (phase != GamePhase::Betting && phase != GamePhase::Result)
        return std::nullopt;

    Look now;
    now.raceCounter = state.raceCounter;
    for (int p = 0; p < kPlayerSlots; ++p) {
        const PlayerSlot& player = state.players[p];
        long long open = 0;
        for (int b = 0; phase == GamePhase::Betting && b < player.bets.count; ++b)
            open += player.bets.slots[b].amount;
        now.names[p] = player.name;
        now.startBalance[p] = player.startBalance;
        now.staked[p] = Sum(player.statistics.amountBet);
        now.won[p] = Sum(player.statistics.amountWon);
        now.carry[p] = player.balance + open - now.won[p] + now.staked[p] - player.startBalance;
    }
    // The same set goes on when its players, start money and settled stakes
    // and winnings only grew and at most one race has passed; then the carry
    // (start money less what is in hand, staked and won) may not move.
    std::optional<std::string> fault;
    if (last_ && last_->names == now.names && last_->startBalance == now.startBalance &&
        (now.raceCounter - last_->raceCounter == 0 || now.raceCounter - last_->raceCounter == 1)) {
        for (int p = 0; p < kPlayerSlots && !fault; ++p) {
            if (now.staked[p] < last_->staked[p] || now.won[p] < last_->won[p])
                break; // settled figures went back: another game was opened
            if (now.carry[p] != last_->carry[p])
                fault = "player " + std::to_string(p + 1) + " balance " +
                        std::to_string(state.players[p].balance) + " is off by " +
                        std::to_string(now.carry[p] - last_->carry[p]) +
                        " from start + payouts - stakes (race " + std::to_string(state.raceCounter) + ", " +
                        std::to_string(state.players[p].bets.count) + " bets open)";
        }
    }
    last_ = now;
    return fault;
}

std::optional<std::string> GameInvariants::CheckFiles(const std::filesystem::path& folder)
{
    static const auto stable = std::make_unique<Stable>();
    for (const char* name : {"Stable.dat", "BackUp.dat"}) {
        const std::filesystem::path path = folder / "data" / name;
        const std::string bytes = Bytes(path);
        if (!DecodeStableBytes(bytes, *stable).ok() || bytes.size() % kHorseRecordSize != 0)
            return path.string() + " is no whole stable";
    }
    if (const std::filesystem::path owners = folder / "data" / "owner.txt";
        exists(owners) && !ParseOwnerFile(Bytes(owners)).whole)
        return owners.string() + " does not read in full";
    if (const std::filesystem::path relations = folder / "data" / "relation.txt";
        exists(relations) && !ParseRelationFile(Bytes(relations)).whole)
        return relations.string() + " does not read in full";
    if (const std::filesystem::path scores = folder / HallOfFame::kFileName;
        exists(scores) && std::filesystem::file_size(scores) != kScoreFileSize)
        return scores.string() + " is no whole score file";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".gxu")
            continue;
        std::istringstream in(Bytes(entry.path()));
        RaceSetState opened;
        if (!ReadUnfinishedGame(in, opened).Complete())
            return entry.path().string() + " does not open in full";
    }
    return std::nullopt;
}

std::optional<std::string> GameInvariants::CheckModalWindows()
{
    std::vector<const QWidget*> modals;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        // Qt's own file dialog asks its questions as it sees fit; the game's windows are checked.
        const bool overFileDialog = window->parentWidget() && window->parentWidget()->inherits("QFileDialog");
        if (window->isVisible() && window->isModal() && !overFileDialog)
            modals.push_back(window);
    }
    for (const QWidget* a : modals) {
        for (const QWidget* b : modals) {
            if (a != b && !OpensOver(a, b) && !OpensOver(b, a))
                return "two modal windows side by side: " + std::string(a->metaObject()->className()) +
                       " and " + b->metaObject()->className();
        }
    }
    return std::nullopt;
}

} // namespace galloria

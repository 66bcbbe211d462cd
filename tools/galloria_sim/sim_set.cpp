#include "sim_set.h"

#include "sim_field.h"
#include "sim_json.h"

#include "base/settings_store.h"
#include "game/game.h"
#include "game/headless_host.h"
#include "stable/horse_record.h"

#include <cstdio>
#include <memory>
#include <ostream>

namespace galloria::sim {

namespace {

namespace fs = std::filesystem;

std::string Price(double figure)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", figure);
    return text;
}

// The headless host that also prints each set's results as the game shows them.
class SimHost final : public HeadlessHost {
public:
    SimHost(std::ostream& out, bool json) : out_(out), json_(json) {}
    int set = 1;

    bool ShowRaceSetResults(const RaceSetResultsModel& results) override
    {
        PrintSetResults(results);
        ++set;
        return HeadlessHost::ShowRaceSetResults(results);
    }

private:
    void PrintSetResults(const RaceSetResultsModel& results)
    {
        using Grid = RaceSetResultsModel;
        if (json_) {
            out_ << "{\"set\":" << set << ",\"title\":" << JsonString(results.Title()) << ",\"players\":[";
            bool first = true;
            for (int column = 0; column < Grid::kColumnCount; ++column) {
                if (results.Cell(Grid::kNameRow, column).empty())
                    continue;
                out_ << (first ? "" : ",") << "{\"name\":" << JsonString(results.Cell(Grid::kNameRow, column))
                     << ",\"start\":" << results.Cell(Grid::kStartRow, column) << ",\"races\":[";
                for (int race = 0; race < kRacesPerSet; ++race)
                    out_ << (race ? "," : "") << results.Cell(Grid::kFirstRaceRow + race, column);
                out_ << "],\"finish\":" << results.Cell(Grid::kFinishRow, column) << "}";
                first = false;
            }
            out_ << "]}\n";
            return;
        }
        out_ << "Set " << set << ": " << results.Title() << "\n";
        char cell[32];
        for (int row = 0; row < Grid::kRowCount; ++row) {
            std::snprintf(cell, sizeof cell, "  %-8s", std::string(Grid::RowLabel(row)).c_str());
            out_ << cell;
            for (int column = 0; column < Grid::kColumnCount; ++column) {
                if (results.Cell(Grid::kNameRow, column).empty())
                    continue;
                std::snprintf(cell, sizeof cell, "%12s", results.Cell(row, column).c_str());
                out_ << cell;
            }
            out_ << "\n";
        }
    }

    std::ostream& out_;
    bool json_;
};

void PrintRace(const Game& game, int set, bool json, std::ostream& out)
{
    const RaceSetState& state = game.state;
    const PayoutBoard& pay = state.payouts;
    const int winner = game.engine.finishOrder[0];
    const std::string name(game.RunnerName(winner));
    if (json) {
        out << "{\"set\":" << set << ",\"race\":" << state.raceIndex + 1
            << ",\"purse\":" << game.CurrentPurse() << ",\"winner\":" << winner + 1
            << ",\"horse\":" << JsonString(name) << ",\"win\":" << Price(pay.winPay) << ",\"place\":["
            << Price(pay.placePayFirst) << "," << Price(pay.placePaySecond) << "],\"show\":["
            << Price(pay.showPayFirst) << "," << Price(pay.showPaySecond) << "," << Price(pay.showPayThird)
            << "],\"exacta\":" << Price(pay.exactaPay) << ",\"triacta\":" << Price(pay.triactaPay)
            << ",\"balances\":[";
        bool first = true;
        for (const PlayerSlot& player : state.players) {
            if (!player.InGame())
                continue;
            out << (first ? "" : ",") << "{\"name\":" << JsonString(player.name)
                << ",\"balance\":" << player.balance << "}";
            first = false;
        }
        out << "]}\n";
        return;
    }
    out << "Set " << set << " race " << state.raceIndex + 1 << "  purse $" << game.CurrentPurse()
        << "  winner #" << winner + 1 << " " << name << "\n";
    out << "  win " << Price(pay.winPay) << "  place " << Price(pay.placePayFirst) << " "
        << Price(pay.placePaySecond) << "  show " << Price(pay.showPayFirst) << " "
        << Price(pay.showPaySecond) << " " << Price(pay.showPayThird) << "  exacta " << Price(pay.exactaPay)
        << "  triacta " << Price(pay.triactaPay) << "\n ";
    for (const PlayerSlot& player : state.players) {
        if (player.InGame())
            out << " " << player.name << " " << player.balance;
    }
    out << "\n";
}

} // namespace

void ProvideStable(const fs::path& folder, const std::optional<fs::path>& startingStable)
{
    const fs::path data = folder / "data";
    std::error_code error;
    fs::create_directories(data, error);
    if (fs::exists(data / "Stable.dat") || fs::exists(data / "BackUp.dat"))
        return;
    if (!startingStable)
        throw FieldError("no stable in " + data.string() + "; name one to start from with --stable PATH");
    if (!fs::is_regular_file(*startingStable))
        throw FieldError("cannot read the stable file " + startingStable->string());
    fs::copy_file(*startingStable, data / "Stable.dat", error);
    if (!error)
        fs::copy_file(*startingStable, data / "BackUp.dat", error);
    if (error)
        throw FieldError("cannot put the stable into " + data.string() + ": " + error.message());
}

void RunSets(const SetRunOptions& options, std::ostream& out, const AfterRace& afterRace)
{
    ProvideStable(options.folder, options.startingStable);

    SimHost host(out, options.json);
    for (std::size_t slot = 0; slot < options.players.size() && slot < host.playerNames.size(); ++slot)
        host.playerNames[slot] = options.players[slot];
    host.continueSets = options.sets - 1;

    MemorySettingsStore store;
    store.SetInt(kSettingsSection, kSoundOnKey, 1);
    store.SetInt(kSettingsSection, kViewKey, static_cast<int>(ViewRaceMode::None));
    store.SetInt(kSettingsSection, kOddsKey, options.oddsAccuracy);

    const auto game = std::make_unique<Game>(host, store);
    game->folder = options.folder;
    game->random.Seed(options.seed);
    game->seedClock = [next = options.seed]() mutable { return next++; };
    host.bettor = [&](BettingWindowModel& window) {
        PlaceStrategyBets(window, game->state, options.strategy, options.stake);
    };

    game->FirstUpdate();
    game->StartNewRaceSet();
    while (game->menus.Phase() == GamePhase::Betting) {
        game->RaceOrNextRace();
        if (!game->state.nextRaceArmed)
            break;
        PrintRace(*game, host.set, options.json, out);
        if (afterRace)
            afterRace(*game);
        game->RaceOrNextRace();
    }
}

} // namespace galloria::sim

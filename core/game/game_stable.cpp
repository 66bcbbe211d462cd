// The STABLE menu's windows on the game's stable: the horse database, with
// deletions that keep a running set's stable indices on their horses, and the
// new horse editor, whose horses join a running set's stable.
#include "game/game.h"

#include "base/screen_text.h"
#include "stable/horse_database_model.h"
#include "stable/new_horse_editor_model.h"

#include <algorithm>
#include <vector>

namespace galloria {

namespace {

// The refusal lists this many of the horses that must stay, then counts the rest.
constexpr std::size_t kHorsesListed = 6;

std::string StillRacingMessage(const std::vector<std::string>& horses)
{
    std::string list;
    for (std::size_t i = 0; i < horses.size() && i < kHorsesListed; ++i)
        list += horses[i] + "\n";
    if (horses.size() > kHorsesListed)
        list += FillIn(Tr("Stable", "and %1 more\n"), {std::to_string(horses.size() - kHorsesListed)});
    const std::string text =
        horses.size() == 1 ? Tr("Stable", "This horse still has a race to run\nin this set and cannot be "
                                          "deleted:\n\n%1\nThey can be deleted when the set is over.")
                           : Tr("Stable", "These horses still have a race to run\nin this set and cannot be "
                                          "deleted:\n\n%1\nThey can be deleted when the set is over.");
    return FillIn(text, {list});
}

} // namespace

bool Game::SetInProgress() const
{
    const std::optional<GamePhase> phase = menus.Phase();
    return phase.has_value() && *phase != GamePhase::NoSet;
}

void Game::OpenHorseDatabase(HorseDatabaseModel& database)
{
    sounds.Play(SoundEffect::Pop);
    // During a set the stable in memory holds the set's races, which reach
    // the file only at its end: it is shown as it stands, not reloaded.
    if (!SetInProgress()) {
        stable.folder = folder;
        stable.backupRefreshPending = false;
        stable.LoadOrExit(random);
    }
    database.deleteHorses = [this](std::span<const int> numbers) { return DeleteHorses(numbers); };
    database.Open(settings.OwnersShown());
}

void Game::OpenNewHorseEditor(NewHorseEditorModel& editor)
{
    sounds.Play(SoundEffect::Pop);
    editor.SetFolder(folder);
    editor.random.Seed(SeedFromClock());
    editor.onHorseAdded = [this](const HorseRecord& horse) { AddEditedHorse(horse); };
    editor.Open(settings.OwnersShown());
}

std::string Game::DeleteHorses(std::span<const int> numbers)
{
    if (numbers.empty())
        return {};
    if (state.raceRunning)
        return Tr("Stable", "Horses cannot be deleted\nwhile a race is being run.");
    const int before = stable.count;
    std::vector<bool> deleted(static_cast<std::size_t>(before), false);
    for (int number : numbers) {
        if (number >= 1 && number <= before)
            deleted[static_cast<std::size_t>(number - 1)] = true;
    }

    const bool inSet = SetInProgress();
    if (inSet) {
        // The current race (to run, or on the board) and the later ones keep
        // their runners.
        std::vector<std::string> staying;
        for (int horse = 0; horse < before; ++horse) {
            if (!deleted[static_cast<std::size_t>(horse)])
                continue;
            for (int race = std::max(state.raceIndex, 0); race < kRacesPerSet; ++race) {
                const int* posts = state.program.runners[race];
                if (std::find(posts, posts + state.program.FieldSize(race), horse) !=
                    posts + state.program.FieldSize(race)) {
                    staying.push_back(FillIn(Tr("Stable", "%1 (race %2)"),
                                             {HorseName(stable.records[horse]), std::to_string(race + 1)}));
                    break;
                }
            }
        }
        if (!staying.empty())
            return StillRacingMessage(staying);
    }

    std::vector<int> newIndex(static_cast<std::size_t>(before), -1);
    int kept = 0;
    for (int horse = 0; horse < before; ++horse) {
        if (!deleted[static_cast<std::size_t>(horse)])
            newIndex[static_cast<std::size_t>(horse)] = kept++;
    }
    if (kept == before)
        return {};
    std::vector<double> ratingOdds(static_cast<std::size_t>(before));
    for (int horse = 0; horse < before; ++horse)
        ratingOdds[static_cast<std::size_t>(horse)] = stable.statistics[horse].ratingOdds;

    // The reload draws odds for horses without races; the set's own generator
    // is left alone.
    GameRandom scratch;
    scratch.Seed(random.state);
    stable.DeleteHorses(numbers, scratch);
    if (stable.count != kept)
        return Tr(kHorsesNotDeletedMessage);

    const auto renumber = [&](int& horse) {
        if (horse >= 0 && horse < before)
            horse = newIndex[static_cast<std::size_t>(horse)];
    };
    if (inSet) {
        // The odds the set's races have made keep their horses.
        for (int horse = 0; horse < before; ++horse) {
            if (const int now = newIndex[static_cast<std::size_t>(horse)]; now >= 0)
                stable.statistics[now].ratingOdds = ratingOdds[static_cast<std::size_t>(horse)];
        }
    }
    // Earlier races may have run a deleted horse: its post is left empty.
    for (auto& race : state.program.runners)
        std::ranges::for_each(race, renumber);
    // The next race's choice loses the deleted horses and closes up.
    std::vector<int> chosen;
    for (int horse : stable.nextRaceSelection) {
        if (horse < 0)
            break;
        renumber(horse);
        if (horse >= 0)
            chosen.push_back(horse);
    }
    std::ranges::fill(stable.nextRaceSelection, -1);
    std::ranges::copy(chosen, stable.nextRaceSelection);
    return {};
}

void Game::AddEditedHorse(const HorseRecord& horse)
{
    // A stable not yet loaded reads the horse from the file when it is.
    if (stable.count == 0 || stable.count >= Stable::kMaxHorses)
        return;
    stable.records[stable.count] = horse;
    HorseStatistics statistics;
    statistics.ratingOdds = 9 + random.Next() % 4; // as a horse without races gets at a load
    stable.statistics[stable.count] = statistics;
    ++stable.count;
}

} // namespace galloria

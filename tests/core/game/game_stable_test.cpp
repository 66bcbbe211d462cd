// The STABLE menu's windows on a running game: the database shows a set's
// races so far, deletes keep the set's stable indices on their horses, and
// the editor's horses survive the save at the end of a set.
#include "game/game.h"

#include "game/game_in_folder.h"
#include "stable/horse_database_model.h"
#include "stable/new_horse_editor_model.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace galloria {
namespace {

namespace fs = std::filesystem;

class GameStable : public ::testing::Test, public testing::GameInFolder {
protected:
    void StartSet()
    {
        GameInFolder::StartSet({"Ann"});
        ASSERT_EQ(game->menus.Phase(), GamePhase::Betting);
    }

    std::string NameOf(int horse) const { return std::string(HorseName(game->stable.records[horse])); }

    // A horse that runs in no race of the set from `fromRace` on.
    int HorseNotRunningFrom(int fromRace, int atLeast = 0) const
    {
        for (int horse = atLeast; horse < game->stable.count; ++horse) {
            bool runs = false;
            for (int race = fromRace; race < kRacesPerSet; ++race) {
                const int* posts = game->state.program.runners[race];
                runs |= std::find(posts, posts + game->state.program.FieldSize(race), horse) !=
                        posts + game->state.program.FieldSize(race);
            }
            if (!runs)
                return horse;
        }
        return -1;
    }
};

TEST_F(GameStable, DuringASetTheDatabaseShowsTheRacesSoFarWithoutReloading)
{
    StartSet();
    game->RaceOrNextRace();
    ASSERT_EQ(game->menus.Phase(), GamePhase::Result);
    const int winner = game->state.program.runners[0][game->engine.finishOrder[0]];
    const std::string fileBefore = testing::ReadBytes(folder.Path() / "data" / "Stable.dat");

    HorseDatabaseModel database(game->stable);
    host.sounds.clear();
    game->OpenHorseDatabase(database);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"once Sounds/gxpop.wav"}) << "the dialog's sound";
    EXPECT_EQ(game->stable.records[winner].finishHistory[0], 1) << "the race is still in memory";
    int row = 0;
    while (row < database.RowCount() && database.HorseOfRow(row) != winner)
        ++row;
    ASSERT_LT(row, database.RowCount());
    EXPECT_EQ(database.Cell(row, 1), NameOf(winner));
    EXPECT_NE(database.Cell(row, 3), "0") << "the win shows in the 1st column";
    EXPECT_EQ(testing::ReadBytes(folder.Path() / "data" / "Stable.dat"), fileBefore);
}

TEST_F(GameStable, BetweenSetsTheDatabaseReadsTheStableFile)
{
    StartSet();
    host.answers.push_back(MessageAnswer::No);
    game->QuitRaceSet();
    ASSERT_EQ(game->menus.Phase(), GamePhase::NoSet);
    // A horse appended to the file by hand is there at the next opening.
    fs::resize_file(folder.Path() / "data" / "Stable.dat", 3 * kHorseRecordSize);
    HorseDatabaseModel database(game->stable);
    game->OpenHorseDatabase(database);
    EXPECT_EQ(database.RowCount(), 3);
}

TEST_F(GameStable, AHorseWithARaceStillToRunCannotBeDeleted)
{
    StartSet();
    const int later = game->state.program.runners[4][0];
    const int current = game->state.program.runners[0][1];
    const int count = game->stable.count;
    const int numbers[] = {later + 1, current + 1};
    const std::string refusal = game->DeleteHorses(numbers);
    EXPECT_NE(refusal.find(NameOf(later) + " (race 5)"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find(NameOf(current) + " (race 1)"), std::string::npos) << refusal;
    EXPECT_EQ(game->stable.count, count);
    EXPECT_EQ(game->state.program.runners[4][0], later);
}

TEST_F(GameStable, DeletingRenumbersTheSetsProgramAndTheNextRaceChoice)
{
    StartSet();
    RunAndMoveOn();
    ASSERT_EQ(game->state.raceIndex, 1);

    // A runner of the first race, already run, and a horse that runs nowhere.
    const int ranBefore = game->state.program.runners[0][0];
    const int idle = HorseNotRunningFrom(0);
    ASSERT_GE(idle, 0);
    // Names of every runner of the set and of a choice for the next race.
    std::vector<std::vector<std::string>> fields(kRacesPerSet);
    for (int race = 1; race < kRacesPerSet; ++race)
        for (int post = 0; post < game->state.program.FieldSize(race); ++post)
            fields[race].push_back(NameOf(game->state.program.runners[race][post]));
    const int lastHorse = game->stable.count - 1;
    const int chosen[] = {lastHorse, idle, lastHorse - 1};
    std::ranges::copy(chosen, game->stable.nextRaceSelection);
    const std::string lastName = NameOf(lastHorse);
    const std::string secondLastName = NameOf(lastHorse - 1);
    // A runner of the first race whose odds that race has changed in memory.
    const int ranKept = game->state.program.runners[0][1];
    const std::string ranKeptName = NameOf(ranKept);
    const double ranKeptOdds = game->stable.statistics[ranKept].ratingOdds;
    const int count = game->stable.count;

    const int numbers[] = {idle + 1, ranBefore + 1};
    ASSERT_EQ(game->DeleteHorses(numbers), "");
    EXPECT_EQ(game->stable.count, count - 2);
    EXPECT_EQ(testing::ReadBytes(folder.Path() / "data" / "Stable.dat").size(),
              static_cast<std::size_t>(count - 2) * kHorseRecordSize);

    for (int race = 1; race < kRacesPerSet; ++race)
        for (int post = 0; post < game->state.program.FieldSize(race); ++post)
            EXPECT_EQ(NameOf(game->state.program.runners[race][post]), fields[race][post]) << race << post;
    EXPECT_EQ(game->state.program.runners[0][0], -1) << "the deleted horse's post in a race already run";
    EXPECT_EQ(NameOf(game->stable.nextRaceSelection[0]), lastName);
    EXPECT_EQ(NameOf(game->stable.nextRaceSelection[1]), secondLastName) << "the deleted choice closes up";
    EXPECT_EQ(game->stable.nextRaceSelection[2], -1);
    const int ranKeptNow = game->state.program.runners[0][1];
    ASSERT_GE(ranKeptNow, 0);
    EXPECT_EQ(NameOf(ranKeptNow), ranKeptName);
    EXPECT_DOUBLE_EQ(game->stable.statistics[ranKeptNow].ratingOdds, ranKeptOdds)
        << "the odds the set has made stay with the horse";

    // The choice still runs in the next race.
    RunAndMoveOn();
    EXPECT_EQ(NameOf(game->state.program.runners[2][0]), lastName);
    EXPECT_EQ(NameOf(game->state.program.runners[2][1]), secondLastName);
}

TEST_F(GameStable, HorsesEnteredInTheDatabaseRunFirstInTheNextRace)
{
    StartSet();
    HorseDatabaseModel database(game->stable);
    game->OpenHorseDatabase(database);
    database.SortBy(1); // by name
    const int rows[] = {0, 1, 2};
    EXPECT_EQ(database.EnterRows(rows), EnterHorsesQuestion(3));
    const std::string names[] = {database.Cell(0, 1), database.Cell(1, 1), database.Cell(2, 1)};
    RunAndMoveOn();
    for (int post = 0; post < 3; ++post)
        EXPECT_EQ(NameOf(game->state.program.runners[1][post]), names[post]) << post;
}

TEST_F(GameStable, AHorseAddedDuringASetSurvivesTheSaveAtItsEnd)
{
    StartSet();
    const int count = game->stable.count;
    auto editor = std::make_unique<NewHorseEditorModel>();
    game->OpenNewHorseEditor(*editor);
    editor->name = "Midset Arrival";
    editor->values = {50, 50, 50, 50};
    ASSERT_TRUE(editor->Ok().added);
    ASSERT_EQ(game->stable.count, count + 1);
    EXPECT_EQ(NameOf(count), "Midset Arrival");
    EXPECT_GE(game->stable.statistics[count].ratingOdds, 9.0);
    EXPECT_LE(game->stable.statistics[count].ratingOdds, 12.0);

    host.answers.push_back(MessageAnswer::No);
    game->QuitRaceSet();
    const std::string bytes = testing::ReadBytes(folder.Path() / "data" / "Stable.dat");
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(count + 1) * kHorseRecordSize);
    const HorseRecord last =
        DecodeHorseRecord(reinterpret_cast<const std::uint8_t*>(bytes.data() + count * kHorseRecordSize));
    EXPECT_EQ(HorseName(last), "Midset Arrival");
}

} // namespace
} // namespace galloria

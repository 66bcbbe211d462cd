// The STABLE menu's windows on a running game where a script cannot look: the
// stable file changed by hand between sets, and what a delete or an added
// horse does to the set's records in memory. The windows as a player uses
// them are in tests/scenarios/game_stable.play.
#include "game/game.h"

#include "game/game_in_folder.h"
#include "stable/horse_database_model.h"
#include "stable/new_horse_editor_model.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

namespace fs = std::filesystem;

class GameStable : public ::testing::Test, public testing::GameInFolder {
protected:
    std::string NameOf(int horse) const { return std::string(HorseName(game->stable.records[horse])); }
};

TEST_F(GameStable, BetweenSetsTheDatabaseReadsTheStableFile)
{
    StartSet({"Ann"});
    host.answers.push_back(MessageAnswer::No);
    game->QuitRaceSet();
    ASSERT_EQ(game->menus.Phase(), GamePhase::NoSet);
    // A file cut by hand to three horses is what the next opening shows.
    fs::resize_file(folder.Path() / "data" / "Stable.dat", 3 * kHorseRecordSize);
    HorseDatabaseModel database(game->stable);
    game->OpenHorseDatabase(database);
    EXPECT_EQ(database.RowCount(), 3);
}

TEST_F(GameStable, ADeleteKeepsTheSetsRecordsOnTheirHorses)
{
    StartSet({"Ann"});
    RunAndMoveOn();
    // A runner of the first race is deleted; the one beside it keeps the
    // odds the set has made for it, and the deleted horse's post is empty.
    const int ran = game->state.program.runners[0][0];
    const int kept = game->state.program.runners[0][1];
    const std::string keptName = NameOf(kept);
    const double keptOdds = game->stable.statistics[kept].ratingOdds;
    const int numbers[] = {ran + 1};
    ASSERT_EQ(game->DeleteHorses(numbers), "");
    EXPECT_EQ(game->state.program.runners[0][0], -1);
    const int keptNow = game->state.program.runners[0][1];
    ASSERT_GE(keptNow, 0);
    EXPECT_EQ(NameOf(keptNow), keptName);
    EXPECT_DOUBLE_EQ(game->stable.statistics[keptNow].ratingOdds, keptOdds);
}

TEST_F(GameStable, AHorseAddedDuringASetGetsTheOddsOfAHorseWithoutRaces)
{
    StartSet({"Ann"});
    const int count = game->stable.count;
    auto editor = std::make_unique<NewHorseEditorModel>();
    game->OpenNewHorseEditor(*editor);
    editor->name = "Midset Arrival";
    editor->values = {50, 50, 50, 50};
    ASSERT_TRUE(editor->Ok().added);
    EXPECT_GE(game->stable.statistics[count].ratingOdds, 9.0);
    EXPECT_LE(game->stable.statistics[count].ratingOdds, 12.0);
}

} // namespace
} // namespace galloria

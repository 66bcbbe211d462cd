// The stable windows as a player uses them, offscreen: the new horse editor's
// controls, the database's header clicks, deletion and entry, and the form
// card. Horses entered running in the next race is a scenario's
// (flow_entered_horses_run_next). With GALLORIA_SCREENSHOT_DIR set, the
// tests save pictures of the windows as they stand.

// The game's headers before Qt's (see varn_view.h).
#include "game/game.h"
#include "stable/horse_database_model.h"

#include "stable/horse_database_dlg.h"
#include "stable/horse_form_card.h"
#include "stable/new_horse_editor_dlg.h"

#include "../core/halloffame/temp_folder.h"
#include "../core/stable/six_horses.h"
#include "window_test_helpers.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <filesystem>
#include <fstream>

namespace galloria {
namespace {

namespace fs = std::filesystem;

using testing::ReadBytes;

// A stable file as the game reads it.
std::unique_ptr<Stable> Read(const fs::path& path)
{
    auto stable = std::make_unique<Stable>();
    ReadStableFile(path, *stable);
    return stable;
}

// Selects rows as a player does: a click, then Ctrl-clicks.
void SelectRows(QTableView* table, std::initializer_list<int> rows)
{
    bool first = true;
    for (int row : rows) {
        table->scrollTo(table->model()->index(row, 1));
        const QRect cell = table->visualRect(table->model()->index(row, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, first ? Qt::NoModifier : Qt::ControlModifier,
                          cell.center());
        first = false;
    }
}

class StableWindows : public GameFolderFixture {
protected:
    void SetUp() override
    {
        GameFolderFixture::SetUp();
        folder_ = fs::current_path();
    }

    // The game's message boxes: written down and answered with `answer`.
    StableAsk Ask()
    {
        return [this](std::string_view text, MessageKind) {
            messages.emplace_back(text);
            return answer;
        };
    }

    void OpenEditor(CNewHorseEditorDlg& editor, bool owners)
    {
        editor.ask = Ask();
        editor.Model().SetFolder(folder_);
        editor.Model().Open(owners);
        editor.ShowModel();
    }

    fs::path StablePath() const { return folder_ / "data" / "Stable.dat"; }

    fs::path folder_;
    QWidget parent_;
    std::vector<std::string> messages;
    MessageAnswer answer = MessageAnswer::Ok;
};

TEST_F(StableWindows, EditorAddsTwoHorsesThroughItsControlsToTheStable)
{
    CNewHorseEditorDlg editor(&parent_);
    editor.chooseColour = [](const QColor&) { return std::optional<QColor>(QColor(20, 200, 60)); };
    OpenEditor(editor, false);
    editor.show();
    const int horsesBefore = Read(StablePath())->count;

    // The colour box shows the chosen colour from its own inside.
    QTest::mouseClick(editor.ChangeButton(), Qt::LeftButton);
    const QImage box = editor.ColourBox()->grab().toImage();
    EXPECT_EQ(box.pixelColor(box.width() / 2, box.height() / 2), QColor(20, 200, 60));
    ASSERT_NE(editor.Preview()->pixmap().toImage().isNull(), true) << "the horse galloping in its colour";

    // A name with a hyphen is cleaned first and accepted on the second OK.
    QTest::keyClicks(editor.NameBox(), QStringLiteral("Star-2"));
    QTest::keyClick(editor.Slider(0), Qt::Key_PageUp);
    QTest::keyClick(editor.Slider(0), Qt::Key_PageUp);
    EXPECT_EQ(editor.ValueBox(0)->text(), QStringLiteral("20"));
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], kOnlyLettersMessage.source);
    EXPECT_EQ(editor.NameBox()->text(), QStringLiteral("Star"));
    EXPECT_EQ(editor.Slider(0)->value(), 20) << "a refusal keeps the sliders";
    QTest::mouseClick(editor.OkButton(), Qt::LeftButton);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(editor.NameBox()->text(), QString()) << "cleared for the next horse";
    EXPECT_EQ(editor.Slider(0)->value(), 0);
    EXPECT_EQ(editor.ValueBox(0)->text(), QStringLiteral("0"));
    EXPECT_EQ(editor.JoinedLine()->text(),
              QStringLiteral("Star joined the stable as No. %1.").arg(horsesBefore + 1));

    QTest::keyClicks(editor.NameBox(), QStringLiteral("Morning Glory"));
    EXPECT_EQ(editor.JoinedLine()->text(), QString()) << "the next edit begins the next horse";
    editor.Slider(2)->setValue(75);
    QTest::keyClick(editor.NameBox(), Qt::Key_Return); // OK is the default button
    EXPECT_EQ(messages.size(), 1u);

    // (The backup is written alike: the editor model's test compares the two.)
    const auto stable = Read(StablePath());
    ASSERT_EQ(stable->count, horsesBefore + 2);
    EXPECT_EQ(HorseName(stable->records[horsesBefore]), "Star");
    const HorseRecord& last = stable->records[horsesBefore + 1];
    EXPECT_EQ(HorseName(last), "Morning Glory");
    EXPECT_EQ(last.stamina, 75);
    EXPECT_EQ(ColourOfHorse(last.colour), QColor(20, 200, 60));

    QTest::mouseClick(editor.CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(editor.isVisible());
}

TEST_F(StableWindows, EditorOffersTheOwnersAndTakesATypedOne)
{
    std::ofstream(folder_ / "data" / "owner.txt", std::ios::binary) << "Zoe Stables\r\nanna Farms\r\n";
    CNewHorseEditorDlg editor(&parent_);
    OpenEditor(editor, true);
    ASSERT_EQ(editor.OwnerBox()->count(), 2);
    EXPECT_EQ(editor.OwnerBox()->itemText(0), QStringLiteral("anna Farms"));
    EXPECT_TRUE(editor.OwnerBox()->isEnabled());
    const QImage enabled = editor.OwnerBox()->grab().toImage();

    editor.NameBox()->setText(QStringLiteral("Owned Runner"));
    editor.OwnerBox()->setEditText(QStringLiteral("New Owner"));
    editor.Slider(1)->setValue(40);
    editor.show();
    SaveScreenshot(editor, QStringLiteral("new_horse_editor.png"));
    editor.OkButton()->click();
    EXPECT_EQ(editor.OwnerBox()->count(), 3) << "the typed owner joins the list";
    EXPECT_EQ(editor.OwnerBox()->currentText(), QStringLiteral("New Owner"))
        << "and stays for the next horse";
    editor.CancelButton()->click();
    EXPECT_EQ(ReadBytes(folder_ / "data" / "relation.txt"), "        Owned Runner\tNew Owner\r\n");

    editor.Model().Open(false);
    editor.ShowModel();
    EXPECT_FALSE(editor.OwnerBox()->isEnabled()) << "ownership off";
    const QImage disabled = editor.OwnerBox()->grab().toImage();
    EXPECT_NE(disabled.pixel(4, disabled.height() / 2), enabled.pixel(4, enabled.height() / 2))
        << "and looks it";
}

// Six horses of known figures in a stable of the test's own.
class DatabaseWindow : public StableWindows {
protected:
    void SetUp() override
    {
        StableWindows::SetUp();
        testing::LoadSixHorses(*stable, folder_);
        dialog = std::make_unique<CHorseDatabaseDlg>(&parent_, *stable);
        dialog->ask = Ask();
    }

    void Open(bool owners)
    {
        dialog->Model().Open(owners);
        dialog->ShowModel();
        dialog->FitScreen(QSize(640, 480));
        dialog->show();
    }

    std::unique_ptr<Stable> stable = std::make_unique<Stable>();
    std::unique_ptr<CHorseDatabaseDlg> dialog;
};

TEST_F(DatabaseWindow, HeaderClicksSortThroughTheGamesComparison)
{
    Open(false);
    QTableView* table = dialog->Table();
    EXPECT_EQ(table->model()->columnCount(), 12);
    EXPECT_EQ(table->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Best Time"));

    ClickHeader(*table, 2);
    EXPECT_EQ(ColumnTexts(*table, 1), (QStringList{"Echo", "Foxtrot", "Bravo", "Charlie", "Alpha", "Delta"}))
        << "fastest first, no time last";
    EXPECT_EQ(table->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Best Time \u25b2"));
    ClickHeader(*table, 2);
    EXPECT_EQ(ColumnTexts(*table, 1), (QStringList{"Alpha", "Delta", "Charlie", "Bravo", "Foxtrot", "Echo"}));

    ClickHeader(*table, 6);
    EXPECT_EQ(ColumnTexts(*table, 6), (QStringList{"$10000", "$9000", "$500", "$0", "$0", "$0"}));
    EXPECT_EQ(dialog->Model().sortColumn, 6);
    EXPECT_LE(dialog->width(), 640);
    EXPECT_LE(dialog->height(), 480);
    SaveScreenshot(*dialog, QStringLiteral("horse_database.png"));
    std::ofstream(folder_ / "data" / "relation.txt", std::ios::binary)
        << "                Echo\tMrs Peabody\r\n";
    Open(true);
    SaveScreenshot(*dialog, QStringLiteral("horse_database_owners.png"));
}

TEST_F(DatabaseWindow, DeletingASelectedHorseAsksFirstAndRenumbers)
{
    Open(false);
    QTableView* table = dialog->Table();
    ClickHeader(*table, 1); // A to Z
    SelectRows(table, {2}); // Charlie, number 5
    ASSERT_EQ(dialog->SelectedRows(), std::vector<int>{2});

    answer = MessageAnswer::Cancel;
    QTest::mouseClick(dialog->DeleteButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], DeleteHorsesQuestion(1));
    EXPECT_EQ(table->model()->rowCount(), 6) << "Cancel deletes nothing";

    answer = MessageAnswer::Ok;
    SelectRows(table, {2});
    QTest::mouseClick(dialog->DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(table->model()->rowCount(), 5);
    EXPECT_EQ(ColumnTexts(*table, 0), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(ColumnTexts(*table, 1), (QStringList{"Bravo", "Alpha", "Echo", "Delta", "Foxtrot"}));
    EXPECT_EQ(Read(stable->StablePath())->count, 5);
}

TEST_F(DatabaseWindow, EnteringFifteenWarnsAndCancelEmptiesTheChoice)
{
    for (int h = 6; h < 20; ++h) {
        stable->records[h] = HorseRecord{};
        SetHorseName(stable->records[h], "Extra " + std::string(1, static_cast<char>('A' + h)));
    }
    stable->count = 20;
    Open(false);
    QTableView* table = dialog->Table();
    table->selectionModel()->select(QItemSelection(table->model()->index(0, 0), table->model()->index(14, 0)),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::mouseClick(dialog->EnterButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u); // its words are the stable questions scenario's
    EXPECT_EQ(stable->nextRaceSelection[11], 11);

    answer = MessageAnswer::Cancel;
    QTest::mouseClick(dialog->EnterButton(), Qt::LeftButton);
    EXPECT_EQ(stable->nextRaceSelection[0], -1);
}

TEST_F(DatabaseWindow, DoubleClickOpensTheFormCardOfThatHorse)
{
    Open(false);
    QTableView* table = dialog->Table();
    bool shown = false;
    QTimer::singleShot(0, dialog.get(), [&] {
        CHorseFormCard* card = dialog->FormCard();
        shown = card->isVisible();
        EXPECT_TRUE(card->windowTitle().endsWith(QStringLiteral("Echo")));
        SaveScreenshot(*card, QStringLiteral("form_card.png"));
        card->CloseButton()->click();
    });
    const QRect cell = table->visualRect(table->model()->index(2, 1));
    // A double-click is a press, a release, a second press and the double click.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mousePress(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(shown);
}

} // namespace
} // namespace galloria

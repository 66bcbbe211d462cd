// The windows players read between races, offscreen: the hall-of-fame sheet,
// live odds and pools, the bet results and the set's balance chart, each
// opened from its menu item in the phases that offer it.

// The game's headers come before Qt's: Qt defines "slots" as a keyword macro.
#include "betting/bet_results_model.h"
#include "betting/live_odds_model.h"
#include "betting/runner_chance.h"
#include "game/game.h"
#include "game/race_windows.h"
#include "halloffame/hall_of_fame_sheet_model.h"

#include "app/main_frame.h"
#include "betting/bet_results_dlg.h"
#include "betting/live_odds_dlg.h"
#include "halloffame/score_sheet.h"

#include "modal_answerer.h"
#include "window_test_helpers.h"

#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>

#include <functional>

namespace galloria {
namespace {

// The two screens a window is looked at on: it fills most of each.
struct Screen {
    QSize size;
    const char* suffix;
};
constexpr Screen kScreens[] = {{{640, 480}, "640"}, {{1024, 768}, "1024"}};

// Shows a dialog without its modal loop at the size it would take on the
// screen, checks that it fits, and saves its picture.
void SnapOnScreen(QDialog& dialog, const Screen& screen, const QString& name)
{
    // As SizeForScreen gives it: the small layout, or most of a large screen.
    const QSize room = screen.size.width() <= 640 ? screen.size : screen.size * 0.8;
    dialog.resize(std::max(dialog.minimumSizeHint().width(), room.width()),
                  std::max(dialog.minimumSizeHint().height(), room.height()));
    dialog.show();
    QApplication::processEvents();
    EXPECT_LE(dialog.width(), screen.size.width()) << name.toStdString();
    EXPECT_LE(dialog.height(), screen.size.height()) << name.toStdString();
    SaveScreenshot(dialog.grab().toImage(),
                   QStringLiteral("%1_%2.png").arg(name, QLatin1String(screen.suffix)));
    dialog.hide();
}

// Whether a pixel within three of `at` has about the colour `colour`.
bool ColourNear(const QImage& picture, QPoint at, const QColor& colour)
{
    for (int dx = -3; dx <= 3; ++dx) {
        for (int dy = -3; dy <= 3; ++dy) {
            const QColor pixel = picture.pixelColor(at + QPoint(dx, dy));
            if (std::abs(pixel.red() - colour.red()) < 30 && std::abs(pixel.green() - colour.green()) < 30 &&
                std::abs(pixel.blue() - colour.blue()) < 30)
                return true;
        }
    }
    return false;
}

// Answers as a player would: three names, a Win on runners 1 to 3 for $10,
// $20 and $500 at the betting window, OK to boxes and notices, and "Don't
// Continue" at the end. The between-race windows go to the answerer's onDialog.
void AnswerAsThreePlayers(ModalAnswerer& answerer)
{
    answerer.playerNames = {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")};
    answerer.bettor = [](BettingWindowModel& window) {
        using enum AmountKey;
        const std::vector<AmountKey> stakes[3] = {{One, Zero}, {Two, Zero}, {Five, Zero, Zero}};
        for (int player = 0; player < 3; ++player) {
            window.ChoosePlayer(player);
            for (AmountKey key : stakes[player])
                window.PressKey(key);
            window.ChooseType(BetType::Win, false);
            window.ChooseRunner(player);
            window.Buy();
        }
    };
}

// Opens a window from its menu item with the game's own modal loop: `look`
// checks it before OK closes it, and it must have opened exactly once. Any
// window opened later, where none is expected, fails the test.
template <typename Window>
void OpenFromMenu(ModalAnswerer& answerer, QAction* item, const std::function<void(Window&)>& look)
{
    int opened = 0;
    answerer.onDialog = [&](QDialog& dialog) {
        auto* window = qobject_cast<Window*>(&dialog);
        ASSERT_NE(window, nullptr) << dialog.metaObject()->className();
        ++opened;
        look(*window);
        window->OkButton()->click();
    };
    item->trigger();
    EXPECT_EQ(opened, 1);
    answerer.onDialog = [](QDialog& dialog) {
        ADD_FAILURE() << "unexpected " << dialog.metaObject()->className();
    };
}

// Races run undisplayed, and the odds are shown to one decimal place.
class BetweenRaces : public GameFolderFixture {
protected:
    void SetUp() override
    {
        GameFolderFixture::SetUp();
        StoreSetting(QStringLiteral("View"), static_cast<int>(ViewRaceMode::None));
        StoreSetting(QStringLiteral("Odds"), 1);
    }
};

TEST_F(BetweenRaces, EachWindowOpensFromItsMenuInItsPhasesAndSortsOnAHeaderClick)
{
    CMainFrame frame(SizeClass::Medium);
    frame.resize(800, 600 + frame.menuBar()->sizeHint().height());
    frame.show();
    CVarnView& view = frame.View();
    Game& game = view.GameObject();
    ModalAnswerer answerer(view);
    AnswerAsThreePlayers(answerer);
    QAction* hallOfFame = frame.Action(MenuCommand::HallOfFame);
    QAction* liveOdds = frame.Action(MenuCommand::LiveOdds);
    QAction* howDidIDo = frame.Action(MenuCommand::HowDidIDo);

    // No set: the hall of fame, twelve pages of twenty rows. (The phases that
    // offer each window are the window_menus_by_phase scenario's; the tabs'
    // names, the vacant rows and the score file written are the sheet model's.)
    ASSERT_EQ(game.menus.Phase(), GamePhase::NoSet);
    OpenFromMenu<CScoreSheet>(answerer, hallOfFame, [](CScoreSheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "High Scores");
        ASSERT_EQ(sheet.Tabs()->count(), 12);
        EXPECT_EQ(sheet.Tabs()->tabText(kTeamList), "Team");
        for (int page : {0, 7, 11})
            ASSERT_EQ(sheet.Page(page)->Column(1)->count(), 20);
        EXPECT_EQ(sheet.Page(kTeamList)->Column(3), nullptr) << "the Team page has no races column";
    });

    // Betting: the live odds, read back from the table, sorted by a click.
    frame.Action(MenuCommand::StartNewRaceSet)->trigger();
    ASSERT_EQ(game.menus.Phase(), GamePhase::Betting);
    ASSERT_EQ(game.state.players[2].bets.count, 1);
    const int field = game.CurrentFieldSize();
    OpenFromMenu<CLiveOddsDlg>(answerer, liveOdds, [&](CLiveOddsDlg& live) {
        EXPECT_EQ(live.windowTitle(), "LIVE ODDS & POOLS");
        const QTableWidget& table = *live.Table();
        ASSERT_EQ(table.rowCount(), field + 1);
        ASSERT_EQ(table.columnCount(), LiveOddsModel::kColumnCount);
        EXPECT_EQ(table.horizontalHeaderItem(LiveOddsModel::kChance)->text(), "Chance");
        EXPECT_EQ(table.item(0, LiveOddsModel::kWin)->text().toStdString(),
                  std::to_string(static_cast<long long>(game.state.pools.typePool[1][0])));
        const QString chance = table.item(0, LiveOddsModel::kChance)->text();
        EXPECT_TRUE(chance == "running..." || chance.endsWith('%')) << chance.toStdString();
        // The window never waits: the measurement fills the column when it is done.
        for (int i = 0; i < 3000 && game.chance.CurrentStatus() != RunnerChance::Status::Done; ++i)
            QTest::qWait(10);
        live.PollChance();
        EXPECT_TRUE(table.item(0, LiveOddsModel::kChance)->text().endsWith('%'));

        ClickHeader(table, LiveOddsModel::kWin);
        QStringList win = ColumnTexts(table, LiveOddsModel::kWin);
        win.removeLast(); // the totals, kept last as the live odds model's test shows
        for (int row = 1; row < win.size(); ++row)
            EXPECT_GE(win[row - 1].toLongLong(), win[row].toLongLong());
    });
    // The window keeps what it showed, the chances measured: its pictures, fitting either screen.
    auto* live = frame.findChild<CLiveOddsDlg*>();
    ASSERT_NE(live, nullptr);
    for (const Screen& screen : kScreens)
        SnapOnScreen(*live, screen, QStringLiteral("live_odds"));

    // The race starts: the measurement stops and nothing of it is left.
    frame.Action(MenuCommand::RaceOrNextRace)->trigger();
    ASSERT_EQ(game.menus.Phase(), GamePhase::Result);
    EXPECT_EQ(game.chance.CurrentStatus(), RunnerChance::Status::Idle);
    OpenFromMenu<CBetResultsDlg>(answerer, howDidIDo, [&](CBetResultsDlg& bets) {
        EXPECT_EQ(bets.windowTitle(), "Bet Results For Last Completed Race");
        const QTableWidget& table = *bets.Table();
        ASSERT_EQ(table.rowCount(), 3);
        EXPECT_EQ(ColumnTexts(table, BetResultsModel::kName), (QStringList{"Ann", "Bob", "Cy"}));
        EXPECT_EQ(ColumnTexts(table, BetResultsModel::kBet), (QStringList{"$10", "$20", "$500"}));
        // (What each cell and summary says is the bet results model's test.)
        EXPECT_EQ(bets.SummaryLabel(1, 0)->text(), "Bob:");
        EXPECT_EQ(bets.SummaryLabel(1, 1)->text(), "$20");
        EXPECT_EQ(bets.SummaryLabel(0, 4)->text().toStdString(),
                  "$" + std::to_string(game.state.players[0].balance));
        // "Bet" first click: the padded texts from the top down; then reversed.
        ClickHeader(table, BetResultsModel::kBet);
        EXPECT_EQ(ColumnTexts(table, BetResultsModel::kBet), (QStringList{"$20", "$10", "$500"}));
        ClickHeader(table, BetResultsModel::kBet);
        EXPECT_EQ(ColumnTexts(table, BetResultsModel::kBet), (QStringList{"$500", "$10", "$20"}));
    });
}

// ---------------------------------------------------------------------------
// Pictures of each window, at the two screen sizes.

TEST_F(BetweenRaces, TheSheetRightAfterASetMarksTheNewEntry)
{
    HallOfFame hallOfFame;
    hallOfFame.folder = QDir::currentPath().toStdString();
    hallOfFame.clock = [] {
        return LocalDateTime{.year = 2026, .month = 12, .day = 7, .hour = 20, .minute = 15};
    };
    const char* older[][3] = {{"11-2-2026", "Marguerite", "24150"},
                              {"11-9-2026", "Ann", "18020"},
                              {"11-30-2026", "Tobias", "12700"},
                              {"12-1-2026", "Ann", "6400"},
                              {"12-3-2026", "Lin", "3100"}};
    for (int row = 0; row < 5; ++row) {
        ScoreEntry& entry = hallOfFame.table[row][kTopList];
        entry.date.Set(older[row][0]);
        entry.name.Set(older[row][1]);
        entry.value.Set(older[row][2]);
        entry.races.Set("10");
    }
    hallOfFame.table[0][kTeamList].date.Set("10-4-2026");
    hallOfFame.table[0][kTeamList].name.Set("Marguerit Tobias  ");
    hallOfFame.table[0][kTeamList].value.Set("30200");
    SetResultInput set;
    set.raceCounter = 9;
    set.firstTenEligible = true;
    set.slots[0] = {"Ann", 19250, 10000, 19250};
    set.slots[1] = {"Bob", 13100, 10000, 13100};
    set.playerCount = 2;
    hallOfFame.RecordEndOfSet(set);

    HallOfFameSheetModel model;
    model.Fill(hallOfFame);
    CScoreSheet sheet(nullptr);
    sheet.Fill(model);
    // Ann's 9250 entered Top at row 3 (its arrow is the sheet model's); her
    // older entries stay unmarked.
    QListWidget* names = sheet.Page(kTopList)->Column(1);
    EXPECT_TRUE(names->item(3)->isSelected());
    EXPECT_FALSE(names->item(1)->isSelected());
    EXPECT_EQ(sheet.Page(kTeamList)->Column(1)->selectedItems().size(), 1);
    for (const Screen& screen : kScreens) {
        sheet.Tabs()->setCurrentIndex(kTopList);
        SnapOnScreen(sheet, screen, QStringLiteral("hall_of_fame_top"));
        sheet.Tabs()->setCurrentIndex(kTeamList);
        SnapOnScreen(sheet, screen, QStringLiteral("hall_of_fame_team"));
    }
}

// Every page shows its twenty rows whole and in one font, in the room the
// sheet has at each size class, with room for three digits under "#".
TEST_F(BetweenRaces, EveryHallOfFamePageShowsTwentyRowsInOneFont)
{
    HallOfFame hallOfFame;
    for (int list = 0; list < kScoreListCount; ++list) {
        for (int row = 0; row < kScoreRowCount; ++row) {
            hallOfFame.table[row][list].name.Set("Marguerite");
            hallOfFame.table[row][list].value.Set(std::to_string(250000 - 1000 * row));
        }
    }
    HallOfFameSheetModel model;
    model.Fill(hallOfFame);
    CScoreSheet sheet(nullptr);
    sheet.Fill(model);
    for (const Screen& screen : kScreens) {
        sheet.FitListsTo(screen.size.width() <= 640 ? screen.size : screen.size * 0.8);
        const int pixels = sheet.Page(0)->Column(0)->font().pixelSize();
        for (int page = 0; page < HallOfFameSheetModel::kPageCount; ++page) {
            sheet.Tabs()->setCurrentIndex(page);
            SnapOnScreen(sheet, screen, QStringLiteral("hall_of_fame_page%1").arg(page));
            for (const QListWidget* box : {sheet.Page(page)->Column(0), sheet.Page(page)->Column(2)}) {
                EXPECT_EQ(box->font().pixelSize(), pixels) << "page " << page;
                EXPECT_LE(box->visualItemRect(box->item(kScoreRowCount - 1)).bottom(),
                          box->viewport()->height());
                EXPECT_LE(QFontMetrics(box->font()).horizontalAdvance(box->item(0)->text().trimmed()),
                          box->viewport()->width());
            }
            if (const QListWidget* races = sheet.Page(page)->Column(3)) {
                EXPECT_LE(QFontMetrics(races->font()).horizontalAdvance("000"), races->viewport()->width());
            }
        }
    }
}

TEST_F(BetweenRaces, BetResultsOfSeveralPlayers)
{
    RaceSetState state;
    const char* players[] = {"Ann", "Bob", "Cy", ""};
    const int balances[] = {10480, 9300, 12250, 0};
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        state.players[slot].name = players[slot];
        state.players[slot].balance = balances[slot];
    }
    const std::pair<int, Bet> bets[] = {
        {0, {.amount = 200, .won = 680, .type = BetType::Win, .horse = {3}}},
        {0, {.amount = 100, .type = BetType::Exacta, .horse = {3, 5}}},
        {0, {.amount = 300, .won = 200, .type = BetType::Across, .horse = {7}}},
        {1, {.amount = 500, .type = BetType::Triacta, .boxed = true, .horse = {1, 2, HorseAll}}},
        {1, {.amount = 200, .type = BetType::Show, .horse = {9}}},
        {2, {.amount = 20, .won = 2270, .type = BetType::Exacta, .horse = {3, HorseLong}}},
        {2, {.amount = 100, .type = BetType::Place, .horse = {0}}},
    };
    for (const auto& [slot, bet] : bets)
        state.players[slot].bets.Add(bet);
    BetResultsModel model;
    model.Fill(state);
    CBetResultsDlg dialog(nullptr);
    dialog.Fill(model);
    EXPECT_EQ(dialog.SummaryLabel(1, 3)->text(), "$-700");
    for (const Screen& screen : kScreens)
        SnapOnScreen(dialog, screen, QStringLiteral("bet_results"));
}

TEST_F(BetweenRaces, TheResultsDrawEachPlayersBalanceRaceByRace)
{
    RaceSetState state;
    const char* players[] = {"Ann", "Bob", "", "Dee"};
    const int paths[4][10] = {{10400, 11900, 12500, 9800, 13400, 15100, 14200, 16900, 17300, 19250},
                              {9000, 8200, 9900, 11200, 10100, 9600, 12400, 13900, 13500, 13100},
                              {},
                              {10000, 7400, 5200, 6100, 3300, 4100, 2800, 1500, 900, 2400}};
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        PlayerSlot& player = state.players[slot];
        player.name = players[slot];
        player.startBalance = kStartingBalance;
        for (int race = 0; race < kRacesPerSet; ++race)
            player.balanceAfterRace[race] = paths[slot][race];
        player.balance = paths[slot][kRacesPerSet - 1];
    }
    state.raceCounter = 9;
    state.raceIndex = 9;
    state.raceSettled = true;
    RaceSetResultsModel model;
    model.Fill(state, SetEndReason::TenRacesRun);
    CRaceSetResultsDlg dialog(nullptr);
    dialog.Fill(model);
    for (const Screen& screen : kScreens) {
        SnapOnScreen(dialog, screen, QStringLiteral("set_results_chart"));
        // Each player's line passes through the points of its balances, in its colour.
        const QImage picture = dialog.ChartView()->grab().toImage();
        for (int slot : {0, 1, 3})
            EXPECT_TRUE(ColourNear(picture, dialog.ChartView()->PointAt(4, paths[slot][3]).toPoint(),
                                   CBalanceChartView::SlotColour(slot)))
                << "slot " << slot << " on " << screen.suffix;
    }

    // A set quit after three races draws three races and nothing after them.
    state.raceIndex = 3;
    state.raceSettled = false;
    model.Fill(state, SetEndReason::Quit);
    dialog.Fill(model);
    EXPECT_EQ(dialog.ChartView()->Chart().lines[0].points.size(), 4u);
}

} // namespace
} // namespace galloria

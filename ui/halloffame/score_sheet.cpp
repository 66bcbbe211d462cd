#include "halloffame/score_sheet.h"

#include "app/closing_button_row.h"
#include "betting/board_table.h"
#include "game/game_look.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace galloria {

namespace {

using Sheet = HallOfFameSheetModel;

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The lists pad their texts with spaces, so they are shown in a fixed-pitch face.
QFont ListFont(int pixels)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(pixels);
    return font;
}

// The range of the lists' letter heights in pixels.
constexpr int kSmallestListPixels = 11;
constexpr int kLargestListPixels = 20;
// The sheet never grows beyond this on a large screen.
constexpr QSize kLargestSheet(820, 680);

// Widths of the four columns in characters: date, name, value, races; the
// Team page has a wider name and no races.
constexpr int kColumnChars[2][4] = {{17, 30, 18, 4}, {17, 34, 18, 0}};

} // namespace

CScorePage::CScorePage(int list, QWidget* parent) : QWidget(parent)
{
    const Sheet::PageLayout& page = Sheet::Page(list);
    team_ = !page.racesColumn;
    const bool team = team_;

    heading_ = new QLabel(Text(Tr(page.heading)), this);
    heading_->setAlignment(Qt::AlignCenter);
    heading_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    heading_->setWordWrap(true);
    heading_->setStyleSheet(QStringLiteral("background: %1; color: %2; font-weight: bold; padding: 3px;")
                                .arg(look::kPaper.name(), look::kTurf.name()));

    const QFont font = ListFont(kSmallestListPixels);
    // Each title stands over its column's text, which the lists indent.
    const QString titles[4] = {QStringLiteral("       ") + tr("DATE"),
                               (team ? QStringLiteral(" ") : QStringLiteral("             ")) + tr("NAME"),
                               QStringLiteral("          ") + Text(Tr(page.valueTitle)), QStringLiteral("#")};
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(2);
    const int columns = team ? 3 : 4;
    for (int c = 0; c < columns; ++c) {
        auto* title = new QLabel(titles[c], this);
        title->setFont(font);
        title->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(look::kTurf.name()));
        grid->addWidget(title, 0, c, Qt::AlignLeft);
        titles_[c] = title;

        auto* box = new QListWidget(this);
        box->setObjectName(QStringLiteral("column%1").arg(c));
        box->setFont(font);
        box->setFocusPolicy(c == 1 ? Qt::StrongFocus : Qt::NoFocus);
        // Date, name and value allow several rows to be selected.
        box->setSelectionMode(c < 3 ? QAbstractItemView::ExtendedSelection : QAbstractItemView::NoSelection);
        // The lists are as tall as their twenty rows: they never scroll.
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setUniformItemSizes(true);
        box->setStyleSheet(
            QStringLiteral("QListWidget { background: %1; color: %2; border: 1px solid %3; }"
                           "QListWidget::item:selected { background: %4; color: %2; }")
                .arg(look::kPaper.name(), look::kDarkTurf.name(), look::kTurf.name(), look::kGold.name()));
        grid->addWidget(box, 1, c);
        grid->setColumnStretch(c, kColumnChars[team ? 1 : 0][c]);
        columns_[c] = box;
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(heading_);
    layout->addLayout(grid, 1);
    SetListFont(font);
}

void CScorePage::SetListFont(const QFont& font)
{
    for (QLabel* title : titles_) {
        if (title != nullptr)
            title->setFont(font);
    }
    for (int c = 0; c < static_cast<int>(columns_.size()); ++c) {
        QListWidget* box = columns_[c];
        if (box == nullptr)
            continue;
        box->setFont(font);
        box->setMinimumWidth(
            QFontMetrics(font).horizontalAdvance(QLatin1Char('0')) * kColumnChars[team_ ? 1 : 0][c] + 10);
        // Tall enough for all twenty rows, so no list ever scrolls.
        const int row = box->count() > 0 ? box->sizeHintForRow(0) : QFontMetrics(font).height() + 2;
        box->setMinimumHeight(kScoreRowCount * row + 2 * box->frameWidth() + 2);
    }
}

void CScorePage::Fill(const Sheet::PageRows& rows)
{
    const std::array<const std::array<std::string, kScoreRowCount>*, 4> texts = {&rows.date, &rows.name,
                                                                                 &rows.value, &rows.races};
    for (int c = 0; c < 4; ++c) {
        QListWidget* box = columns_[c];
        if (box == nullptr)
            continue;
        box->clear();
        for (const std::string& text : *texts[c])
            box->addItem(QString::fromStdString(text));
    }
    for (const int row : rows.selected)
        columns_[1]->item(row)->setSelected(true);
    if (!rows.selected.empty())
        columns_[1]->scrollToItem(columns_[1]->item(rows.selected.front()));
}

CScoreSheet::CScoreSheet(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Text(Tr(Sheet::kTitle)));
    ApplyGameLook(this);
    tabs_ = new QTabWidget(this);
    tabs_->setUsesScrollButtons(true);
    tabs_->setStyleSheet(
        QStringLiteral("QTabWidget::pane { border: 1px solid %1; background: %2; }"
                       "QTabBar::tab { background: %3; color: %4; padding: 3px 4px; font-size: 11px;"
                       " border: 1px solid %1; border-bottom: none; }"
                       "QTabBar::tab:selected { background: %2; color: %1; font-weight: bold; }")
            .arg(look::kTurf.name(), look::kCream.name(), look::kGold.name(), look::kDarkTurf.name()));
    for (int page = 0; page < Sheet::kPageCount; ++page) {
        pages_[page] = new CScorePage(page, tabs_);
        tabs_->addTab(pages_[page], Text(Tr(Sheet::Page(page).tab)));
    }
    // A sheet that only shows: OK closes it, and there is nothing to apply.
    const ClosingButtonRow buttons = MakeClosingButtonRow(*this, tr("OK"));
    ok_ = buttons.button;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons.row);
    setMinimumSize(600, 420);
    resize(640, 460);
}

void CScoreSheet::Fill(const HallOfFameSheetModel& model)
{
    for (int page = 0; page < Sheet::kPageCount; ++page)
        pages_[page]->Fill(model.Rows(page));
}

void CScoreSheet::FitListsTo(QSize room)
{
    // One letter size for every page: the largest whose twenty rows fit the
    // room on the page that needs the most, so no page scrolls or looks
    // emptier than another.
    for (int pixels = kLargestListPixels; pixels >= kSmallestListPixels; --pixels) {
        const QFont font = ListFont(pixels);
        for (CScorePage* page : pages_) {
            page->SetListFont(font);
            // A hidden page lays itself out only when shown: measured now.
            page->layout()->invalidate();
            page->layout()->activate();
        }
        tabs_->updateGeometry();
        layout()->invalidate();
        layout()->activate();
        const QSize least = minimumSizeHint();
        if (least.width() <= room.width() && least.height() <= room.height())
            return;
    }
}

void CScoreSheet::Show(const HallOfFameSheetModel& model)
{
    Fill(model);
    tabs_->setCurrentIndex(0);
    FitListsTo(RoomOnScreen(this).boundedTo(kLargestSheet));
    SizeForScreen(this, kLargestSheet);
    exec();
}

} // namespace galloria

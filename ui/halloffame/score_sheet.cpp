#include "halloffame/score_sheet.h"

#include "app/closing_button_row.h"
#include "betting/board_table.h"
#include "game/game_look.h"

#include <algorithm>

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
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
QFont ListFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(12);
    return font;
}

// Widths of the four columns in characters: date, name, value, races; the
// Team page has a wider name and no races.
constexpr int kColumnChars[2][4] = {{17, 30, 18, 4}, {17, 34, 18, 0}};

} // namespace

CScorePage::CScorePage(int list, QWidget* parent) : QWidget(parent)
{
    const Sheet::PageLayout& page = Sheet::Page(list);
    const bool team = !page.racesColumn;

    heading_ = new QLabel(Text(page.heading), this);
    heading_->setAlignment(Qt::AlignCenter);
    heading_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    heading_->setWordWrap(true);
    heading_->setStyleSheet(QStringLiteral("background: %1; color: %2; font-weight: bold; padding: 3px;")
                                .arg(look::kPaper.name(), look::kTurf.name()));

    const QFont font = ListFont();
    const QFontMetrics metrics(font);
    // Each title stands over its column's text, which the lists indent.
    const QString titles[4] = {QStringLiteral("       DATE"),
                               team ? QStringLiteral(" NAME") : QStringLiteral("             NAME"),
                               QStringLiteral("          ") + Text(page.valueTitle), QStringLiteral("#")};
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
        box->setVerticalScrollBarPolicy(c == columns - 1 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setUniformItemSizes(true);
        box->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('0')) * kColumnChars[team ? 1 : 0][c] +
                             10);
        box->setStyleSheet(
            QStringLiteral("QListWidget { background: %1; color: %2; border: 1px solid %3; }"
                           "QListWidget::item:selected { background: %4; color: %2; }")
                .arg(look::kPaper.name(), look::kDarkTurf.name(), look::kTurf.name(), look::kGold.name()));
        grid->addWidget(box, 1, c);
        grid->setColumnStretch(c, kColumnChars[team ? 1 : 0][c]);
        columns_[c] = box;
    }
    // The columns scroll as one list.
    for (int c = 0; c < columns; ++c) {
        for (int other = 0; other < columns; ++other) {
            if (other != c)
                connect(columns_[c]->verticalScrollBar(), &QScrollBar::valueChanged,
                        columns_[other]->verticalScrollBar(), &QScrollBar::setValue);
        }
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(heading_);
    layout->addLayout(grid, 1);
}

void CScorePage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The twenty rows fill the page's height: a larger window, larger letters.
    if (columns_[0] == nullptr)
        return;
    const int rowRoom = (columns_[0]->viewport()->height() - 4) / kScoreRowCount;
    const int pixels = std::clamp(rowRoom * 3 / 4, 11, 20);
    if (pixels == columns_[0]->font().pixelSize())
        return;
    QFont font = columns_[0]->font();
    font.setPixelSize(pixels);
    for (QListWidget* box : columns_) {
        if (box != nullptr)
            box->setFont(font);
    }
    for (QLabel* title : titles_) {
        if (title != nullptr)
            title->setFont(font);
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
    setWindowTitle(Text(Sheet::kTitle));
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
        tabs_->addTab(pages_[page], Text(Sheet::Page(page).tab));
    }
    // A sheet that only shows: OK closes it, and there is nothing to apply.
    const ClosingButtonRow buttons = MakeClosingButtonRow(*this, QStringLiteral("OK"));
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

void CScoreSheet::Show(const HallOfFameSheetModel& model)
{
    Fill(model);
    tabs_->setCurrentIndex(0);
    SizeForScreen(this, QSize(820, 680));
    exec();
}

} // namespace galloria

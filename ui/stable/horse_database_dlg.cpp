#include "stable/horse_database_dlg.h"

#include "betting/betting_style.h"
#include "stable/horse_form_card.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace galloria {

// The core model's rows as Qt's table reads them; nothing is copied.
class HorseTableModel : public QAbstractTableModel {
public:
    HorseTableModel(QObject* parent, const HorseDatabaseModel& database)
        : QAbstractTableModel(parent), database_(database)
    {
    }

    void Refresh()
    {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : database_.RowCount();
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : database_.ColumnCount();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return StableText(database_.Cell(index.row(), index.column()));
        if (role == Qt::TextAlignmentRole)
            return Alignment(index.column());
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= database_.ColumnCount())
            return {};
        if (role == Qt::DisplayRole) {
            QString heading = StableText(Tr(database_.Columns()[static_cast<std::size_t>(section)].heading));
            // The sorted column shows its direction: up when the smallest comes first.
            if (section == database_.ArrowColumn())
                heading +=
                    database_.SortedSmallestFirst() ? QStringLiteral(" \u25b2") : QStringLiteral(" \u25bc");
            return heading;
        }
        if (role == Qt::TextAlignmentRole)
            return Alignment(section);
        return {};
    }

private:
    QVariant Alignment(int column) const
    {
        const bool right = database_.Columns()[static_cast<std::size_t>(column)].rightAligned;
        return QVariant::fromValue(
            Qt::Alignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    }

    const HorseDatabaseModel& database_;
};

namespace {

constexpr int kSmallestWidth = 600;
constexpr int kSmallestHeight = 400;
constexpr int kLargestHeight = 640;
constexpr int kScreenMargin = 20;
constexpr int kCellPadding = 12;
constexpr int kHeadingPadding = 12;
constexpr int kSortArrowRoom = 16; // in the sorted column's heading

} // namespace

CHorseDatabaseDlg::CHorseDatabaseDlg(QWidget* parent, Stable& gameStable)
    : QDialog(parent), model_(gameStable), formCard_(std::make_unique<CHorseFormCard>(this))
{
    setWindowTitle(tr("Sortable Race Horse Database"));
    setSizeGripEnabled(true);
    scale_ = BettingScaleFor(parent);
    setStyleSheet(StableStyleSheet(scale_));

    tableModel_ = new HorseTableModel(this, model_);
    table_ = new QTableView(this);
    table_->setModel(tableModel_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setSortingEnabled(false); // the game's own comparison sorts
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(static_cast<int>(20 * scale_ + 0.5));
    table_->horizontalHeader()->setSectionsClickable(true);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->horizontalHeader()->setSortIndicatorShown(false);
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this, &CHorseDatabaseDlg::SortBy);
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { OpenFormCard(index.row()); });

    delete_ = new QPushButton(tr("Delete Selected Horse(s)"), this);
    enter_ = new QPushButton(tr("Enter Selected Horse(s) In Next Race"), this);
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setDefault(true);
    connect(delete_, &QPushButton::clicked, this, &CHorseDatabaseDlg::DeleteSelected);
    connect(enter_, &QPushButton::clicked, this, &CHorseDatabaseDlg::EnterSelected);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(delete_);
    buttons->addWidget(enter_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    const int margin = static_cast<int>(8 * scale_ + 0.5);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    setMinimumSize(kSmallestWidth, kSmallestHeight);
}

CHorseDatabaseDlg::~CHorseDatabaseDlg() = default;

void CHorseDatabaseDlg::Run()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr)
        FitScreen(screen->availableGeometry().size());
    ShowModel();
    exec();
}

void CHorseDatabaseDlg::ShowModel()
{
    tableModel_->Refresh();
    QHeaderView* header = table_->horizontalHeader();
    const std::vector<int> widths = ColumnWidths(width() - ExtraWidth());
    for (int c = 0; c < static_cast<int>(widths.size()); ++c)
        header->resizeSection(c, widths[static_cast<std::size_t>(c)]);
    header->setStretchLastSection(true);
}

int CHorseDatabaseDlg::ExtraWidth() const
{
    // Borders, margins and the vertical scroll bar around the columns.
    const int scrollBar = table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table_);
    return 2 * table_->frameWidth() + 2 * layout()->contentsMargins().left() + scrollBar + 12;
}

std::vector<int> CHorseDatabaseDlg::ColumnWidths(int room) const
{
    table_->ensurePolished();
    table_->horizontalHeader()->ensurePolished();
    const QFontMetrics cells = table_->fontMetrics();
    // The style sheet sets the headings' font on the sections, not on the header.
    QFont headingFont = table_->font();
    headingFont.setBold(true);
    const QFontMetrics headings(headingFont);
    const auto columns = model_.Columns();
    // Each column needs room for its heading and the widest text it can
    // hold; it would like its planned width, grown with the screen.
    std::vector<int> needed;
    std::vector<int> liked;
    int neededSum = 0;
    int likedSum = 0;
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const DatabaseColumn& column = columns[static_cast<std::size_t>(c)];
        const int need = std::max(cells.horizontalAdvance(WidestText(c)) + kCellPadding,
                                  headings.horizontalAdvance(StableText(Tr(column.heading))) +
                                      kHeadingPadding + (c == model_.sortColumn ? kSortArrowRoom : 0));
        const int like = std::max(need, static_cast<int>(column.width * scale_ + 0.5));
        needed.push_back(need);
        liked.push_back(like);
        neededSum += need;
        likedSum += like;
    }
    if (likedSum <= room || neededSum >= room)
        return likedSum <= room ? liked : needed; // all they like, or scrolling at what they need
    // Between the two: each column gets its need and a share of what is left.
    std::vector<int> widths;
    for (std::size_t c = 0; c < needed.size(); ++c)
        widths.push_back(needed[c] + (liked[c] - needed[c]) * (room - neededSum) / (likedSum - neededSum));
    return widths;
}

void CHorseDatabaseDlg::FitScreen(const QSize& available)
{
    int liked = 0;
    for (int width : ColumnWidths(std::numeric_limits<int>::max()))
        liked += width;
    const int width = std::clamp(liked + ExtraWidth(), kSmallestWidth,
                                 std::max(kSmallestWidth, available.width() - kScreenMargin));
    const int height = std::clamp(available.height() - 2 * kScreenMargin, kSmallestHeight, kLargestHeight);
    resize(width, height);
    ShowModel();
}

QString CHorseDatabaseDlg::WidestText(int column) const
{
    switch (model_.Columns()[static_cast<std::size_t>(column)].field) {
    case DatabaseField::Name:
    case DatabaseField::Owner: {
        // The longest of the texts themselves.
        const std::string* longest = nullptr;
        for (int row = 0; row < model_.RowCount(); ++row) {
            const std::string& text = model_.Cell(row, column);
            if (longest == nullptr || text.size() > longest->size())
                longest = &text;
        }
        return longest ? StableText(*longest) : QString();
    }
    case DatabaseField::Number:
        return QStringLiteral("0000");
    case DatabaseField::BestTime:
        return QStringLiteral("0:00.0");
    case DatabaseField::Earning:
        return QStringLiteral("$000000");
    case DatabaseField::HiWin:
        return QStringLiteral("$00000");
    case DatabaseField::Firsts:
    case DatabaseField::Seconds:
    case DatabaseField::Thirds:
        return QStringLiteral("00");
    case DatabaseField::Speed:
    case DatabaseField::Sprint:
    case DatabaseField::Stamina:
    case DatabaseField::Spontaneity:
        return QStringLiteral("000");
    }
    return {};
}

std::vector<int> CHorseDatabaseDlg::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    return rows;
}

void CHorseDatabaseDlg::SortBy(int column)
{
    // The selection follows no horse through a sort; it is cleared.
    table_->clearSelection();
    model_.SortBy(column);
    ShowModel();
    table_->scrollToTop();
}

void CHorseDatabaseDlg::DeleteSelected()
{
    const std::vector<int> rows = SelectedRows();
    if (AskWith(ask, this, DeleteHorsesQuestion(static_cast<int>(rows.size())), MessageKind::OkCancel) !=
        MessageAnswer::Ok)
        return;
    const std::string refusal = model_.DeleteRows(rows);
    table_->clearSelection();
    ShowModel();
    if (!refusal.empty())
        AskWith(ask, this, refusal, MessageKind::Information);
}

void CHorseDatabaseDlg::EnterSelected()
{
    const std::string question = model_.EnterRows(SelectedRows());
    if (AskWith(ask, this, question, MessageKind::OkCancel) != MessageAnswer::Ok)
        model_.CancelEntry();
}

void CHorseDatabaseDlg::OpenFormCard(int row)
{
    if (row < 0 || row >= model_.RowCount())
        return;
    const int horse = model_.HorseOfRow(row);
    std::string owner;
    if (model_.showOwners && static_cast<std::size_t>(horse) < model_.owners.ownerOfHorse.size())
        owner = model_.owners.ownerOfHorse[static_cast<std::size_t>(horse)];
    formCard_->Show(model_.stable.records[horse], horse + 1, owner);
}

} // namespace galloria

#include "review_bets_dlg.h"

#include "app/dialog_placement.h"

#include "betting/review_bets_model.h"
#include "game/sound_player.h"

#include "betting_style.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace galloria {

namespace {

// Room for the longest usual bet line, and how many lines show at once: the
// most a player can hold scroll.
constexpr int kListWidth = 560;
constexpr int kVisibleLines = 9;
constexpr int kLineFontPixels = 22;
constexpr int kButtonWidth = 96;

} // namespace

CReviewBetsDlg::CReviewBetsDlg(QWidget* parent, SoundPlayer& sounds) : QDialog(parent), sounds_(sounds)
{
    setObjectName(QStringLiteral("review_242"));
    setWindowTitle(tr("Review & Delete Bets"));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("review_1134"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    hint_ = new QLabel(tr("To delete a bet, click on the line and then click on the delete button."), this);
    hint_->setWordWrap(true);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("review_status"));
    status_->setProperty("role", QStringLiteral("status"));
    status_->setWordWrap(true);

    delete_ = new QPushButton(tr("DELETE BET"), this);
    delete_->setObjectName(QStringLiteral("review_1132"));
    delete_->setAutoDefault(false);
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("review_1"));
    ok_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(delete_);
    buttons->addWidget(ok_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(hint_);
    layout->addLayout(buttons);

    connect(list_, &QListWidget::itemSelectionChanged, this, &CReviewBetsDlg::OnSelectionChanged);
    connect(delete_, &QPushButton::clicked, this, &CReviewBetsDlg::OnDelete);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    ApplyScale();
}

void CReviewBetsDlg::Run(ReviewBetsModel& review)
{
    if (!review.IsOpen())
        return;
    review_ = &review;
    ApplyScale();
    status_->clear();
    FillList();
    adjustSize();
    move(PlacementOver(parentWidget() != nullptr ? parentWidget()->frameGeometry() : QRect()));
    exec();
    review_ = nullptr;
}

QPoint CReviewBetsDlg::PlacementOver(const QRect& over) const
{
    // Centred over the betting window, as a list opened from it, and wholly
    // on the screen whatever the betting window's place.
    const QRect area = AvailableAreaAt(over.isValid() ? over.center() : QPoint(), *this);
    return CentredWithin(over.isValid() ? over : area, FrameSizeOf(*this), area);
}

void CReviewBetsDlg::ApplyScale()
{
    const double scale = BettingScaleFor(parentWidget() != nullptr ? parentWidget() : this);
    if (scale == scale_)
        return;
    scale_ = scale;
    setStyleSheet(BettingStyleSheet(scale));
    const int width = static_cast<int>(kListWidth * scale);
    list_->setFont(BetLineFont(width - 24, static_cast<int>(kLineFontPixels * scale)));
    const int lineHeight = QFontMetrics(list_->font()).height() + 2;
    list_->setFixedWidth(width);
    list_->setMinimumHeight(lineHeight * kVisibleLines + 8);
    for (QPushButton* button : {delete_, ok_})
        button->setMinimumWidth(static_cast<int>(kButtonWidth * scale));
}

void CReviewBetsDlg::OnSelectionChanged()
{
    if (review_ == nullptr)
        return;
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    review_->Select(selected.isEmpty() ? -1 : list_->row(selected.front()));
    Refresh();
}

void CReviewBetsDlg::OnDelete()
{
    if (review_ == nullptr)
        return;
    Apply(review_->DeleteBet());
    // The list is filled again whatever happened, so it always shows the
    // model's lines and no stale selection.
    FillList();
}

void CReviewBetsDlg::Apply(const BetActionResult& result)
{
    if (result.sound)
        sounds_.Play(*result.sound);
    if (!result.message.empty())
        status_->setText(QString::fromStdString(result.message));
    else if (result.applied)
        status_->clear();
    if (result.closesWindow)
        accept();
}

void CReviewBetsDlg::FillList()
{
    {
        const QSignalBlocker blocker(list_);
        list_->clear();
        if (review_ != nullptr) {
            for (const std::string& line : review_->Lines())
                list_->addItem(QString::fromStdString(line));
            const int selected = review_->SelectedLine();
            if (selected >= 0 && selected < list_->count())
                list_->setCurrentRow(selected);
        }
    }
    Refresh();
}

void CReviewBetsDlg::Refresh()
{
    delete_->setEnabled(review_ != nullptr && review_->CanDeleteBet());
}

} // namespace galloria

#include "betting/live_odds_dlg.h"

#include "betting/board_table.h"
#include "betting/runner_chance.h"
#include "game/game_look.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace galloria {

namespace {

using M = LiveOddsModel;

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int kPollMilliseconds = 150;

} // namespace

CLiveOddsDlg::CLiveOddsDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("LIVE ODDS & POOLS"));
    ApplyGameLook(this);

    table_ = new QTableWidget(0, M::kColumnCount, this);
    StyleBoardTable(table_);
    QStringList headings;
    for (int column = 0; column < M::kColumnCount; ++column)
        headings << Text(Tr(M::ColumnOf(column).heading));
    table_->setHorizontalHeaderLabels(headings);
    std::vector<int> widths;
    int width = 0;
    for (int column = 0; column < M::kColumnCount; ++column) {
        // The figures a little narrower than the list's planned width, so that the
        // names keep room on a 640 x 480 screen.
        const int designed = M::ColumnOf(column).width;
        widths.push_back(column == M::kName ? 120 : column == M::kChance ? 64 : designed * 17 / 20);
        width += widths.back();
    }
    KeepColumnsFitted(table_, widths);
    table_->setMinimumWidth(width + 8);
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this, &CLiveOddsDlg::OnHeaderClicked);

    note_ = new QLabel(tr("Chance: each runner's share of wins in %1 simulated runs of this field.")
                           .arg(RunnerChance::kRuns),
                       this);
    note_->setWordWrap(true);
    note_->setStyleSheet(QStringLiteral("color: %1; font-style: italic;").arg(MeasuredFigureColour().name()));

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(note_, 1);
    bottom->addWidget(ok_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(table_, 1);
    layout->addLayout(bottom);

    poll_.setInterval(kPollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, &CLiveOddsDlg::PollChance);
    resize(width + 40, 400);
}

void CLiveOddsDlg::Fill(LiveOddsModel& model, const RunnerChance* chance)
{
    model_ = &model;
    chance_ = chance;
    if (chance_ != nullptr)
        model_->RefreshChance(*chance_);
    Refill();
}

void CLiveOddsDlg::Show(LiveOddsModel& model, const RunnerChance& chance)
{
    Fill(model, &chance);
    SizeForScreen(this, QSize(820, 520));
    poll_.start();
    exec();
    poll_.stop();
    model_ = nullptr;
    chance_ = nullptr;
}

void CLiveOddsDlg::PollChance()
{
    if (model_ != nullptr && chance_ != nullptr && model_->RefreshChance(*chance_))
        Refill();
}

void CLiveOddsDlg::Refill()
{
    if (model_ == nullptr)
        return;
    const int lines = model_->LineCount();
    table_->setRowCount(lines);
    for (int line = 0; line < lines; ++line) {
        const bool totals = model_->RunnerOfLine(line) < 0;
        for (int column = 0; column < M::kColumnCount; ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(model_->Cell(line, column)));
            item->setTextAlignment(M::ColumnOf(column).alignRight ? Qt::AlignRight | Qt::AlignVCenter
                                                                  : Qt::AlignLeft | Qt::AlignVCenter);
            QFont font = item->font();
            font.setBold(totals || column == M::kChance);
            item->setFont(font);
            if (column == M::kChance && !totals)
                item->setForeground(MeasuredFigureColour());
            table_->setItem(line, column, item);
        }
    }
}

void CLiveOddsDlg::OnHeaderClicked(int column)
{
    if (model_ == nullptr)
        return;
    model_->SortBy(column);
    Refill();
}

} // namespace galloria

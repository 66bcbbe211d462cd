#include "betting/bet_results_dlg.h"

#include "app/closing_button_row.h"
#include "betting/board_table.h"
#include "game/game_look.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace galloria {

namespace {

using M = BetResultsModel;

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CBetResultsDlg::CBetResultsDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Bet Results For Last Completed Race"));
    ApplyGameLook(this);

    table_ = new QTableWidget(0, M::kColumnCount, this);
    StyleBoardTable(table_);
    QStringList headings;
    std::vector<int> widths;
    int width = 0;
    for (int column = 0; column < M::kColumnCount; ++column) {
        headings << Text(Tr(M::ColumnOf(column).heading));
        widths.push_back(M::ColumnOf(column).width);
        width += widths.back();
    }
    KeepColumnsFitted(table_, widths);
    table_->setHorizontalHeaderLabels(headings);
    table_->horizontalHeader()->setMinimumSectionSize(40);
    table_->setMinimumWidth(width + 8);
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this, &CBetResultsDlg::OnHeaderClicked);

    // The sums, one line per player slot under the headings.
    auto* sums = new QGridLayout;
    sums->setHorizontalSpacing(14);
    sums->setVerticalSpacing(2);
    const QString headings5[5] = {QStringLiteral("   ") + tr("Name"), tr("Bet") + QStringLiteral("   "),
                                  tr("Won") + QStringLiteral("   "), tr("Net") + QStringLiteral("   "),
                                  tr("New Balance")};
    for (int column = 0; column < 5; ++column) {
        auto* heading = new QLabel(headings5[column], this);
        heading->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(look::kTurf.name()));
        heading->setAlignment(column == 0 ? Qt::AlignLeft : Qt::AlignRight);
        sums->addWidget(heading, 0, column);
    }
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        for (int column = 0; column < 5; ++column) {
            auto* label = new QLabel(this);
            label->setObjectName(QStringLiteral("sum_%1_%2").arg(slot).arg(column));
            label->setAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                            : Qt::AlignRight | Qt::AlignVCenter);
            if (column == 0 || column == 4) {
                QFont font = label->font();
                font.setBold(true);
                label->setFont(font);
            }
            sums->addWidget(label, slot + 1, column);
            summary_[slot][column] = label;
        }
    }
    sums->setColumnStretch(0, 2);
    for (int column = 1; column < 5; ++column)
        sums->setColumnStretch(column, 1);

    const ClosingButtonRow buttons = MakeClosingButtonRow(*this, tr("OK"));
    ok_ = buttons.button;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(table_, 1);
    layout->addLayout(sums);
    layout->addLayout(buttons.row);
    resize(width + 40, 420);
}

void CBetResultsDlg::Fill(BetResultsModel& model)
{
    model_ = &model;
    Refill();
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        const M::Summary& summary = model.SummaryOf(slot);
        const std::string* texts[5] = {&summary.name, &summary.bet, &summary.won, &summary.net,
                                       &summary.newBalance};
        for (int column = 0; column < 5; ++column) {
            summary_[slot][column]->setText(QString::fromStdString(*texts[column]));
            // A loss reads in red, a gain in the turf's green.
            if (column == 3) {
                const bool loss = texts[column]->rfind("$-", 0) == 0;
                summary_[slot][column]->setStyleSheet(
                    QStringLiteral("color: %1;").arg(loss ? QStringLiteral("#b3261e") : look::kTurf.name()));
            }
        }
    }
}

void CBetResultsDlg::Show(BetResultsModel& model)
{
    Fill(model);
    SizeForScreen(this, QSize(820, 600));
    exec();
    model_ = nullptr;
}

void CBetResultsDlg::Refill()
{
    if (model_ == nullptr)
        return;
    const int lines = model_->LineCount();
    table_->setRowCount(lines);
    for (int line = 0; line < lines; ++line) {
        for (int column = 0; column < M::kColumnCount; ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(model_->Cell(line, column)));
            item->setTextAlignment(M::ColumnOf(column).alignRight ? Qt::AlignRight | Qt::AlignVCenter
                                                                  : Qt::AlignLeft | Qt::AlignVCenter);
            item->setData(Qt::UserRole, model_->LineIndex(line));
            table_->setItem(line, column, item);
        }
    }
}

void CBetResultsDlg::OnHeaderClicked(int column)
{
    if (model_ == nullptr)
        return;
    model_->SortBy(column);
    Refill();
}

} // namespace galloria

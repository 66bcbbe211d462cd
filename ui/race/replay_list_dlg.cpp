#include "race/replay_list_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace galloria {

namespace {

QString RaceLine(const RaceRecord& record)
{
    const bool won = record.winner >= 0 && record.winner < CRaceEngine::kMaxRunners;
    const QString winner = won ? QString::fromStdString(record.names[record.winner]) : QString();
    return CReplayListDlg::tr("Race %1").arg(record.raceIndex + 1).leftJustified(10) +
           winner.leftJustified(22) + QStringLiteral("$%1").arg(record.winPrice, 0, 'f', 2);
}

} // namespace

CReplayListDlg::CReplayListDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Replay A Race"));
    auto* note = new QLabel(tr("Choose a race of this set to watch again. Any key stops the replay."), this);
    note->setWordWrap(true);
    list_ = new QListWidget(this);
    QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    fixed.setStyleHint(QFont::Monospace);
    list_->setFont(fixed);
    list_->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('M')) * 44);
    replayButton_ = new QPushButton(tr("Replay"), this);
    replayButton_->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    connect(replayButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(replayButton_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(list_);
    layout->addLayout(buttons);
}

std::optional<int> CReplayListDlg::Ask(std::span<const RaceRecord> races)
{
    list_->clear();
    for (const RaceRecord& record : races)
        list_->addItem(RaceLine(record));
    if (races.empty())
        return std::nullopt;
    list_->setCurrentRow(static_cast<int>(races.size()) - 1);
    if (exec() != QDialog::Accepted || list_->currentRow() < 0)
        return std::nullopt;
    return list_->currentRow();
}

} // namespace galloria

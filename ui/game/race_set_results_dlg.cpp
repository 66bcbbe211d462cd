#include "game/race_set_results_dlg.h"

#include "game/game_look.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace galloria {

namespace {

QLabel* Medal(QWidget* parent)
{
    auto* medal = new QLabel(parent);
    medal->setPixmap(MedalPixmap());
    medal->setFixedSize(kMedalSize, kMedalSize);
    medal->setObjectName(QStringLiteral("medal"));
    return medal;
}

} // namespace

CRaceSetResultsDlg::CRaceSetResultsDlg(QWidget* parent) : QDialog(parent)
{
    using Model = RaceSetResultsModel;
    setWindowTitle(QStringLiteral("Results For The Current Race Set"));
    ApplyGameLook(this);

    title_ = new QLabel(this);
    title_->setAlignment(Qt::AlignCenter);
    title_->setWordWrap(true);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    title_->setFont(titleFont);
    title_->setStyleSheet(QStringLiteral("color: %1;").arg(look::kTurf.name()));

    // Two medals in each top corner, the title between them.
    auto* top = new QHBoxLayout;
    top->addWidget(Medal(this));
    top->addWidget(Medal(this));
    top->addWidget(title_, 1);
    top->addWidget(Medal(this));
    top->addWidget(Medal(this));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    const QString headingStyle =
        QStringLiteral("color: %1; background: %2; font-weight: bold; padding: 2px 6px; border-radius: 2px;")
            .arg(look::kPaper.name(), look::kTurf.name());
    const QString cellStyle = QStringLiteral("background: %1; border: 1px solid #c9bf9c; padding: 1px 6px;")
                                  .arg(look::kPaper.name());
    const QString nameStyle = cellStyle + QStringLiteral(" font-weight: bold;");
    for (int column = 0; column < Model::kColumnCount; ++column) {
        auto* heading = new QLabel(QString::fromStdString(Model::ColumnHeading(column)), this);
        heading->setAlignment(Qt::AlignCenter);
        heading->setStyleSheet(headingStyle);
        grid->addWidget(heading, 0, column + 1);
    }
    for (int row = 0; row < Model::kRowCount; ++row) {
        const std::string_view rowLabel = Model::RowLabel(row);
        auto* label =
            new QLabel(QString::fromUtf8(rowLabel.data(), static_cast<qsizetype>(rowLabel.size())), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont font = label->font();
        font.setBold(row == Model::kStartRow || row == Model::kFinishRow);
        label->setFont(font);
        grid->addWidget(label, row + 1, 0);
        for (int column = 0; column < Model::kColumnCount; ++column) {
            auto* cell = new QLabel(this);
            cell->setObjectName(QStringLiteral("cell_%1_%2").arg(row).arg(column));
            // Names are centred over their column; money lines up on the right.
            cell->setAlignment(row == Model::kNameRow ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            cell->setStyleSheet(row == Model::kNameRow || row == Model::kFinishRow ? nameStyle : cellStyle);
            cell->setMinimumWidth(96);
            grid->addWidget(cell, row + 1, column + 1);
            cells_[row][column] = cell;
        }
    }

    continueButton_ = new QPushButton(QStringLiteral("Continue Racing"), this);
    stopButton_ = new QPushButton(QStringLiteral("Don't Continue This Game"), this);
    connect(continueButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(stopButton_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(continueButton_);
    buttons->addWidget(stopButton_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void CRaceSetResultsDlg::Fill(const RaceSetResultsModel& results)
{
    title_->setText(QString::fromStdString(results.Title()));
    for (int row = 0; row < RaceSetResultsModel::kRowCount; ++row) {
        for (int column = 0; column < RaceSetResultsModel::kColumnCount; ++column)
            cells_[row][column]->setText(QString::fromStdString(results.Cell(row, column)));
    }
    const bool canContinue = results.CanContinue();
    continueButton_->setEnabled(canContinue);
    // Enter takes the button that is offered.
    continueButton_->setDefault(canContinue);
    stopButton_->setDefault(!canContinue);
    (canContinue ? continueButton_ : stopButton_)->setFocus();
}

bool CRaceSetResultsDlg::Show(const RaceSetResultsModel& results)
{
    Fill(results);
    return exec() == QDialog::Accepted;
}

} // namespace galloria

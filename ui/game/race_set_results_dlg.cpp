#include "game/race_set_results_dlg.h"

#include "betting/board_table.h"
#include "game/game_look.h"
#include "race/course_colours.h"

#include <algorithm>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
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

// The chart's frame around the plot: room for the scale on the left, the
// race numbers below and the names above.
constexpr double kLeftMargin = 46;
constexpr double kRightMargin = 10;
constexpr double kTopMargin = 30;
constexpr double kBottomMargin = 22;

} // namespace

CBalanceChartView::CBalanceChartView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("balanceChart"));
    setMinimumSize(220, 220);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CBalanceChartView::SetChart(const BalanceChart& chart)
{
    chart_ = chart;
    update();
}

QColor CBalanceChartView::SlotColour(int slot)
{
    // Four of the course's flag colours that stand apart on cream paper.
    static const QColor kColours[kPlayerSlots] = {course::kFlagColours[0], course::kFlagColours[5],
                                                  course::kFlagColours[4], course::kFlagColours[3]};
    return kColours[std::clamp(slot, 0, kPlayerSlots - 1)];
}

QRectF CBalanceChartView::PlotArea() const
{
    return QRectF(kLeftMargin, kTopMargin, std::max(1.0, width() - kLeftMargin - kRightMargin),
                  std::max(1.0, height() - kTopMargin - kBottomMargin));
}

QPointF CBalanceChartView::PointAt(int index, int dollars) const
{
    const QRectF plot = PlotArea();
    const double span = std::max(1.0, static_cast<double>(chart_.high) - chart_.low);
    const double x = plot.left() + plot.width() * index / kRacesPerSet;
    const double y = plot.bottom() - plot.height() * (static_cast<double>(dollars) - chart_.low) / span;
    return {x, y};
}

void CBalanceChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), look::kPaper);
    painter.setPen(QPen(look::kTurf, 1));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));

    const QRectF plot = PlotArea();
    QFont small = font();
    small.setPixelSize(10);
    painter.setFont(small);
    const QFontMetricsF metrics(small);

    // The scale: a faint line at each step, its amount at the left.
    const int step = std::max(1, chart_.step);
    for (long long mark = chart_.low; mark <= chart_.high; mark += step) {
        const double y = PointAt(0, static_cast<int>(mark)).y();
        painter.setPen(QPen(mark == 0 ? look::kTurf : QColor(0xdd, 0xd5, 0xb8), 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(look::kDarkTurf);
        painter.drawText(QRectF(0, y - 7, kLeftMargin - 4, 14), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(ChartMoneyLabel(static_cast<int>(mark), chart_)));
    }
    // The races along the bottom: the start, then 1 to 10.
    for (int index = 0; index <= kRacesPerSet; ++index) {
        const double x = PointAt(index, chart_.low).x();
        painter.setPen(QPen(QColor(0xe8, 0xe1, 0xc8), 1));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(look::kDarkTurf);
        const QString label =
            index == 0 ? tr("S", "the start, before the first race") : QString::number(index);
        painter.drawText(QRectF(x - 12, plot.bottom() + 3, 24, 14), Qt::AlignCenter, label);
    }
    painter.setPen(QPen(look::kTurf, 1.5));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    // One line per player, its points marked, its name in the key above.
    QFont bold = font();
    bold.setPixelSize(11);
    bold.setBold(true);
    double keyX = plot.left();
    for (std::size_t lineIndex = 0; lineIndex < chart_.lines.size(); ++lineIndex) {
        const BalanceChart::Line& line = chart_.lines[lineIndex];
        const QColor colour = SlotColour(line.slot);
        QPainterPath path;
        for (std::size_t index = 0; index < line.points.size(); ++index) {
            const QPointF point = PointAt(static_cast<int>(index), line.points[index]);
            if (index == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        painter.setBrush(Qt::NoBrush);
        const Qt::PenStyle style = RunsAlongEarlierLine(chart_, lineIndex) ? Qt::DashLine : Qt::SolidLine;
        painter.setPen(QPen(colour, 2.5, style, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
        painter.setBrush(colour);
        painter.setPen(QPen(look::kPaper, 1));
        for (std::size_t index = 0; index < line.points.size(); ++index)
            painter.drawEllipse(PointAt(static_cast<int>(index), line.points[index]), 3.5, 3.5);

        painter.setFont(bold);
        const QString name = QString::fromStdString(line.name);
        const double nameWidth = QFontMetricsF(bold).horizontalAdvance(name);
        painter.fillRect(QRectF(keyX, 10, 14, 4), colour);
        painter.setPen(colour.darker(115));
        painter.drawText(QRectF(keyX + 18, 3, nameWidth + 2, 18), Qt::AlignLeft | Qt::AlignVCenter, name);
        keyX += 18 + nameWidth + 14;
    }
}

CRaceSetResultsDlg::CRaceSetResultsDlg(QWidget* parent) : QDialog(parent)
{
    using Model = RaceSetResultsModel;
    setWindowTitle(tr("Results For The Current Race Set"));
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
        QStringLiteral("color: %1; background: %2; font-weight: bold; padding: 2px 3px; border-radius: 2px;")
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
        const std::string rowLabel = Model::RowLabel(row);
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
            cell->setMinimumWidth(64);
            grid->addWidget(cell, row + 1, column + 1);
            cells_[row][column] = cell;
        }
    }

    continueButton_ = new QPushButton(tr("Continue Racing"), this);
    stopButton_ = new QPushButton(tr("Don't Continue This Game"), this);
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
    // The chart beside the grid takes whatever room the screen gives.
    chart_ = new CBalanceChartView(this);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(10);
    middle->addLayout(grid);
    middle->addWidget(chart_, 1);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    resize(minimumSizeHint());
}

void CRaceSetResultsDlg::Fill(const RaceSetResultsModel& results)
{
    title_->setText(QString::fromStdString(results.Title()));
    for (int row = 0; row < RaceSetResultsModel::kRowCount; ++row) {
        for (int column = 0; column < RaceSetResultsModel::kColumnCount; ++column)
            cells_[row][column]->setText(QString::fromStdString(results.Cell(row, column)));
    }
    chart_->SetChart(results.Chart());
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
    // As large as suits the screen: the chart grows with it.
    SizeForScreen(this, QSize(900, 620));
    return exec() == QDialog::Accepted;
}

} // namespace galloria

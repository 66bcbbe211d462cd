#include "stable/horse_form_card.h"

#include "app/closing_button_row.h"
#include "app/fitted_font.h"
#include "betting/betting_style.h"
#include "race/course_colours.h"
#include "race/runner_sprites.h"
#include "stable/race_time.h"
#include "stable/stable_look.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace galloria {

namespace {

const QColor kText(0xF0, 0xF0, 0xF0);
const QColor kFaint(0x7F, 0x98, 0xB8);
const QColor kGold(0xE7, 0xC5, 0x5A);
const QColor kSilver(0xD8, 0xD8, 0xE0);
const QColor kBronze(0xD0, 0x8A, 0x4A);
constexpr int kHeaderHeight = 64;
constexpr int kMargin = 12;
constexpr int kFiguresWidth = 190;
constexpr int kFrames = 11;

QFont CardFont(int pixels, QFont::Weight weight = QFont::Normal)
{
    QFont font(QStringLiteral("Ariel"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

// Draws `text` in `box`, in a smaller size of the painter's font when a long
// label (a translation, say) would not fit the box's width.
void DrawFitted(QPainter& painter, const QRectF& box, int flags, const QString& text)
{
    painter.save();
    painter.setFont(FittedFont(painter.font(), text, static_cast<int>(box.width())));
    painter.drawText(box, flags, text);
    painter.restore();
}

QString Money(std::uint32_t dollars)
{
    return QStringLiteral("$") + QString::number(dollars);
}

QColor PlaceColour(int place)
{
    switch (place) {
    case 1:
        return kGold;
    case 2:
        return kSilver;
    case 3:
        return kBronze;
    default:
        return kText;
    }
}

} // namespace

CFormCardView::CFormCardView(QWidget* parent) : QWidget(parent)
{
    const double scale = BettingScaleFor(parent);
    setFixedSize(static_cast<int>(kLayoutWidth * scale + 0.5), static_cast<int>(kLayoutHeight * scale + 0.5));
}

void CFormCardView::SetHorse(const HorseRecord& horse, int number, const std::string& owner)
{
    horse_ = horse;
    figures_ = FiguresOf(horse);
    chart_ = BuildFormChart(horse);
    number_ = number;
    owner_ = owner;
    const QImage strip = BuildRunnerSprite(horse.colour, 1);
    const int width = strip.width() / kFrames;
    picture_ = strip.isNull() ? QImage() : strip.copy(3 * width, 0, width, strip.height());
    update();
}

QImage CFormCardView::Render() const
{
    QImage image(kLayoutWidth, kLayoutHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    Paint(painter);
    return image;
}

void CFormCardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.scale(static_cast<double>(width()) / kLayoutWidth, static_cast<double>(height()) / kLayoutHeight);
    Paint(painter);
}

void CFormCardView::Paint(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRect(0, 0, kLayoutWidth, kLayoutHeight), course::kBoardBlue);
    painter.fillRect(QRect(0, 0, kLayoutWidth, kHeaderHeight), course::kBoardStripe);
    PaintHeader(painter);
    PaintFigures(painter);
    PaintChart(painter,
               QRect(kMargin + kFiguresWidth + 10, kHeaderHeight + 10,
                     kLayoutWidth - kFiguresWidth - 2 * kMargin - 10, kLayoutHeight - kHeaderHeight - 20));
    painter.setPen(QPen(kGold, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, kLayoutWidth - 2, kLayoutHeight - 2));
}

void CFormCardView::PaintHeader(QPainter& painter) const
{
    // The colour swatch, then the name, its number and owner.
    const QRect swatch(kMargin, 12, 40, 40);
    painter.setPen(QPen(kGold, 2));
    painter.setBrush(ColourOfHorse(horse_.colour));
    painter.drawRoundedRect(swatch, 6, 6);

    painter.setFont(CardFont(24, QFont::Bold));
    painter.setPen(course::kClockYellow);
    const QRect nameBox(swatch.right() + 12, 6, 330, 32);
    painter.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter, StableText(HorseName(horse_)));
    painter.setFont(CardFont(13));
    painter.setPen(kText);
    QString line = tr("No. %1").arg(number_);
    if (!owner_.empty() && owner_ != " ")
        line += QStringLiteral("   \u00b7   ") + tr("Owner: %1").arg(StableText(owner_));
    painter.drawText(QRect(nameBox.left(), 38, 330, 20), Qt::AlignLeft | Qt::AlignVCenter, line);

    if (!picture_.isNull())
        painter.drawImage(
            QPoint(kLayoutWidth - picture_.width() - kMargin, (kHeaderHeight - picture_.height()) / 2),
            picture_);
}

void CFormCardView::PaintFigures(QPainter& painter) const
{
    int y = kHeaderHeight + 12;
    const auto heading = [&](const QString& text) {
        painter.setFont(CardFont(13, QFont::Bold));
        painter.setPen(course::kClockYellow);
        painter.drawText(QRect(kMargin, y, kFiguresWidth, 18), Qt::AlignLeft | Qt::AlignVCenter, text);
        y += 22;
    };

    heading(tr("CHARACTERISTICS"));
    const std::pair<const char*, int> bars[] = {{QT_TR_NOOP("Speed"), horse_.speed},
                                                {QT_TR_NOOP("Sprint"), horse_.sprint},
                                                {QT_TR_NOOP("Stamina"), horse_.stamina},
                                                {QT_TR_NOOP("Spontaneity"), horse_.spontaneity}};
    for (const auto& [label, value] : bars) {
        painter.setFont(CardFont(12));
        painter.setPen(kText);
        DrawFitted(painter, QRect(kMargin, y, 78, 16), Qt::AlignLeft | Qt::AlignVCenter, tr(label));
        const QRectF track(kMargin + 80, y + 3, 80, 10);
        painter.setPen(Qt::NoPen);
        painter.setBrush(course::kBoardStripe);
        painter.drawRoundedRect(track, 3, 3);
        painter.setBrush(kGold);
        painter.drawRoundedRect(QRectF(track.left(), track.top(),
                                       track.width() * std::clamp(value, 0, 100) / 100.0, track.height()),
                                3, 3);
        painter.setPen(kText);
        painter.drawText(QRect(kMargin + 164, y, 26, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(value));
        y += 20;
    }

    y += 8;
    heading(tr("LAST 20 RACES"));
    const std::pair<QString, QString> lines[] = {
        {tr("Races run"), QString::number(figures_.racesRun)},
        {tr("Best time"), StableText(FormatRaceTime(figures_.bestTime))},
        {tr("1st / 2nd / 3rd"),
         QStringLiteral("%1 / %2 / %3").arg(figures_.firsts).arg(figures_.seconds).arg(figures_.thirds)},
        {tr("Earnings"), Money(figures_.totalEarnings)},
        {tr("Biggest win"), Money(figures_.hiWin)},
        {tr("Last purse"), Money(static_cast<std::uint32_t>(std::max(0, horse_.lastPurse)))},
    };
    for (const auto& [label, value] : lines) {
        painter.setPen(kText);
        painter.setFont(CardFont(12, QFont::Bold));
        painter.drawText(QRect(kMargin + 90, y, 100, 18), Qt::AlignRight | Qt::AlignVCenter, value);
        // The label takes what the figure leaves of the column.
        const int labelWidth = kFiguresWidth - painter.fontMetrics().horizontalAdvance(value) - 6;
        painter.setFont(CardFont(12));
        DrawFitted(painter, QRect(kMargin, y, labelWidth, 18), Qt::AlignLeft | Qt::AlignVCenter, label);
        y += 20;
    }
}

void CFormCardView::PaintChart(QPainter& painter, const QRect& area) const
{
    painter.setFont(CardFont(13, QFont::Bold));
    painter.setPen(course::kClockYellow);
    painter.drawText(QRect(area.left(), area.top(), area.width(), 18), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("FORM"));
    painter.setFont(CardFont(11));
    painter.setPen(kFaint);
    painter.drawText(QRect(area.left(), area.top(), area.width(), 18), Qt::AlignRight | Qt::AlignVCenter,
                     tr("oldest  \u2192  latest"));

    const int labelWidth = 44;
    const int left = area.left() + labelWidth;
    const int right = area.right() - 4;
    const double step = static_cast<double>(right - left) / kHistoryLength;
    const auto xOf = [&](int i) { return left + step * (i + 0.5); };

    struct Strip {
        QString title;
        QString top;
        QString bottom;
        int height;
    };
    const Strip strips[] = {
        {tr("Place"), tr("1st"), StableText(PlaceText(chart_.lowestPlace)), 96},
        {tr("Time"), StableText(FormatRaceTime(chart_.fastestSecond * 5)),
         StableText(FormatRaceTime(chart_.slowestSecond * 5)), 82},
        {tr("Odds"), QStringLiteral("0"), QString::number(chart_.longestOdds), 70},
    };
    int top = area.top() + 24;
    for (int s = 0; s < 3; ++s) {
        const Strip& strip = strips[s];
        const QRectF band(left, top, right - left, strip.height);
        painter.setPen(Qt::NoPen);
        painter.setBrush(course::kBoardStripe);
        painter.drawRect(band);
        // Race columns: a faint line for every race, run or not.
        painter.setPen(QPen(kFaint, 1, Qt::DotLine));
        for (int i = 0; i < kHistoryLength; ++i)
            painter.drawLine(QPointF(xOf(i), band.top() + 2), QPointF(xOf(i), band.bottom() - 2));

        painter.setFont(CardFont(11, QFont::Bold));
        painter.setPen(course::kClockYellow);
        DrawFitted(painter, QRectF(area.left(), band.center().y() - 8, labelWidth - 4, 16),
                   Qt::AlignRight | Qt::AlignVCenter, strip.title);
        painter.setFont(CardFont(10));
        painter.setPen(kFaint);
        painter.drawText(QRectF(area.left() - 4, band.top(), labelWidth, 13), Qt::AlignRight | Qt::AlignTop,
                         strip.top);
        painter.drawText(QRectF(area.left() - 4, band.bottom() - 13, labelWidth, 13),
                         Qt::AlignRight | Qt::AlignBottom, strip.bottom);

        const double inner = strip.height - 16.0;
        const auto yOf = [&](double depth) { return band.top() + 8 + depth * inner; };
        QPainterPath line;
        bool started = false;
        for (int i = 0; i < kHistoryLength; ++i) {
            const FormChartRace& race = chart_.races[static_cast<std::size_t>(i)];
            if (!race.run || (s == 1 && race.fifths == 0)) {
                started = false; // a gap breaks the line
                continue;
            }
            if (s == 2) {
                // Odds as bars from the top: the shorter the bar, the shorter the price.
                const double depth = chart_.OddsDepth(race.odds);
                painter.setPen(Qt::NoPen);
                painter.setBrush(kSilver);
                painter.drawRect(QRectF(xOf(i) - step * 0.28, band.top() + 2, step * 0.56,
                                        std::max(2.0, depth * (strip.height - 4))));
                continue;
            }
            const double depth = s == 0 ? chart_.PlaceDepth(race.place) : chart_.TimeDepth(race.fifths);
            const QPointF point(xOf(i), yOf(depth));
            if (!started)
                line.moveTo(point);
            else
                line.lineTo(point);
            started = true;
        }
        if (s < 2) {
            painter.setPen(QPen(s == 0 ? kGold : kText, 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(line);
            for (int i = 0; i < kHistoryLength; ++i) {
                const FormChartRace& race = chart_.races[static_cast<std::size_t>(i)];
                if (!race.run || (s == 1 && race.fifths == 0))
                    continue;
                const double depth = s == 0 ? chart_.PlaceDepth(race.place) : chart_.TimeDepth(race.fifths);
                painter.setPen(QPen(course::kBoardBlue, 1));
                painter.setBrush(s == 0 ? PlaceColour(race.place) : kText);
                painter.drawEllipse(QPointF(xOf(i), yOf(depth)), 4.0, 4.0);
            }
        }
        top += strip.height + 8;
    }

    // The races by number, 1 the oldest; an empty chart says why.
    painter.setFont(CardFont(10));
    painter.setPen(kFaint);
    for (int i = 0; i < kHistoryLength; i += 1) {
        if (i % 2 == 0 || i == kHistoryLength - 1)
            painter.drawText(QRectF(xOf(i) - 10, top - 6, 20, 12), Qt::AlignCenter, QString::number(i + 1));
    }
    if (chart_.racesRun == 0) {
        painter.setFont(CardFont(14, QFont::Bold));
        painter.setPen(kText);
        painter.drawText(QRect(left, area.top() + 24, right - left, top - area.top() - 32), Qt::AlignCenter,
                         tr("No races run yet"));
    }
}

CHorseFormCard::CHorseFormCard(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Form Card"));
    const double scale = BettingScaleFor(parent);
    setStyleSheet(BettingStyleSheet(scale));
    view_ = new CFormCardView(this);
    const ClosingButtonRow buttons = MakeClosingButtonRow(*this, tr("Close"));
    close_ = buttons.button;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(view_);
    layout->addLayout(buttons.row);
    setFixedSize(sizeHint());
}

void CHorseFormCard::Fill(const HorseRecord& horse, int number, const std::string& owner)
{
    view_->SetHorse(horse, number, owner);
    setWindowTitle(tr("Form Card - %1").arg(StableText(HorseName(horse))));
}

void CHorseFormCard::Show(const HorseRecord& horse, int number, const std::string& owner)
{
    Fill(horse, number, owner);
    exec();
}

} // namespace galloria

#include "betting_style.h"

#include "app/fitted_font.h"
#include "base/size_class.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace galloria {

namespace {

// The longest usual bet line: a ten-letter name padded to 14, an amount
// padded to 8, "Triacta", the box mark padded to 5 and three legs of 4.
constexpr int kBetLineChars = 46;
constexpr int kMinBetLinePixels = 10;

int Px(double pixels, double scale)
{
    return static_cast<int>(pixels * scale + 0.5);
}

} // namespace

QString BettingStyleSheet(double scale, bool compact, bool titled)
{
    // Disabled keys fade into the green so that the keys the player can press
    // next stand out; a chosen player, type or runner stays gold even though
    // it cannot be pressed again.
    return QStringLiteral(R"(
QDialog { background: #123d27; }
QLabel { color: #f3ead3; font-size: %1px; }
QLabel[role="balance"] { color: #e7c55a; font-weight: bold; }
QLabel[role="status"] { color: #f0d98a; font-style: italic; }
QGroupBox {
    color: #e7c55a; font-weight: bold; font-size: %1px;
    border: 1px solid #b8942f; border-radius: 6px;
    margin-top: %2px; padding-top: %3px;
}
QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }
QPushButton {
    color: #123d27; background: #f3ead3; font-size: %1px; font-weight: bold;
    border: 1px solid #b8942f; border-radius: 5px;
    min-height: %4px; padding: 0 %3px;
}
QPushButton:hover { background: #fff8e6; border-color: #e7c55a; }
QPushButton:pressed { background: #e7c55a; }
QPushButton:focus { border: 2px solid #e7c55a; }
QPushButton:disabled { color: #6f8f7b; background: #1e5034; border-color: #2f6446; }
QPushButton:checked, QPushButton:checked:disabled {
    color: #123d27; background: #e7c55a; border: 2px solid #fff2c2;
}
QPushButton[role="buy"] { background: #e7c55a; }
QPushButton[role="buy"]:hover { background: #f2d472; }
QPushButton[role="buy"]:disabled { color: #6f8f7b; background: #1e5034; }
QLineEdit, QListWidget {
    color: #123d27; background: #f3ead3; border: 2px solid #b8942f; border-radius: 4px;
    selection-color: #f3ead3; selection-background-color: #123d27;
}
)")
        .arg(Px(compact ? 11 : 13, scale))
        .arg(Px(titled ? (compact ? 8 : 9) : 0, scale))
        .arg(Px(compact ? 1 : 6, scale))
        .arg(Px(compact ? 19 : 28, scale));
}

void FitCaption(QPushButton& button, int width, double scale, bool compact)
{
    // The caption's room: the width less the look's padding and a focus border.
    const int room = width - 2 * Px(compact ? 1 : 6, scale) - 4;
    const int lookPixels = Px(compact ? 11 : 13, scale);
    QFont font = button.font();
    font.setBold(true);
    font.setPixelSize(lookPixels);
    const int pixels = FittedFont(font, button.text(), room, 7).pixelSize();
    button.setStyleSheet(pixels == lookPixels ? QString() : QStringLiteral("font-size: %1px;").arg(pixels));
}

double BettingScaleFor(const QWidget* widget)
{
    const QScreen* screen = widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return 1.0;
    return BettingScaleForScreenWidth(screen->geometry().width());
}

double BettingScaleForScreenWidth(int width)
{
    return BySizeClass(SizeClassForScreenWidth(width), 1.0, 1.0, 1.25);
}

QFont BetLineFont(int width, int maxPixels)
{
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(true);
    int pixels = std::max(maxPixels, kMinBetLinePixels);
    for (; pixels > kMinBetLinePixels; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(QString(kBetLineChars, QLatin1Char('M'))) <= width)
            break;
    }
    font.setPixelSize(pixels);
    return font;
}

} // namespace galloria

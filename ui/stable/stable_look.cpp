#include "stable/stable_look.h"

#include "app/game_message_box.h"
#include "betting/betting_style.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <algorithm>

namespace galloria {

QString StableText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

MessageAnswer AskWith(const StableAsk& ask, QWidget* parent, std::string_view text, MessageKind kind)
{
    if (ask)
        return ask(text, kind);
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::translate("GameMessageBox", "Galloria"));
    box.setText(StableText(text));
    if (kind == MessageKind::Information) {
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        NameStandardButtons(box);
        box.exec();
        return MessageAnswer::Ok;
    }
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    NameStandardButtons(box);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

QString StableStyleSheet(double scale)
{
    const auto px = [scale](double pixels) { return static_cast<int>(pixels * scale + 0.5); };
    return BettingStyleSheet(scale) +
           QStringLiteral(R"(
QComboBox {
    color: #123d27; background: #f3ead3; border: 2px solid #b8942f; border-radius: 4px;
    padding: 1px 6px; font-size: %1px;
}
QComboBox:disabled { color: #6f8f7b; background: #1e5034; border-color: #2f6446; }
QComboBox QAbstractItemView {
    color: #123d27; background: #f3ead3;
    selection-color: #f3ead3; selection-background-color: #123d27;
}
QLineEdit { font-size: %1px; padding: 1px 4px; }
QSlider::groove:horizontal { height: %2px; background: #0c2c1b; border: 1px solid #b8942f; border-radius: 3px; }
QSlider::sub-page:horizontal { background: #b8942f; border-radius: 3px; }
QSlider::handle:horizontal {
    background: #e7c55a; border: 1px solid #fff2c2; width: %3px; margin: -%4px 0; border-radius: %4px;
}
QLabel[role="value"] {
    color: #123d27; background: #f3ead3; border: 2px inset #b8942f; border-radius: 3px;
    font-weight: bold; qproperty-alignment: AlignCenter;
}
QTableView {
    color: #123d27; background: #f3ead3; alternate-background-color: #e9dfc3;
    gridline-color: #cdbf95; border: 2px solid #b8942f; font-size: %5px;
    selection-color: #f3ead3; selection-background-color: #123d27;
}
QHeaderView::section {
    color: #f3ead3; background: #1e5034; border: 0; border-right: 1px solid #123d27;
    padding: 2px 4px; font-weight: bold; font-size: %5px;
}
QHeaderView::section:hover { background: #2f6446; }
QTableCornerButton::section { background: #1e5034; border: 0; }
)")
               .arg(px(13))
               .arg(px(6))
               .arg(px(14))
               .arg(px(5))
               // The database's thirteen columns must fit a large screen side by side.
               .arg(static_cast<int>(13 * std::min(scale, 1.1) + 0.5));
}

QColor ColourOfHorse(std::uint32_t colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

std::uint32_t HorseColourOf(const QColor& colour)
{
    return static_cast<std::uint32_t>(colour.red()) | (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

} // namespace galloria

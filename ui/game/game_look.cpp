#include "game/game_look.h"

#include <QFile>
#include <QPainter>
#include <QWidget>

namespace galloria {

void ApplyGameLook(QWidget* dialog)
{
    // One style sheet for every control of the dialog; the colours come from
    // the look constants so the dialogs all agree.
    const QString sheet =
        QStringLiteral("QDialog, QWidget#gameWindow { background: %1; color: %2; }"
                       "QLabel { color: %2; background: transparent; }"
                       "QGroupBox { border: 1px solid %3; border-radius: 5px; margin-top: 9px;"
                       " padding: 6px 4px 3px 4px; font-weight: bold; color: %3; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"
                       "QRadioButton { color: %2; font-weight: normal; }"
                       "QPushButton { background: %4; color: %2; border: 1px solid %5;"
                       " border-radius: 4px; padding: 4px 12px; min-height: 18px; font-weight: bold; }"
                       "QPushButton:hover { background: #e6c566; }"
                       "QPushButton:pressed { background: %5; color: %6; }"
                       "QPushButton:default { border: 2px solid %3; }"
                       "QPushButton:disabled { background: #e3dcc4; color: #9a9482; border-color: #c2baa0; }"
                       "QLineEdit, QComboBox, QTextBrowser { background: %6; color: %2;"
                       " border: 1px solid %3; border-radius: 3px; padding: 2px 4px; }"
                       "QComboBox QAbstractItemView { background: %6; color: %2;"
                       " selection-background-color: %3; selection-color: %6; }"
                       "QProgressBar { border: 1px solid %3; border-radius: 3px; background: %6;"
                       " text-align: center; color: %2; }"
                       "QProgressBar::chunk { background: %3; }")
            .arg(look::kCream.name(), look::kDarkTurf.name(), look::kTurf.name(), look::kGold.name(),
                 look::kDeepGold.name(), look::kPaper.name());
    dialog->setStyleSheet(sheet);
}

QPixmap LoadArt(const QString& name)
{
    const QString path = QStringLiteral(":/art/%1.png").arg(name);
    if (!QFile::exists(path))
        return {};
    return QPixmap(path);
}

QPixmap MedalPixmap()
{
    QPixmap art = LoadArt(QStringLiteral("medal"));
    if (!art.isNull())
        return art.scaled(kMedalSize, kMedalSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);

    QPixmap disc(kMedalSize, kMedalSize);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look::kDeepGold, 3));
    painter.setBrush(look::kGold);
    painter.drawEllipse(QRectF(4, 4, kMedalSize - 8, kMedalSize - 8));
    painter.setPen(QPen(look::kDeepGold, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(12, 12, kMedalSize - 24, kMedalSize - 24));
    return disc;
}

} // namespace galloria

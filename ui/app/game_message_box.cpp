#include "app/game_message_box.h"

#include "game/game_look.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace galloria {

void ApplyGameMessageLook(QMessageBox& box)
{
    ApplyGameLook(&box);
    box.setWindowTitle(QStringLiteral("Galloria"));
    // The text in the game's green on the cream, a little larger than the
    // desktop's default so a pause or a question reads at a glance.
    box.setStyleSheet(box.styleSheet() + QStringLiteral(" QMessageBox QLabel { font-size: 14px; }"
                                                        " QMessageBox QPushButton { min-width: 72px; }"));
}

MessageAnswer ShowGameMessage(QWidget* parent, const QString& text, MessageKind kind)
{
    QMessageBox box(parent);
    ApplyGameMessageLook(box);
    box.setText(text);
    switch (kind) {
    case MessageKind::RetryCancel:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Retry);
        break;
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::OkCancel:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case MessageKind::YesNoCancel:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    if (kind != MessageKind::Information)
        box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    switch (clicked ? box.standardButton(clicked) : QMessageBox::NoButton) {
    case QMessageBox::Ok:
    case QMessageBox::Retry:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        break;
    }
    return kind == MessageKind::Information ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

} // namespace galloria

#include "app/game_message_box.h"

#include "game/game_look.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

namespace galloria {

void ApplyGameMessageLook(QMessageBox& box)
{
    ApplyGameLook(&box);
    box.setWindowTitle(QCoreApplication::translate("GameMessageBox", "Galloria"));
    // The text in the game's green on the cream, a little larger than the
    // desktop's default so a pause or a question reads at a glance.
    box.setStyleSheet(box.styleSheet() + QStringLiteral(" QMessageBox QLabel { font-size: 14px; }"
                                                        " QMessageBox QPushButton { min-width: 72px; }"));
}

void NameStandardButtons(QMessageBox& box)
{
    const struct {
        QMessageBox::StandardButton button;
        QString caption;
    } captions[] = {
        {QMessageBox::Ok, QCoreApplication::translate("GameMessageBox", "OK")},
        {QMessageBox::Cancel, QCoreApplication::translate("GameMessageBox", "Cancel")},
        {QMessageBox::Yes, QCoreApplication::translate("GameMessageBox", "&Yes")},
        {QMessageBox::No, QCoreApplication::translate("GameMessageBox", "&No")},
        {QMessageBox::Retry, QCoreApplication::translate("GameMessageBox", "&Retry")},
    };
    for (const auto& [button, caption] : captions) {
        if (QAbstractButton* shown = box.button(button))
            shown->setText(caption);
    }
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
    NameStandardButtons(box);
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

#include "game/tip_dlg.h"

#include "game/game_look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace galloria {

namespace {
// The tipster's picture is kept within this box so the dialog fits a small screen.
constexpr int kPictureWidth = 280;
constexpr int kPictureHeight = 240;
} // namespace

CTipDlg::CTipDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Psssst ...."));
    ApplyGameLook(this);

    auto* picture = new QLabel(this);
    picture->setAlignment(Qt::AlignCenter);
    const QPixmap art = LoadArt(QStringLiteral("tipster"));
    if (art.isNull()) {
        picture->hide();
    } else {
        picture->setPixmap(
            art.width() > kPictureWidth || art.height() > kPictureHeight
                ? art.scaled(kPictureWidth, kPictureHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                : art);
    }

    text_ = new QLabel(this);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignCenter);
    text_->setFixedWidth(kPictureWidth + 40);
    text_->setMinimumHeight(60);
    QFont font = text_->font();
    font.setItalic(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    text_->setFont(font);
    text_->setStyleSheet(
        QStringLiteral("background: %1; border: 1px solid %2; border-radius: 6px; padding: 8px;")
            .arg(look::kPaper.name(), look::kDeepGold.name()));

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setDefault(true);
    okButton_->setMinimumWidth(90);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(text_, 0, Qt::AlignHCenter);
    layout->addWidget(okButton_, 0, Qt::AlignHCenter);
}

void CTipDlg::Show(const QString& text)
{
    text_->setText(text);
    adjustSize();
    okButton_->setFocus();
    exec();
}

QString CTipDlg::Text() const
{
    return text_->text();
}

} // namespace galloria

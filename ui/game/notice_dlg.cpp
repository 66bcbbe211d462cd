#include "game/notice_dlg.h"

#include "game/game_look.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace galloria {

namespace {

// The plain notice's icon: the art when present, else a green disc with an
// "i", so a plain notice never looks like praise.
QPixmap NoticePixmap()
{
    QPixmap art = LoadArt(QStringLiteral("notice"));
    if (!art.isNull())
        return art.scaled(kMedalSize, kMedalSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);

    QPixmap disc(kMedalSize, kMedalSize);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look::kDarkTurf, 2));
    painter.setBrush(look::kTurf);
    painter.drawEllipse(QRectF(4, 4, kMedalSize - 8, kMedalSize - 8));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(24);
    painter.setFont(font);
    painter.setPen(look::kCream);
    painter.drawText(disc.rect(), Qt::AlignCenter, QStringLiteral("i"));
    return disc;
}

} // namespace

CNoticeDlg::CNoticeDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    // The box has no caption; its name still tells assistive tools what it is.
    setWindowTitle(tr("Notice"));
    ApplyGameLook(this);

    // A green frame stands in for the missing caption bar.
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("noticeFrame"));
    frame->setStyleSheet(QStringLiteral("QFrame#noticeFrame { border: 3px solid %1; border-radius: 6px; }")
                             .arg(look::kTurf.name()));

    auto* icons = new QHBoxLayout;
    icons->setSpacing(6);
    icons->addStretch();
    // Hidden icons take no room, so whichever show stay centred in the row.
    const QPixmap medal = MedalPixmap();
    for (int index = 0; index < kMaxMedals; ++index) {
        auto* label = new QLabel(frame);
        label->setPixmap(medal);
        label->setFixedSize(kMedalSize, kMedalSize);
        medals_[index] = label;
        icons->addWidget(label);
    }
    plainIcon_ = new QLabel(frame);
    plainIcon_->setPixmap(NoticePixmap());
    plainIcon_->setFixedSize(kMedalSize, kMedalSize);
    icons->addWidget(plainIcon_);
    icons->addStretch();

    text_ = new QLabel(frame);
    text_->setAlignment(Qt::AlignCenter);
    text_->setMinimumWidth(320);
    QFont font = text_->font();
    font.setPointSizeF(font.pointSizeF() * 1.1);
    text_->setFont(font);

    okButton_ = new QPushButton(tr("OK"), frame);
    okButton_->setDefault(true);
    okButton_->setMinimumWidth(90);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(20, 14, 20, 14);
    inner->setSpacing(12);
    inner->addLayout(icons);
    inner->addWidget(text_);
    inner->addWidget(okButton_, 0, Qt::AlignHCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
}

void CNoticeDlg::Fill(std::span<const std::string_view> lines, bool praise, int amount)
{
    QStringList texts;
    for (std::string_view line : lines)
        texts << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    text_->setText(texts.join(QLatin1Char('\n')));

    const int medals = praise ? NoticeMedalCount(amount) : 0;
    for (int index = 0; index < kMaxMedals; ++index)
        medals_[index]->setVisible(index < medals);
    plainIcon_->setVisible(!praise);
    adjustSize();
}

void CNoticeDlg::Show(std::span<const std::string_view> lines, bool praise, int amount)
{
    Fill(lines, praise, amount);
    okButton_->setFocus();
    exec();
}

int CNoticeDlg::MedalsShown() const
{
    int shown = 0;
    for (const QLabel* medal : medals_)
        shown += medal->isVisibleTo(this) ? 1 : 0;
    return shown;
}

bool CNoticeDlg::PlainIconShown() const
{
    return plainIcon_->isVisibleTo(this);
}

QString CNoticeDlg::Text() const
{
    return text_->text();
}

} // namespace galloria

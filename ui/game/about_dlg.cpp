#include "game/about_dlg.h"

#include "game/game_look.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace galloria {

namespace {

constexpr const char* kVersionText = "v1.5.11";
constexpr const char* kMakerAddress = "www.tamberlyn.example";

// A picture of the art, or nothing at all when it is not built in.
QLabel* Picture(const QString& name, int maxSide, QWidget* parent)
{
    auto* label = new QLabel(parent);
    const QPixmap art = LoadArt(name);
    if (art.isNull()) {
        label->hide();
        return label;
    }
    label->setPixmap(art.width() > maxSide || art.height() > maxSide
                         ? art.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                         : art);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About Galloria"));
    ApplyGameLook(this);

    auto* name = new QLabel(tr("Galloria"), this);
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.8);
    name->setFont(nameFont);
    name->setStyleSheet(QStringLiteral("color: %1;").arg(look::kTurf.name()));

    auto* version = new QLabel(QString::fromLatin1(kVersionText), this);
    auto* blurb = new QLabel(tr("Horse racing and betting for one to four players."), this);

    auto* address = new QLineEdit(QString::fromLatin1(kMakerAddress), this);
    address->setReadOnly(true);
    address->setAlignment(Qt::AlignCenter);
    address->setMinimumWidth(220);

    closeButton_ = new QPushButton(tr("Close"), this);
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addWidget(blurb);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(Picture(QStringLiteral("icon"), 64, this), 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addLayout(top);
    layout->addWidget(Picture(QStringLiteral("about"), 300, this), 0, Qt::AlignHCenter);
    layout->addWidget(address);
    layout->addWidget(closeButton_, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());
}

} // namespace galloria

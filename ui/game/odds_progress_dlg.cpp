#include "game/odds_progress_dlg.h"

#include "game/game_look.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace galloria {

COddsProgressDlg::COddsProgressDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(tr("Calculating Odds"));
    setModal(false);
    ApplyGameLook(this);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("progressFrame"));
    frame->setStyleSheet(QStringLiteral("QFrame#progressFrame { border: 2px solid %1; border-radius: 5px; }")
                             .arg(look::kTurf.name()));

    auto* text = new QLabel(tr("Please wait ... calculating odds ..."), frame);
    text->setAlignment(Qt::AlignCenter);
    bar_ = new QProgressBar(frame);
    bar_->setRange(0, kOddsProgressRange);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setFixedHeight(16);

    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(16, 12, 16, 12);
    inner->setSpacing(8);
    inner->addWidget(text);
    inner->addWidget(bar_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    setFixedSize(std::max(260, sizeHint().width()), sizeHint().height());
}

void COddsProgressDlg::Open(int range)
{
    // Opening again while open starts the bar over rather than stacking windows.
    bar_->setRange(0, std::max(1, range));
    bar_->setValue(0);

    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect area =
        over ? over->geometry() : (screen() ? screen()->availableGeometry() : QRect(0, 0, 640, 480));
    move(area.center() - rect().center());
    show();
    raise();
    PaintNow();
}

void COddsProgressDlg::SetPosition(int position)
{
    bar_->setValue(std::clamp(position, bar_->minimum(), bar_->maximum()));
    PaintNow();
}

void COddsProgressDlg::Close()
{
    hide();
}

int COddsProgressDlg::Position() const
{
    return bar_->value();
}

int COddsProgressDlg::Range() const
{
    return bar_->maximum();
}

void COddsProgressDlg::PaintNow()
{
    if (!isVisible())
        return;
    repaint();
    // Lets the window system map and draw the window, but takes no input: a
    // click now would reach the game in the middle of its calculation.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace galloria

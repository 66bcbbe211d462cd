#pragma once

#include "betting/odds_simulation.h"

#include <QDialog>

class QProgressBar;

namespace galloria {

// The small window with a bar that shows while the odds are being worked
// out. Modeless: the game keeps running the simulation while it shows.
class COddsProgressDlg : public QDialog, public OddsProgress {
    Q_OBJECT
public:
    explicit COddsProgressDlg(QWidget* parent);

    void Open(int range) override;
    void SetPosition(int position) override;
    void Close() override;

    int Position() const;
    int Range() const;

private:
    // The simulation holds the event loop, so the window is painted at once.
    void PaintNow();

    QProgressBar* bar_ = nullptr;
};

} // namespace galloria

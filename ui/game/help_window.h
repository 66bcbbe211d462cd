#pragma once

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace galloria {

// The game's help: its own pages, with links between them, in a window of
// its own that stays open beside the game.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent);

    // Shows the contents page and brings the window to the front.
    void ShowContents();

    // Opens one page by its address inside the help ("betting.html").
    void ShowPage(const QString& page);

    QTextBrowser* Browser() const { return browser_; }
    static QUrl ContentsUrl();

private:
    void Follow(const QUrl& link);

    QTextBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
};

} // namespace galloria

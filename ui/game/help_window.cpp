#include "game/help_window.h"

#include "app/game_translation.h"
#include "game/game_look.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace galloria {

namespace {

// The page shown when a help page is not built into the program.
QString MissingPage(const QString& page)
{
    const QString notFound = QCoreApplication::translate("galloria::CHelpWindow", "Page not found");
    const QString missing =
        QCoreApplication::translate("galloria::CHelpWindow",
                                    "The help page %1 is not part of this copy of Galloria.")
            .toHtmlEscaped()
            .arg(QStringLiteral("<b>%1</b>").arg(page.toHtmlEscaped()));
    const QString back = QCoreApplication::translate("galloria::CHelpWindow", "Back to the contents");
    return QStringLiteral("<h2>%1</h2><p>%2</p><p><a href=\"%3\">%4</a></p>")
        .arg(notFound.toHtmlEscaped(), missing, CHelpWindow::ContentsUrl().toString(), back.toHtmlEscaped());
}

} // namespace

QUrl CHelpWindow::ContentsUrl()
{
    return QUrl(HelpPageUrl(QStringLiteral("index.html")));
}

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("gameWindow"));
    setWindowTitle(tr("Galloria Help"));
    ApplyGameLook(this);

    auto* contents = new QPushButton(tr("Contents"), this);
    back_ = new QPushButton(tr("< Back"), this);
    forward_ = new QPushButton(tr("Forward >"), this);
    auto* close = new QPushButton(tr("Close"), this);

    browser_ = new QTextBrowser(this);
    // Links are followed here, so a page can be checked before it is shown.
    browser_->setOpenLinks(false);
    browser_->document()->setDocumentMargin(10);

    connect(browser_, &QTextBrowser::anchorClicked, this, &CHelpWindow::Follow);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { ShowPage(QStringLiteral("index.html")); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Escape puts the help away like a dialog's Close.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    // Fits the smallest screen the game runs on.
    resize(600, 440);
}

void CHelpWindow::ShowPage(const QString& page)
{
    Follow(QUrl(HelpPageUrl(page)));
}

void CHelpWindow::Follow(const QUrl& link)
{
    if (link.scheme() == QLatin1String("qrc") || link.isRelative()) {
        // A page shown in place of a missing one has no address of its own.
        const QUrl base = browser_->source().isEmpty() ? ContentsUrl() : browser_->source();
        const QUrl page = link.isRelative() ? base.resolved(link) : link;
        const QString file = QLatin1Char(':') + page.path();
        if (QFile::exists(file)) {
            browser_->setSource(page);
        } else {
            browser_->setHtml(MissingPage(page.fileName()));
        }
        return;
    }
    // A web address goes to the player's browser, never into the help window.
    QDesktopServices::openUrl(link);
}

void CHelpWindow::ShowContents()
{
    ShowPage(QStringLiteral("index.html"));
    show();
    raise();
    activateWindow();
}

} // namespace galloria

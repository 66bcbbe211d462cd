#include "app/varn_view.h" // first: it brings the game's headers before Qt's

#include "app/main_frame.h"
#include "app/skin_menu.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

namespace galloria {

namespace {

struct PopupEntry {
    MenuPopup popup;
    const char* title;
    int width; // before scaling
};

constexpr PopupEntry kPopups[] = {
    {MenuPopup::Game, QT_TRANSLATE_NOOP("galloria::CMainFrame", "&GAME"), 210},
    {MenuPopup::Stable, QT_TRANSLATE_NOOP("galloria::CMainFrame", "&STABLE"), 260},
    {MenuPopup::Track, QT_TRANSLATE_NOOP("galloria::CMainFrame", "&TRACK"), 200},
    {MenuPopup::Summary, QT_TRANSLATE_NOOP("galloria::CMainFrame", "&SUMMERY"), 200},
    {MenuPopup::Help, QT_TRANSLATE_NOOP("galloria::CMainFrame", "&HELP"), 220},
};

struct ItemEntry {
    MenuPopup popup;
    MenuCommand command;
    const char* text;
    bool bitmap; // drawn from ":/art/menu_<command id>.png"
};

constexpr ItemEntry kItems[] = {
    {MenuPopup::Game, MenuCommand::StartNewRaceSet,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "START &NEW RACE SET"), true},
    {MenuPopup::Game, MenuCommand::ContinueLastSet,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "CONTINUE LAST SET"), true},
    {MenuPopup::Game, MenuCommand::Open, QT_TRANSLATE_NOOP("galloria::CMainFrame", "&OPEN..."), true},
    {MenuPopup::Game, MenuCommand::Save, QT_TRANSLATE_NOOP("galloria::CMainFrame", "&SAVE..."), true},
    {MenuPopup::Game, MenuCommand::PauseRace, QT_TRANSLATE_NOOP("galloria::CMainFrame", "&PAUSE RACE"),
     false},
    {MenuPopup::Game, MenuCommand::QuitRaceSet,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "&QUIT THIS RACE SET"), false},
    {MenuPopup::Game, MenuCommand::Exit, QT_TRANSLATE_NOOP("galloria::CMainFrame", "E&XIT"), true},
    {MenuPopup::Stable, MenuCommand::GameOptions,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "&GAME OPTIONS..."), true},
    {MenuPopup::Stable, MenuCommand::AddHorse,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "&ADD A HORSE TO THE STABLE..."), true},
    {MenuPopup::Stable, MenuCommand::ListHorses,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "&LIST ALL HORSES..."), true},
    {MenuPopup::Stable, MenuCommand::HallOfFame,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "&BETTING HALL OF FAME..."), true},
    {MenuPopup::Track, MenuCommand::BettingWindow,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "&BETTING WINDOW..."), true},
    {MenuPopup::Track, MenuCommand::LiveOdds,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "&LIVE ODDS && POOLS..."), true},
    {MenuPopup::Track, MenuCommand::TrackRacingForm,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "&RACING FORM"), true},
    {MenuPopup::Track, MenuCommand::ReplayRace,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "RE&PLAY A RACE..."), false},
    {MenuPopup::Summary, MenuCommand::ShowNextPhoto,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "&SHOW NEXT PHOTO"), true},
    {MenuPopup::Summary, MenuCommand::FinishResults,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "&FINISH RESULTS"), true},
    {MenuPopup::Summary, MenuCommand::HowDidIDo,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "&HOW DID I DO?..."), true},
    {MenuPopup::Summary, MenuCommand::SummaryRacingForm,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "&RACING FORM"), true},
    {MenuPopup::Help, MenuCommand::HelpContents,
     QT_TRANSLATE_NOOP("galloria::CMainFrame", "&GOTO HELP CONTENTS..."), true},
    {MenuPopup::Help, MenuCommand::About, QT_TRANSLATE_NOOP("galloria::CMainFrame", "&ABOUT GALLORIA..."),
     false},
};

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

SizeClass ScreenSizeClass()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? SizeClassForScreenWidth(screen->geometry().width()) : SizeClass::Large;
}

CMainFrame::CMainFrame(SizeClass size, QWidget* parent)
    : QMainWindow(parent), menuStyle_(std::make_unique<SkinMenuStyle>())
{
    setWindowTitle(tr("Galloria"));
    setWindowIcon(QIcon(QStringLiteral(":/art/icon.png")));
    BuildMenus();
    view_ = new CVarnView(*this, size);
    setCentralWidget(view_);
    view_->setFocus();
    view_->FirstUpdate();
}

CMainFrame::~CMainFrame()
{
    // The view and its dialogs, then the popups, go before the popups'
    // style does.
    delete view_;
    view_ = nullptr;
    for (const auto& [popup, menu] : popups_)
        delete menu;
    popups_.clear();
    actions_.clear();
    menuBar()->setStyle(nullptr); // back to the application's before the style goes
}

int CMainFrame::ScaledPopupWidth(int width) const
{
    // The check-mark height is 15 pixels at 96 dots per inch.
    const int percent = logicalDpiY() * 100 / 96;
    return width * percent / 100;
}

void CMainFrame::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setStyle(menuStyle_.get()); // the bar wears the popups' look
    for (const PopupEntry& entry : kPopups) {
        if (entry.popup == MenuPopup::Summary) {
            QAction* race = bar->addAction(Text(Tr(kRaceText)));
            race->setData(static_cast<int>(MenuCommand::RaceOrNextRace));
            actions_[MenuCommand::RaceOrNextRace] = race;
        }
        auto* popup = new CSkinMenu(tr(entry.title), this);
        popup->setStyle(menuStyle_.get());
        popup->SetItemWidth(ScaledPopupWidth(entry.width));
        popup->SetItemHeight(30);
        bar->addMenu(popup);
        popups_[entry.popup] = popup;
    }
    for (const ItemEntry& entry : kItems) {
        actions_[entry.command] =
            popups_[entry.popup]->AppendItem(static_cast<int>(entry.command), tr(entry.text), entry.bitmap);
    }
    for (const auto& [command, action] : actions_) {
        const MenuCommand chosen = command;
        connect(action, &QAction::triggered, this, [this, chosen] { view_->RunCommand(chosen); });
    }

    // The keys, without shortcut texts in the menus: the items keep their
    // texts, and a key does nothing while its item is grayed.
    auto bindKey = [this](const QKeySequence& key, MenuCommand command) {
        auto* shortcut = new QAction(this);
        shortcut->setShortcut(key);
        shortcut->setShortcutContext(Qt::ApplicationShortcut);
        addAction(shortcut);
        connect(shortcut, &QAction::triggered, this, [this, command] {
            QAction* item = Action(command);
            const CSkinMenu* popup = PopupOf(command) ? Popup(*PopupOf(command)) : nullptr;
            if (item && item->isEnabled() && (!popup || popup->menuAction()->isEnabled()))
                item->trigger();
        });
    };
    bindKey(QKeySequence(Qt::CTRL | Qt::Key_O), MenuCommand::Open);
    bindKey(QKeySequence(Qt::Key_F1), MenuCommand::HelpContents);
}

QAction* CMainFrame::Action(MenuCommand command) const
{
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

CSkinMenu* CMainFrame::Popup(MenuPopup popup) const
{
    const auto found = popups_.find(popup);
    return found == popups_.end() ? nullptr : found->second;
}

void CMainFrame::ApplyMenus(const MenuModel& menus)
{
    for (const auto& [command, action] : actions_)
        action->setEnabled(menus.IsItemEnabled(command));
    for (const auto& [popup, menu] : popups_)
        menu->menuAction()->setEnabled(menus.IsPopupEnabled(popup));
    if (QAction* race = Action(MenuCommand::RaceOrNextRace))
        race->setText(Text(menus.RaceText()));
}

void CMainFrame::CloseWithoutAsking()
{
    closeAsked_ = false;
    close();
    closeAsked_ = true;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (view_->AcceptClose(closeAsked_))
        event->accept();
    else
        event->ignore();
}

} // namespace galloria

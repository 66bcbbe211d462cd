// The game's headers come before Qt's: Qt defines "slots" as a keyword macro.
#include "game/game.h"

#include "monkey.h"

#include "app/skin_menu.h"
#include "app/varn_view.h"
#include "betting/betting_window_dlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>

namespace galloria {
namespace {

constexpr std::size_t kEventsKept = 30;

// Texts a player might type: names, blanks, letters beyond ASCII, far too long.
const std::array<QString, 8> kTexts = {QStringLiteral("Ann"),          QStringLiteral("Zoë"),
                                       QStringLiteral("Ærø Øst"),      QStringLiteral("   "),
                                       QStringLiteral("\t \u00a0"),    QStringLiteral("馬 ✓ 🐎"),
                                       QString(300, QLatin1Char('W')), QStringLiteral("../x\\y:*?\"<>|")};

const std::array<Qt::Key, 14> kKeys = {
    Qt::Key_1,   Qt::Key_5,  Qt::Key_0,    Qt::Key_A,    Qt::Key_R,     Qt::Key_Return, Qt::Key_Escape,
    Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Space,  Qt::Key_F1};

QString Describe(const QWidget& widget)
{
    QString name = QString::fromLatin1(widget.metaObject()->className()).remove(QStringLiteral("galloria::"));
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        name += QStringLiteral(" \"") + button->text() + QLatin1Char('"');
    return name;
}

template <typename T> std::vector<T*> Usable(QWidget& top)
{
    std::vector<T*> found;
    for (T* child : top.findChildren<T*>()) {
        if (child->isVisible() && child->isEnabled())
            found.push_back(child);
    }
    return found;
}

} // namespace

Monkey::Monkey(std::uint32_t seed, long events, std::optional<SizeClass> size, std::filesystem::path folder)
    : random_(seed), events_(events), size_(size), folder_(std::move(folder))
{
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &Monkey::Tick);
}

std::optional<std::string> Monkey::Run()
{
    QApplication::setQuitOnLastWindowClosed(false);
    OpenFrame();
    timer_.start();
    QApplication::exec();
    timer_.stop();
    delete frame_;
    return failure_;
}

void Monkey::OpenFrame()
{
    const SizeClass size = size_.value_or(static_cast<SizeClass>(Draw(3)));
    frame_ = new CMainFrame(size);
    frame_->resize(LayoutWidth(size), LayoutHeight(size));
    // The game draws its seeds from the clock; the monkey's come from its own seed, so a run replays.
    frame_->View().GameObject().seedClock = [this] { return ++clockSeeds_ * 2654435761u; };
    frame_->show();
    last_.push_back("open the window at " + std::to_string(LayoutWidth(size)));
    if (log_)
        std::printf("%s\n", last_.back().c_str());
}

void Monkey::Tick()
{
    ++heartbeat;
    // While the odds are calculated the game takes no input from the player.
    if (pending_ || failure_ || frame_->View().GameObject().state.oddsSimulationActive)
        return;
    // What the last event set off (a window made active, given the focus) is
    // done before the next is chosen, whenever Qt would have got to it.
    QCoreApplication::processEvents();
    for (auto fault : {GameInvariants::CheckModalWindows(), GameInvariants::CheckFiles(folder_),
                       invariants_.CheckMoney(frame_->View().GameObject())}) {
        if (fault)
            return Fail(*fault);
    }
    if (done_ >= events_) {
        QApplication::exit(0);
        return;
    }
    // A closed window is deleted once no event is under way in it (the
    // command it was closed in has returned); then the game starts again.
    if (!frame_->isVisible()) {
        if (QWidget* modal = QApplication::activeModalWidget())
            return (void)modal->close();
        if (!modalsAtStart_.empty())
            return;
        delete frame_;
        OpenFrame();
    }
    if (!Racing())
        racePauseDrawn_ = false;
    if (BetweenSteps()) {
        // A shown race runs here: it may be paused once, at its start, the
        // same in every replay; otherwise it is left to run.
        if (!Racing() || racePauseDrawn_)
            return;
        racePauseDrawn_ = true;
        if (Draw(3) != 0)
            return;
    }
    ++done_;
    if (BetweenSteps())
        PressKey(frame_->View());
    else
        ChooseEvent();
    while (last_.size() > kEventsKept)
        last_.pop_front();
}

void Monkey::Fail(std::string why)
{
    failure_ = std::move(why);
    QApplication::exit(1);
}

// Posted, not done at once: an event that opens a modal window blocks in its
// loop, and the timer must go on ticking there to act inside it.
void Monkey::Do(std::string what, std::function<void()> action)
{
    for (const char letter : what)
        trace_ = (trace_ ^ static_cast<unsigned char>(letter)) * 1099511628211ull;
    last_.push_back(std::to_string(done_) + ": " + what);
    if (log_)
        std::printf("%s\n", last_.back().c_str());
    pending_ = true;
    // A player cannot reach a window another modal one has just covered.
    QTimer::singleShot(0, this,
                       [this, action = std::move(action), modal = QApplication::activeModalWidget()] {
                           pending_ = false;
                           if (QApplication::activeModalWidget() != modal ||
                               frame_->View().GameObject().state.oddsSimulationActive)
                               return;
                           modalsAtStart_.push_back(modal);
                           action();
                           modalsAtStart_.pop_back();
                       });
}

bool Monkey::BetweenSteps() const
{
    return !modalsAtStart_.empty() && QApplication::activeModalWidget() == modalsAtStart_.back();
}

bool Monkey::Racing() const
{
    return frame_->View().GameObject().state.raceRunning;
}

QWidget* Monkey::TopWindow()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    std::vector<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !qobject_cast<QMenu*>(window) && window->windowType() != Qt::ToolTip)
            windows.push_back(window);
    }
    if (windows.empty())
        return nullptr;
    // Qt lists its windows in no fixed order; a replay needs one.
    std::ranges::sort(windows, {}, [](const QWidget* window) {
        return std::pair(QString::fromLatin1(window->metaObject()->className()), window->windowTitle());
    });
    return windows[static_cast<std::size_t>(Draw(static_cast<int>(windows.size())))];
}

void Monkey::ChooseEvent()
{
    QWidget* top = TopWindow();
    if (top == nullptr)
        return Do("nothing to act on", [] {});
    // Offscreen, a window shown is made active a moment later, when Qt's
    // event for it arrives; made active here, the widget that takes the keys
    // is the same in every replay.
    if (!top->isActiveWindow() && qobject_cast<QMenu*>(top) == nullptr) {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(top);
        QT_WARNING_POP
    }
    const bool dialog = top != frame_ && !qobject_cast<QMenu*>(top);
    const int roll = Draw(100);
    // Qt's file dialog lists the folder in the background, so what its views
    // hold at a given moment differs from run to run: it is only filled in or closed.
    if (qobject_cast<QFileDialog*>(top) != nullptr)
        return roll < 70 ? FillForm(*top) : CloseWindow(*top);
    if (dialog && roll < 30)
        return qobject_cast<CBettingWindowDlg*>(top) && roll < 15 ? BuyBet() : FillForm(*top);
    if (roll < 45)
        return ClickButton(*top);
    if (roll < 60 && !dialog)
        return TriggerMenu();
    if (roll < 75)
        return ClickPoint(*top);
    if (roll < 92)
        return PressKey(*top);
    if (roll < 98)
        return TypeText(*top);
    CloseWindow(*top);
}

void Monkey::CloseWindow(QWidget& top)
{
    Do("close " + Describe(top).toStdString(), [this, top = QPointer<QWidget>(&top)] {
        if (top && !Racing())
            top->close();
    });
}

void Monkey::ClickPoint(QWidget& top)
{
    const QPoint at(Draw(std::max(1, top.width())), Draw(std::max(1, top.height())));
    QWidget* target = top.childAt(at) ? top.childAt(at) : &top;
    const QPoint local = target->mapFrom(&top, at);
    Do("click " + Describe(*target).toStdString() + " at " + std::to_string(at.x()) + "," +
           std::to_string(at.y()),
       [target = QPointer<QWidget>(target), local] {
           if (target)
               QTest::mouseClick(target, Qt::LeftButton, {}, local);
       });
}

void Monkey::ClickButton(QWidget& top)
{
    const std::vector<QAbstractButton*> buttons = Usable<QAbstractButton>(top);
    if (buttons.empty())
        return ClickPoint(top);
    QAbstractButton* button = buttons[static_cast<std::size_t>(Draw(static_cast<int>(buttons.size())))];
    Do("press " + Describe(*button).toStdString(), [button = QPointer<QAbstractButton>(button)] {
        if (button)
            button->click();
    });
}

// RACE! most of all, so that races are run and sets end; then a new set,
// saving and opening, and the stable's windows.
void Monkey::TriggerMenu()
{
    static constexpr std::array kLeaning = {MenuCommand::RaceOrNextRace, MenuCommand::RaceOrNextRace,
                                            MenuCommand::RaceOrNextRace, MenuCommand::StartNewRaceSet,
                                            MenuCommand::Save,           MenuCommand::Open,
                                            MenuCommand::AddHorse,       MenuCommand::ListHorses};
    const int pick = Draw(static_cast<int>(kLeaning.size() + kMenuCommands.size()));
    const MenuCommand command = pick < static_cast<int>(kLeaning.size())
                                    ? kLeaning[static_cast<std::size_t>(pick)]
                                    : kMenuCommands[static_cast<std::size_t>(pick) - kLeaning.size()];
    // An item the player can reach: enabled, in a popup that is not grayed.
    QAction* action = frame_->Action(command);
    const std::optional<MenuPopup> popup = PopupOf(command);
    if (action == nullptr || !action->isEnabled() ||
        (popup && !frame_->Popup(*popup)->menuAction()->isEnabled()))
        return ClickPoint(*frame_);
    // Most races are shown not at all, so a run gets through many; some at the fastest speed.
    GameSettings& settings = frame_->View().GameObject().settings;
    settings.viewRaceMode = Draw(10) == 0 ? ViewRaceMode::WholeRace : ViewRaceMode::None;
    settings.animationSpeed = 10;
    Do("menu " + action->text().toStdString(), [action = QPointer<QAction>(action)] {
        if (action)
            action->trigger();
    });
}

// The widget a key goes to: the window or one of its widgets that take the
// keyboard, given the focus first as a click or Tab would give it, so that
// what has the focus never depends on when Qt made the window active.
QWidget* Monkey::KeyTarget(QWidget& top)
{
    std::vector<QWidget*> takers = {&top};
    for (QWidget* child : Usable<QWidget>(top)) {
        if ((child->focusPolicy() & Qt::TabFocus) != 0 && child->window() == &top)
            takers.push_back(child);
    }
    return takers[static_cast<std::size_t>(Draw(static_cast<int>(takers.size())))];
}

void Monkey::PressKey(QWidget& top)
{
    QWidget* target = KeyTarget(top);
    // Only Escape while a race runs, so no menu item is chosen then.
    const Qt::Key key = Racing() ? Qt::Key_Escape : kKeys[static_cast<std::size_t>(Draw(kKeys.size()))];
    Do("key " + QKeySequence(key).toString().toStdString() + " to " + Describe(*target).toStdString(),
       [target = QPointer<QWidget>(target), key] {
           if (!target)
               return;
           target->setFocus();
           QTest::keyClick(target, key);
       });
}

void Monkey::TypeText(QWidget& top)
{
    QWidget* target = KeyTarget(top);
    const QString text = kTexts[static_cast<std::size_t>(Draw(kTexts.size()))];
    Do("type " + text.left(20).toStdString() + " into " + Describe(*target).toStdString(),
       [target = QPointer<QWidget>(target), text] {
           if (!target)
               return;
           target->setFocus();
           for (const QChar letter : text) // as typed: any letter, not only ASCII ones
               QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(letter), Qt::NoModifier);
       });
}

// Answers a dialog as a player would: a name (or a saved game's file) in each
// text box, then its default button or Return.
void Monkey::FillForm(QWidget& top)
{
    const bool files = qobject_cast<QFileDialog*>(&top) != nullptr;
    const QString name = files ? QStringLiteral("game%1.gxu").arg(Draw(4))
                               : QStringLiteral("%1%2").arg(kTexts[0]).arg(Draw(20));
    Do("fill " + Describe(top).toStdString() + " with " + name.toStdString(),
       [top = QPointer<QWidget>(&top), name, files, folder = QString::fromStdString(folder_.string())] {
           if (!top)
               return;
           if (files)
               static_cast<QFileDialog*>(top.data())->setDirectory(folder);
           for (QLineEdit* edit : Usable<QLineEdit>(*top))
               edit->setText(name);
           for (QPushButton* button : Usable<QPushButton>(*top)) {
               if (button->isDefault())
                   return button->click();
           }
           QTest::keyClick(top, Qt::Key_Return);
       });
}

// A bet bought through the betting window's own rules: a player, a stake,
// a type and runners; the window then shows it.
void Monkey::BuyBet()
{
    const int player = Draw(kPlayerSlots);
    const int type = 1 + Draw(kBetTypeCount - 1);
    const bool boxed = Draw(4) == 0;
    std::array<int, 6> draws{};
    for (int& draw : draws)
        draw = Draw(14);
    Do("bet " + std::to_string(type) + (boxed ? " boxed" : "") + " for player " + std::to_string(player + 1),
       [this, player, type, boxed, draws] {
           BettingWindowModel& window = frame_->View().GameObject().bettingWindow;
           if (!window.IsOpen())
               return;
           window.ChoosePlayer(player);
           for (int d = 0; d < 3; ++d)
               window.PressKey(static_cast<AmountKey>(draws[static_cast<std::size_t>(d)] % 12));
           window.ChooseType(static_cast<BetType>(type), boxed);
           for (int d = 3; d < 6; ++d)
               window.ChooseRunner(draws[static_cast<std::size_t>(d)]);
           window.Buy();
           if (QWidget* modal = QApplication::activeModalWidget())
               modal->update();
       });
}

} // namespace galloria

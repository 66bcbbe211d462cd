#pragma once

#include "base/size_class.h"

#include "app/main_frame.h"

#include "game_invariants.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace galloria {

// Plays the real game window with random input: clicks anywhere and on
// buttons and menu items, keys, typed texts and closes, leaning towards what
// makes sets get played. It acts from a timer, so it goes on inside every
// modal loop the game opens; after each event the invariants are checked.
// The same seed gives the same events.
class Monkey : public QObject {
public:
    Monkey(std::uint32_t seed, long events, std::optional<SizeClass> size, std::filesystem::path folder);

    // Runs every event; the failure found, or nothing.
    std::optional<std::string> Run();

    // The last events done, oldest first, for the failure report.
    const std::deque<std::string>& LastEvents() const { return last_; }
    long EventsDone() const { return done_; }
    // A hash of every event done, in order: two runs that did the same events have the same trace.
    std::uint64_t Trace() const { return trace_; }
    // Prints each event as it is done.
    void LogEvents() { log_ = true; }
    // Rises with each tick of the monkey's timer, so a watchdog sees the event loop answer.
    std::atomic<long> heartbeat{0};

private:
    void Tick();
    void OpenFrame();
    void Fail(std::string why);
    void Do(std::string what, std::function<void()> action);
    void ChooseEvent();
    QWidget* TopWindow();
    void ClickPoint(QWidget& top);
    void ClickButton(QWidget& top);
    void TriggerMenu();
    QWidget* KeyTarget(QWidget& top);
    void PressKey(QWidget& top);
    void TypeText(QWidget& top);
    void FillForm(QWidget& top);
    void CloseWindow(QWidget& top);
    void BuyBet();
    int Draw(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }
    bool Racing() const;
    // An event is under way and no window it opened is up: it is between two
    // of its steps (a dialog just closed, a race being shown), and what is on
    // screen then depends on timing.
    bool BetweenSteps() const;

    std::mt19937 random_;
    const long events_;
    const std::optional<SizeClass> size_;
    const std::filesystem::path folder_;
    CMainFrame* frame_ = nullptr;
    QTimer timer_;
    GameInvariants invariants_;
    std::deque<std::string> last_;
    std::optional<std::string> failure_;
    long done_ = 0;
    std::uint64_t trace_ = 14695981039346656037ull; // FNV-1a's offset basis
    bool log_ = false;
    bool pending_ = false; // an event is posted and has not started yet
    // For each event started and not yet returned, the modal window it started in.
    std::vector<QPointer<QWidget>> modalsAtStart_;
    bool racePauseDrawn_ = false; // whether to pause the race shown now is drawn
    std::uint32_t clockSeeds_ = 0;
};

} // namespace galloria

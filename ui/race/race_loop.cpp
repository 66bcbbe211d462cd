#include "race/race_loop.h"

#include "game/shown_race.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <cstdlib>

namespace galloria {

namespace {

constexpr qint64 kGateBellAfterMs = 1200;
constexpr qint64 kGallopAfterBellMs = 300;

} // namespace

void PumpEventsFor(long long milliseconds, const ShownRace& race)
{
    if (milliseconds <= 0)
        return;
    constexpr int kStopCheckMs = 10;
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(milliseconds), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    QTimer stopCheck;
    stopCheck.setInterval(kStopCheckMs);
    QObject::connect(&stopCheck, &QTimer::timeout, &loop, [&] {
        if (race.Stopped())
            loop.quit();
    });
    stopCheck.start();
    loop.exec();
}

void QuitDuringRace()
{
    QThread::msleep(200);
    std::exit(kQuitDuringRaceExitCode);
}

void RunRaceLoop(ShownRace& race, const std::function<void()>& showFrame,
                 const std::function<bool()>& quitRequested)
{
    QElapsedTimer stopwatch;
    stopwatch.start();
    qint64 periodNs = 0;
    qint64 deadlineNs = 0;
    bool firstShown = true;

    for (;;) {
        const qint64 waitNs = deadlineNs - stopwatch.nsecsElapsed();
        if (waitNs > 2'000'000) {
            // Sleep in the event loop until a millisecond before the deadline.
            PumpEventsFor(waitNs / 1'000'000 - 1, race);
        } else {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        if (quitRequested && quitRequested())
            QuitDuringRace();
        if (race.Stopped())
            return;
        if (stopwatch.nsecsElapsed() < deadlineNs)
            continue;
        if (!race.AdvanceFrame())
            return;
        // A slow-motion finish holds its frames longer.
        periodNs = static_cast<qint64>(race.FramePeriod() * 1e9);
        deadlineNs = stopwatch.nsecsElapsed() + periodNs;
        showFrame();
        if (firstShown) {
            firstShown = false;
            // From the gate: hold the start, ring the bell, then the gallop.
            // A race shown from the home stretch gallops at once.
            // Stopped meanwhile (a key in a replay, a cancelled pause), the
            // showing ends at once, before the bell and the gallop.
            if (race.FrameCounter() == 0) {
                PumpEventsFor(kGateBellAfterMs, race);
                if (race.Stopped())
                    return;
                race.Sounds().Play(SoundEffect::Gate);
                PumpEventsFor(kGallopAfterBellMs, race);
                if (race.Stopped())
                    return;
            }
            race.Sounds().Play(SoundEffect::Run);
            deadlineNs = stopwatch.nsecsElapsed() + periodNs;
        }
    }
}

} // namespace galloria

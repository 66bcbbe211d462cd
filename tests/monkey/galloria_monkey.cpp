// galloria-monkey: plays the real game window offscreen with seeded random
// input and checks the game's invariants after every event.
//   galloria-monkey [--seed S] [--events N] [--size 640|800|1024] [--log]
// Without --seed the seed comes from the clock; it is printed either way. A
// failure prints the seed and the last events, and the same arguments replay
// it event for event: the trace printed at the end is the same. --log prints
// every event.
#include "monkey.h"

#include "game/game_settings.h"

#include "app/game_folder.h"

#include "../ui/scoped_settings_path.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

using galloria::Monkey;

std::atomic<Monkey*> running = nullptr;
std::uint32_t seed = 0;
long events = 3000;
std::string sizeOption;            // " --size W" when the run was given one
constexpr int kAnswerSeconds = 10; // the event loop must answer within this

void Report(const char* why)
{
    const Monkey* monkey = running;
    std::fprintf(stderr, "galloria-monkey: FAILED at event %ld of %ld, seed %u: %s\nThe last events:\n",
                 monkey->EventsDone(), events, seed, why);
    for (const std::string& event : monkey->LastEvents())
        std::fprintf(stderr, "  %s\n", event.c_str());
    std::fprintf(stderr, "Replay: galloria-monkey --seed %u --events %ld%s\n", seed, events,
                 sizeOption.c_str());
}

// A crash, an uncaught exception or an exit of the game's own still reports what led to it.
void OnSignal(int signal)
{
    Report(strsignal(signal));
    std::_Exit(128 + signal);
}

void OnExit()
{
    if (running != nullptr)
        Report("the program ended in the middle of the run");
}

// Watches from its own thread that the monkey's timer keeps ticking.
void Watch()
{
    for (long seen = -1;;) {
        std::this_thread::sleep_for(std::chrono::seconds(kAnswerSeconds));
        const Monkey* monkey = running;
        if (monkey == nullptr)
            return;
        if (monkey->heartbeat == seen) {
            Report("the event loop stopped answering");
            std::_Exit(3);
        }
        seen = monkey->heartbeat;
    }
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    seed = static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::optional<galloria::SizeClass> size;
    bool log = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--log") {
            log = true;
            continue;
        }
        const char* value = i + 1 < argc ? argv[++i] : "";
        char* end = nullptr;
        const long number = std::strtol(value, &end, 10);
        if (*value == '\0' || *end != '\0' || number < 0 ||
            (option != "--seed" && option != "--events" && option != "--size"))
            return std::fprintf(stderr,
                                "usage: galloria-monkey [--seed S] [--events N] [--size 640|800|1024] "
                                "[--log]\n"),
                   2;
        if (option == "--seed")
            seed = static_cast<std::uint32_t>(number);
        else if (option == "--events")
            events = number;
        else {
            size = galloria::SizeClassForScreenWidth(static_cast<int>(number));
            sizeOption = std::string(" --size ") + value;
        }
    }
    QApplication application(argc, argv);
    QTemporaryDir home;
    galloria::ScopedSettingsPath settingsPath(home.filePath(QStringLiteral("config")));
    const QString folder = home.filePath(QStringLiteral("game"));
    if (!home.isValid() || !galloria::PrepareGameFolder(folder).entered)
        return std::fprintf(stderr, "galloria-monkey: no game folder\n"), 2;
    QSettings(QStringLiteral("Tamberlyn"), QStringLiteral("Galloria"))
        .setValue(QStringLiteral("Settings/View"), static_cast<int>(galloria::ViewRaceMode::None));

    std::printf("galloria-monkey: seed %u, %ld events\n", seed, events);
    std::fflush(stdout);
    Monkey monkey(seed, events, size, folder.toStdString());
    if (log)
        monkey.LogEvents();
    running = &monkey;
    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS})
        std::signal(signal, OnSignal);
    std::atexit(OnExit);
    std::thread(Watch).detach();

    const std::optional<std::string> failure = monkey.Run();
    if (failure)
        Report(failure->c_str());
    running = nullptr;
    if (!failure)
        std::printf("galloria-monkey: %ld events, no failure, trace %016llx\n", events,
                    static_cast<unsigned long long>(monkey.Trace()));
    return failure ? 1 : 0;
}

// The window's drawing: the racing form, a frame of the race scene, the
// runner sprites of a race, and the start-up to the first painted frame.

#include "app/game_folder.h"
#include "app/game_translation.h"
#include "app/main_frame.h"
#include "app/varn_view.h"
#include "base/game_random.h"
#include "betting/racing_form_model.h"
#include "betting/racing_form_painter.h"
#include "game/game.h"
#include "game/race_program_draw.h"
#include "race/race_call_painter.h"
#include "race/race_call_sheet.h"
#include "race/race_scene_painter.h"
#include "race/runner_livery.h"
#include "race/runner_sprites.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTransform>

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace galloria {
namespace {

// A set drawn from the starting stable, with its first race's field.
struct DrawnSet {
    DrawnSet()
    {
        ReadStableFile(GALLORIA_STARTING_STABLE, *stable);
        GameRandom random;
        random.Seed(5);
        stable->ComputeStatistics(random);
        DrawRaceProgram(state->program, *stable, random);
        // The largest field of the set, so the form has the most rows.
        for (int race = 0; race < kRacesPerSet; ++race)
            if (state->program.FieldSize(race) > state->program.FieldSize(state->raceIndex))
                state->raceIndex = race;
    }
    std::unique_ptr<Stable> stable = std::make_unique<Stable>();
    std::unique_ptr<RaceSetState> state = std::make_unique<RaceSetState>();
};

void BM_RacingFormIntoTheBackBuffer(benchmark::State& bench)
{
    const DrawnSet set;
    QImage buffer(1024, 768, QImage::Format_RGB32);
    for (auto _ : bench) {
        QPainter painter(&buffer);
        const RacingFormModel form = BuildRacingForm(*set.state, *set.stable, SortOrder::Odds, 2);
        PaintRacingForm(painter, form, SizeClass::Large);
    }
}
BENCHMARK(BM_RacingFormIntoTheBackBuffer)->Unit(benchmark::kMillisecond);

void BM_TwelveRunnerSprites(benchmark::State& bench)
{
    std::vector<std::uint32_t> colours;
    for (int k = 0; k < 12; ++k)
        colours.push_back(0x00204060u + 0x00101010u * k);
    RunnerSprites sprites;
    for (auto _ : bench) {
        sprites.Build(colours);
        benchmark::DoNotOptimize(sprites.Strip(11));
        sprites.Release();
    }
}
BENCHMARK(BM_TwelveRunnerSprites)->Unit(benchmark::kMillisecond);

// A twelve-runner race run to mid-course, with the frame that shows it.
struct TwelveRunnerRace {
    TwelveRunnerRace()
    {
        sprites.Build(std::vector<std::uint32_t>(12, 0x00336699u));
        engine.fieldSize = 12;
        random.Seed(3);
        for (int k = 0; k < 12; ++k)
            engine.speedRating[k] = engine.sprint[k] = engine.stamina[k] = engine.spontaneity[k] = 50 + k;
        for (int k = 0; k < 12; ++k) {
            frame.sprites[k] = &sprites.Strip(k);
            frame.names[k] = QStringLiteral("Runner %1").arg(k + 1);
            names.push_back("Runner " + std::to_string(k + 1));
        }
        calls = CallRace(engine, random, names, 1);
        frame.engine = &engine;
        engine.StartRace(random);
        while (engine.leaderPosition < 4500)
            engine.AdvanceTick(random);
    }
    RunnerSprites sprites;
    CRaceEngine engine;
    GameRandom random;
    std::vector<std::string> names;
    RaceCallSheet calls;
    RaceSceneFrame frame;
};

double ProcessSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

// High frames of a twelve-runner race as it is run, one engine tick each
// (the race starting again when it ends): drawn into a back buffer of
// `buffer` pixels (the layout scaled to it through the painter) and
// presented into a window of `window` pixels on a screen of `ratio` device
// pixels per pixel, as the view does. Timed by the processor time of the
// whole process (Qt shares large scaled draws out to threads of its own),
// which other work on a shared machine disturbs far less than the wall time.
void HighSceneFrame(benchmark::State& bench, QSize buffer, QSize window, double ratio = 1.0)
{
    std::vector<std::uint32_t> colours(12, 0x00336699u);
    RunnerSprites sprites;
    sprites.Build(colours);
    CRaceEngine engine;
    engine.fieldSize = 12;
    GameRandom random;
    random.Seed(3);
    for (int k = 0; k < 12; ++k)
        engine.speedRating[k] = engine.sprint[k] = engine.stamina[k] = engine.spontaneity[k] = 50 + k;
    engine.StartRace(random);

    QImage image(buffer, QImage::Format_RGB32);
    QImage screen(window * ratio, QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    const QSize fitted = QSize(1024, 768).scaled(window, Qt::KeepAspectRatio);
    const QRect target(QPoint((window.width() - fitted.width()) / 2, (window.height() - fitted.height()) / 2),
                       fitted);
    const QTransform scale = QTransform::fromScale(buffer.width() / 1024.0, buffer.height() / 768.0);
    RaceScenePainter scene(SizeClass::Large);
    RaceSceneFrame frame;
    frame.engine = &engine;
    for (int k = 0; k < 12; ++k) {
        frame.sprites[k] = &sprites.Strip(k);
        frame.names[k] = QStringLiteral("Runner %1").arg(k + 1);
    }
    {
        // What is made once for a race and a size (the course, the scaled
        // sprites of every stride) is made before the timing starts.
        QPainter painter(&image);
        painter.setTransform(scale);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, buffer != QSize(1024, 768));
        scene.SetUpCourse(painter, 0);
        for (frame.frameCounter = 0; frame.frameCounter < kSpriteFrames; ++frame.frameCounter)
            scene.DrawFrame(painter, frame);
    }
    for (auto _ : bench) {
        const double start = ProcessSeconds();
        if (engine.raceOver)
            engine.StartRace(random);
        engine.AdvanceTick(random);
        {
            QPainter painter(&image);
            painter.setTransform(scale);
            painter.setRenderHint(QPainter::SmoothPixmapTransform, buffer != QSize(1024, 768));
            ++frame.frameCounter;
            scene.DrawFrame(painter, frame);
        }
        QPainter present(&screen);
        present.setRenderHint(QPainter::SmoothPixmapTransform, target.size() * ratio != image.size());
        present.drawImage(target, image);
        present.end();
        bench.SetIterationTime(ProcessSeconds() - start);
    }
}

// 1024 x 768: the layout itself, shown pixel for pixel.
void BM_HighSceneFrame1024(benchmark::State& bench)
{
    HighSceneFrame(bench, QSize(1024, 768), QSize(1024, 768));
}
BENCHMARK(BM_HighSceneFrame1024)->UseManualTime()->Unit(benchmark::kMillisecond);

// 1920 x 1080: the buffer at the window's own pixels (1440 x 1080 of layout).
void BM_HighSceneFrame1080(benchmark::State& bench)
{
    HighSceneFrame(bench, QSize(1440, 1080), QSize(1920, 1080));
}
BENCHMARK(BM_HighSceneFrame1080)->UseManualTime()->Unit(benchmark::kMillisecond);

// 1920 x 1080 the old way: the layout-sized buffer scaled up as it is shown.
void BM_HighSceneFrame1080Scaled(benchmark::State& bench)
{
    HighSceneFrame(bench, QSize(1024, 768), QSize(1920, 1080));
}
BENCHMARK(BM_HighSceneFrame1080Scaled)->UseManualTime()->Unit(benchmark::kMillisecond);

// 3840 x 2160 at one device pixel per pixel.
void BM_HighSceneFrame2160(benchmark::State& bench)
{
    HighSceneFrame(bench, QSize(2880, 2160), QSize(3840, 2160));
}
BENCHMARK(BM_HighSceneFrame2160)->UseManualTime()->Unit(benchmark::kMillisecond);

// 1920 x 1080 on a screen of two device pixels per pixel: the buffer at the
// device's 2880 x 2160.
void BM_HighSceneFrame1080Ratio2(benchmark::State& bench)
{
    HighSceneFrame(bench, QSize(2880, 2160), QSize(1920, 1080), 2.0);
}
BENCHMARK(BM_HighSceneFrame1080Ratio2)->UseManualTime()->Unit(benchmark::kMillisecond);

// A shown race's drawing from mid-course to the finish, frame by frame, with
// the call's line drawn under the track (1) or not (0). The per-frame time
// against the 0.03 s period of speed 5 is the share of a core the race takes.
void BM_ShownRaceFrames(benchmark::State& bench)
{
    const bool withCall = bench.range(0) != 0;
    QImage image(1024, 768, QImage::Format_RGB32);
    long frames = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        TwelveRunnerRace race;
        RaceScenePainter scene(SizeClass::Large);
        RaceCallPainter call(SizeClass::Large);
        {
            QPainter painter(&image);
            scene.SetUpCourse(painter, 0);
        }
        bench.ResumeTiming();
        while (!race.engine.raceOver) {
            race.engine.AdvanceTick(race.random);
            QPainter painter(&image);
            race.frame.frameCounter = race.engine.tickCount;
            scene.DrawFrame(painter, race.frame);
            if (withCall)
                call.Draw(painter,
                          QString::fromStdString(std::string(race.calls.CallAt(race.engine.tickCount))));
            ++frames;
        }
    }
    bench.counters["per frame"] = benchmark::Counter(
        static_cast<double>(frames), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ShownRaceFrames)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// From making the main window to its first painted frame, in a game folder
// already filled as on any start after the first; in English (0) or, from
// loading its catalogue on, in German (1).
void BM_StartUpToFirstPaintedFrame(benchmark::State& bench)
{
    for (auto _ : bench) {
        QElapsedTimer timer;
        timer.start();
        InstallGameLanguage(bench.range(0) == 1 ? GameLanguage::German : GameLanguage::English);
        auto frame = std::make_unique<CMainFrame>(SizeClass::Large);
        frame->resize(1024, 800);
        frame->show();
        const QImage first = frame->View().grab().toImage();
        bench.SetIterationTime(timer.nsecsElapsed() / 1e9);
        benchmark::DoNotOptimize(first);
        frame.reset();
    }
}
BENCHMARK(BM_StartUpToFirstPaintedFrame)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

} // namespace
} // namespace galloria

int main(int argc, char** argv)
{
#if defined(__unix__)
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
    QApplication application(argc, argv);
    // The window saves and reads its files in the current folder: a scratch
    // one, so that a benchmark run leaves nothing behind.
    const QTemporaryDir gameFolder;
    galloria::PrepareGameFolder(gameFolder.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

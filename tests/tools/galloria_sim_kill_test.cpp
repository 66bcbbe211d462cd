// Kills galloria-sim in the middle of whole race sets, at moments drawn from a
// seeded generator, and checks after every kill that each file of the game
// folder is absent or whole, and that the game opens the folder again.
#include "game/unfinished_game_file.h"
#include "halloffame/score_file.h"
#include "stable/horse_record.h"

#include "../core/halloffame/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#define GALLORIA_CAN_KILL 1
#endif

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

#if GALLORIA_CAN_KILL

// Starts galloria-sim with `words`, its output thrown away.
pid_t Start(const std::vector<std::string>& words)
{
    std::vector<char*> argv;
    std::string program = GALLORIA_SIM;
    argv.push_back(program.data());
    std::vector<std::string> copies = words;
    for (std::string& word : copies)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        if (freopen("/dev/null", "w", stdout) == nullptr)
            _exit(127);
        execv(GALLORIA_SIM, argv.data());
        _exit(127);
    }
    return child;
}

// Waits for the process; its exit status, or -signal when a signal ended it.
int Wait(pid_t child)
{
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

std::vector<std::string> SetWords(const fs::path& folder, int seed, int sets)
{
    return {
        "set", "--seed", std::to_string(seed), "--players", "Ann,Bob",      "--strategy", "mixed", "--stake",
        "20",  "--sets", std::to_string(sets), "--dir",     folder.string()};
}

// What is wrong with the folder's files; empty when each is absent or whole.
std::string DamagedFiles(const fs::path& folder, bool temporariesAllowed)
{
    std::string damage;
    const std::string separator = std::string(94, '_') + "\r\n\r\n";
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        const fs::path& path = entry.path();
        const std::string name = path.filename().string();
        const std::string bytes = galloria::testing::ReadBytes(path);
        bool whole = true;
        if (path.extension() == ".tmp")
            whole = temporariesAllowed;
        else if (path.extension() == ".dat")
            whole = !bytes.empty() && bytes.size() % galloria::kHorseRecordSize == 0;
        else if (name == "GXscores.gxs")
            whole = bytes.size() == galloria::kScoreFileSize;
        else if (path.extension() == ".gxu") {
            std::size_t lines = 0;
            for (std::size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += 2)
                ++lines;
            whole = lines == 19 && bytes.ends_with("\r\n");
        } else if (path.extension() == ".txt")
            whole = bytes.ends_with(separator); // every report ends a race or a program with one
        if (!whole)
            damage += name + " (" + std::to_string(bytes.size()) + " bytes) ";
    }
    return damage;
}

TEST(GalloriaSimKill, EveryFileIsAbsentOrWholeAfterAKillAndTheFolderStillOpens)
{
    const fs::path folder = fs::temp_directory_path() / ("galloria-kill-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "data");
    fs::copy_file(GALLORIA_STARTING_STABLE, folder / "data" / "Stable.dat");
    fs::copy_file(GALLORIA_STARTING_STABLE, folder / "data" / "BackUp.dat");

    // Uninterrupted runs set the span the kills fall in, so they cover a set
    // from start to end on a fast machine and under the sanitizers alike; the
    // shorter of two, as the first one also makes the folder's files.
    auto span = std::chrono::microseconds::max();
    for (int run = 0; run < 2; ++run) {
        const Clock::time_point started = Clock::now();
        ASSERT_EQ(Wait(Start(SetWords(folder, 1 + run, 2))), 0);
        span = std::min(span, std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started));
    }

    // Fewer under the sanitizers, which make every run several times slower.
#if defined(__SANITIZE_ADDRESS__)
    constexpr int kKills = 8;
#else
    constexpr int kKills = 24;
#endif
    std::mt19937 random(17);
    std::uniform_int_distribution<long long> moment(0, span.count());
    int killed = 0;
    int wholeFolders = 0;
    for (int run = 0; run < kKills; ++run) {
        const pid_t child = Start(SetWords(folder, 100 + run, 2));
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        kill(child, SIGKILL);
        killed += Wait(child) == -SIGKILL;

        const std::string damage = DamagedFiles(folder, true);
        EXPECT_EQ(damage, "") << "after kill " << run;
        galloria::RaceSetState state;
        const fs::path autoSaved = folder / galloria::kAutoSavedGameFileName;
        if (fs::exists(autoSaved)) {
            EXPECT_TRUE(galloria::ReadUnfinishedGameFile(autoSaved, state).Complete())
                << "after kill " << run;
        }

        // The game opens the folder: a whole set is played there, and the
        // temporary files the kill left are gone.
        EXPECT_EQ(Wait(Start(SetWords(folder, 500 + run, 1))), 0) << "after kill " << run;
        const std::string afterwards = DamagedFiles(folder, false);
        EXPECT_EQ(afterwards, "") << "after the run that followed kill " << run;
        wholeFolders += damage.empty() && afterwards.empty();
    }
    std::cout << "kills: " << killed << " of " << kKills
              << " runs (the others ended first), whole folders: " << wholeFolders << " of " << kKills
              << "\n";
    RecordProperty("kills", killed);
    RecordProperty("wholeFolders", wholeFolders);
    fs::remove_all(folder);
}

#else

TEST(GalloriaSimKill, EveryFileIsAbsentOrWholeAfterAKillAndTheFolderStillOpens)
{
    GTEST_SKIP() << "killing a process needs POSIX";
}

#endif

} // namespace

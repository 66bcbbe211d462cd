#pragma once

#include "race/race_engine.h"
#include "race/race_study.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

namespace galloria {

// Each runner's chance of winning the race about to be run, measured by
// running that very field many times on threads of its own (its chunks
// shared over the machine's cores), with generators of its own, so the game's
// draws are untouched. The game starts it when the
// race has been prepared and stops it when the race starts or the set ends;
// nobody ever waits for it: the figures are read only once it reports done.
class RunnerChance {
public:
    static constexpr int kRuns = 2000;
    enum class Status { Idle, Running, Done };

    RunnerChance() = default;
    RunnerChance(const RunnerChance&) = delete;
    RunnerChance& operator=(const RunnerChance&) = delete;
    ~RunnerChance() { Stop(); }

    // Begins measuring the field that `field`'s inputs describe (see
    // StudyField) on `threads` threads, after stopping any measurement still
    // under way. The figures do not depend on the thread count.
    void Start(const CRaceEngine& field, std::uint32_t seed, int runs = kRuns,
               int threads = StudyThreadCount());
    // Stops the measurement at once (within one simulated race) and forgets
    // it; afterwards nothing of it runs and the status is Idle.
    void Stop();

    Status CurrentStatus() const;
    // The finished measurement; all zero unless the status is Done.
    const RaceStudy& Result() const;
    int FieldSize() const { return fieldSize_; }
    // The field being measured (or measured), null when Idle.
    const CRaceEngine* Inputs() const { return inputs_.get(); }

private:
    std::unique_ptr<CRaceEngine> inputs_; // the thread's copy of the field, kept until it is joined
    std::thread thread_;                  // runs the study and its helpers
    std::atomic<bool> stop_{false};
    std::atomic<bool> done_{false};
    int fieldSize_ = 0;
    RaceStudy result_{}; // written by the thread before done_ is set
};

// The text of a runner's chance in the live odds: its share of the wins as a
// percentage with one decimal ("23.5%"), "running..." while the measurement is
// under way, "-" when there is none.
std::string ChanceText(const RunnerChance& chance, int runner);

} // namespace galloria

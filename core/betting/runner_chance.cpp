#include "betting/runner_chance.h"

#include "base/screen_text.h"

#include <cstdio>

namespace galloria {

void RunnerChance::Start(const CRaceEngine& field, std::uint32_t seed, int runs, int threads)
{
    Stop();
    fieldSize_ = field.fieldSize;
    stop_.store(false);
    // The thread gets its own copy of the inputs: the game's engine runs the
    // real race while the measurement may still be stopping.
    inputs_ = std::make_unique<CRaceEngine>();
    CRaceEngine* inputs = inputs_.get();
    inputs->fieldSize = field.fieldSize;
    inputs->tippedRunner = field.tippedRunner;
    for (int k = 0; k < CRaceEngine::kMaxRunners; ++k) {
        inputs->speedRating[k] = field.speedRating[k];
        inputs->sprint[k] = field.sprint[k];
        inputs->stamina[k] = field.stamina[k];
        inputs->spontaneity[k] = field.spontaneity[k];
    }
    thread_ = std::thread([this, inputs, seed, runs, threads] {
        const RaceStudy study = StudyField(*inputs, seed, runs, &stop_, threads);
        if (stop_.load())
            return; // stopped: the figures of a part of the runs mean nothing
        result_ = study;
        done_.store(true, std::memory_order_release);
    });
}

void RunnerChance::Stop()
{
    stop_.store(true);
    if (thread_.joinable())
        thread_.join();
    done_.store(false);
    result_ = RaceStudy{};
    fieldSize_ = 0;
    inputs_.reset();
}

RunnerChance::Status RunnerChance::CurrentStatus() const
{
    if (done_.load(std::memory_order_acquire))
        return Status::Done;
    return thread_.joinable() ? Status::Running : Status::Idle;
}

const RaceStudy& RunnerChance::Result() const
{
    static const RaceStudy kNone{};
    return CurrentStatus() == Status::Done ? result_ : kNone;
}

std::string ChanceText(const RunnerChance& chance, int runner)
{
    switch (chance.CurrentStatus()) {
    case RunnerChance::Status::Idle:
        return "-";
    case RunnerChance::Status::Running:
        return Tr("LiveOdds", "running...");
    case RunnerChance::Status::Done:
        break;
    }
    const RaceStudy& study = chance.Result();
    if (runner < 0 || runner >= chance.FieldSize() || study.runs <= 0)
        return "-";
    // Tenths of a percent rounded half up, in whole numbers so that the same
    // share always reads the same.
    const long long runs = study.runs;
    const long long tenths = (2000LL * study.wins[runner] + runs) / (2 * runs);
    char text[24];
    std::snprintf(text, sizeof text, "%lld.%lld%%", tenths / 10, tenths % 10);
    return text;
}

} // namespace galloria

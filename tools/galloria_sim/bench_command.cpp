// galloria-sim bench: a fixed workload of seeded races and whole seeded sets,
// summed up in one signature of everything they decided, and the time it took.
// A change to the rules changes the signature (on purpose, and the commit says
// so); a change to how the code works must keep it.

#include "scratch_folder.h"
#include "sim_commands.h"
#include "sim_field.h"
#include "sim_set.h"

#include "base/game_random.h"
#include "betting/payouts.h"
#include "betting/race_set_state.h"
#include "game/game.h"
#include "race/race_engine.h"
#include "race/race_run.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>

namespace galloria::sim {

namespace {

namespace fs = std::filesystem;

constexpr const char* kDefaultStable = "resources/stable/Stable.dat";
constexpr int kRaceRounds = 3; // each round: every field size, untipped and tipped
constexpr std::uint32_t kRaceSeed = 2026;
constexpr std::uint32_t kSetSeed = 15;
constexpr int kSets = 2;

// A 64-bit FNV-1a checksum, a value at a time.
class Signature {
public:
    void Add(std::uint64_t value) { value_ = (value_ ^ value) * 0x100000001B3ull; }
    void Add(int value) { Add(static_cast<std::uint64_t>(static_cast<std::uint32_t>(value))); }
    void Add(double value)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        Add(bits);
    }
    std::uint64_t Value() const { return value_; }

private:
    std::uint64_t value_ = 0xCBF29CE484222325ull;
};

void AddFinish(Signature& signature, const CRaceEngine& engine)
{
    signature.Add(engine.finishedCount);
    for (int place = 0; place < engine.finishedCount; ++place) {
        signature.Add(engine.finishOrder[place]);
        signature.Add(engine.finishTime[engine.finishOrder[place]]);
    }
    signature.Add(engine.tickCount);
}

// Fields of every size from 1 to 12 with drawn characteristics and stride
// phases, each run untipped and with a tipped runner.
int RunRaces(Signature& signature)
{
    GameRandom random;
    random.Seed(kRaceSeed);
    const auto engine = std::make_unique<CRaceEngine>();
    int races = 0;
    for (int round = 0; round < kRaceRounds; ++round) {
        for (int fieldSize = 1; fieldSize <= CRaceEngine::kMaxRunners; ++fieldSize) {
            engine->fieldSize = fieldSize;
            for (int k = 0; k < fieldSize; ++k) {
                engine->speedRating[k] = random.Next() % 101;
                engine->sprint[k] = random.Next() % 101;
                engine->stamina[k] = random.Next() % 101;
                engine->spontaneity[k] = random.Next() % 101;
            }
            for (const int tipped : {-1, random.Next() % fieldSize}) {
                engine->tippedRunner = tipped;
                DrawGaitPhases(*engine, random);
                RunRaceToEnd(*engine, random);
                AddFinish(signature, *engine);
                ++races;
            }
        }
    }
    return races;
}

// Two sets of four players betting by the mixed strategy on high odds
// accuracy; after every race its finish, the payout board and the balances.
int RunSetsOfFour(Signature& signature, const fs::path& stable)
{
    const ScratchFolder folder("galloria-bench-");
    SetRunOptions options;
    options.seed = kSetSeed;
    options.players = {"Ada", "Bea", "Cal", "Dov"};
    options.strategy = Strategy::Mixed;
    options.stake = 20;
    options.sets = kSets;
    options.oddsAccuracy = 3;
    options.folder = folder.Path();
    options.startingStable = stable;
    int races = 0;
    std::ostringstream report; // the sets' own report is not wanted here
    RunSets(options, report, [&](const Game& game) {
        AddFinish(signature, game.engine);
        const PayoutBoard& pay = game.state.payouts;
        for (const double figure : {pay.winPay, pay.placePayFirst, pay.placePaySecond, pay.showPayFirst,
                                    pay.showPaySecond, pay.showPayThird, pay.exactaPay, pay.triactaPay})
            signature.Add(figure);
        for (const PlayerSlot& player : game.state.players)
            signature.Add(player.balance);
        ++races;
    });
    return races;
}

} // namespace

int RunBenchCommand(const SimArguments& arguments, std::ostream& out)
{
    if (arguments.seed || !arguments.horses.empty() || arguments.field || arguments.gait ||
        arguments.tipped || arguments.runs || arguments.players || arguments.strategy || arguments.stake ||
        arguments.sets || arguments.odds || arguments.dir || arguments.threads || arguments.json ||
        !arguments.positional.empty())
        throw UsageError("bench takes only --stable PATH (default: " + std::string(kDefaultStable) + ")");
    const fs::path stable = arguments.stablePath ? fs::path(*arguments.stablePath) : fs::path(kDefaultStable);
    if (!fs::is_regular_file(stable))
        throw FieldError("cannot read the starting stable " + stable.string() +
                         "; run bench in the source folder or name the stable with --stable PATH");

    const auto start = std::chrono::steady_clock::now();
    Signature signature;
    const int races = RunRaces(signature);
    const int setRaces = RunSetsOfFour(signature, stable);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    char line[160];
    std::snprintf(line, sizeof line,
                  "signature %016llx  (%d races, %d sets of 4 players: %d races)  %.3f s\n",
                  static_cast<unsigned long long>(signature.Value()), races, kSets, setRaces, seconds);
    out << line;
    return 0;
}

} // namespace galloria::sim

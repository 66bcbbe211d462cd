// The engine runs inside the race loop and, many times over, inside the odds
// simulation; it must not touch the heap. This executable replaces the global
// allocation functions to count every allocation made while races run.

#include "race/race_engine.h"

#include "base/game_random.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocations{0};

void* CountedAllocate(std::size_t size)
{
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size)
{
    return CountedAllocate(size);
}

void* operator new[](std::size_t size)
{
    return CountedAllocate(size);
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace galloria {
namespace {

TEST(RaceEngineAllocation, WholeRacesAllocateNothing)
{
    GameRandom random;
    random.Seed(4242);
    CRaceEngine engine;
    for (int fieldSize : {12, 1, 7}) {
        engine.fieldSize = fieldSize;
        for (int k = 0; k < fieldSize; ++k) {
            engine.speedRating[k] = random.Next() % 101;
            engine.sprint[k] = random.Next() % 101;
            engine.stamina[k] = random.Next() % 101;
            engine.spontaneity[k] = random.Next() % 101;
            engine.gaitPhase[k] = random.Next() % 11;
        }
        engine.tippedRunner = fieldSize - 1;

        const long before = allocations.load();
        engine.StartRace(random);
        while (!engine.raceOver)
            engine.AdvanceTick(random);
        const long during = allocations.load() - before;

        EXPECT_EQ(during, 0) << "field of " << fieldSize;
        EXPECT_EQ(engine.finishedCount, fieldSize);
    }
}

// The counter itself must see allocations, or the test above proves nothing.
TEST(RaceEngineAllocation, CounterSeesAllocations)
{
    const long before = allocations.load();
    int* volatile probe = new int(7); // volatile: the pair may not be optimised away
    delete probe;
    EXPECT_EQ(allocations.load() - before, 1);
}

} // namespace
} // namespace galloria

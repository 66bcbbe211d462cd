// Writes the recorded races that the replay test compares the engine with:
//   galloria-race-replay-recorder tests/core/race/data/race_replay.txt
// Run it only when a rule of the race changes on purpose, and say so in the
// commit; a change to how the engine works must leave the file as it is.

#include "race_replay.h"

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace galloria;
    if (argc != 2) {
        std::fprintf(stderr, "usage: galloria-race-replay-recorder OUTPUT\n");
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out,
                 "# Recorded races of the race engine: race index, ticks, then the running checksum\n"
                 "# of the race state after every %d ticks and after the last tick.\n"
                 "# Written by galloria-race-replay-recorder; %d races.\n",
                 replay::kCheckpointTicks, replay::kRaceCount);
    CRaceEngine engine;
    for (int index = 0; index < replay::kRaceCount; ++index) {
        const replay::RaceRecord record = replay::RunReplayRace(index, engine);
        std::fprintf(out, "%d %d", index, record.ticks);
        for (const std::uint32_t checkpoint : record.checkpoints)
            std::fprintf(out, " %08x", checkpoint);
        std::fprintf(out, "\n");
    }
    if (std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}

#pragma once

#include "stable/horse_record.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace galloria {

class GameRandom;
class Stable;

// What the game shows about a horse, derived from its history at every load.
struct HorseStatistics {
    int bestTime = 0;                // fastest non-zero time below 1000 fifths; 0 = none
    std::uint32_t hiWin = 0;         // largest single win, dollars
    std::uint32_t totalEarnings = 0; // over the last 20 races, dollars
    int firsts = 0;
    int seconds = 0;
    int thirds = 0;
    double ratingOdds = 0.0; // the input of every race's odds
    int lastFinish = 0;      // place in the last race; 0 = none
    int lastPurse = 0;
};

// The outcome of reading one stable file.
struct StableFileResult {
    enum class Status {
        Read,             // at least one complete record
        CannotOpen,       // missing or unreadable
        NoCompleteRecord, // opened, but shorter than one record
    };
    Status status = Status::CannotOpen;
    std::string message; // for the player, empty when Read

    bool ok() const { return status == Status::Read; }
};

// Reads the records of any stable file into `stable` (records and count only,
// at most 2000; a trailing partial record is ignored). Touches no other file.
// Anything but a regular file (a folder, say) counts as a file that cannot be
// opened.
StableFileResult ReadStableFile(const std::filesystem::path& path, Stable& stable);

// The whole records at the start of a stable file's bytes, at most 2000, into
// `stable` (records and count only).
StableFileResult DecodeStableBytes(std::string_view bytes, Stable& stable);

// How adding a horse to a stable file went.
enum class StableAppend {
    Written,
    StableFull,  // the file already holds 2000 horses: the new one could never be loaded
    CannotRead,  // something that is not a readable stable file stands there: left alone
    CannotWrite, // the new file could not be written: the old one is as it was
};

// Adds `horse` after the whole records of the stable file at `path` and
// writes the file whole again, so a file that ends in part of a record (an
// interrupted write of some other program) is repaired rather than
// misaligned. A missing file is made of `whenMissing` and the horse, so that
// a stable that lost its file does not come back as one horse.
StableAppend AppendHorseToStableFile(const std::filesystem::path& path, const HorseRecord& horse,
                                     std::span<const HorseRecord> whenMissing = {});

// Writes `horses` to `path` as a stable file, replacing the file whole; false
// when it could not be written.
bool WriteStableFile(const std::filesystem::path& path, std::span<const HorseRecord> horses);

// The stable in memory: up to 2000 horses, their statistics and the files
// "data/Stable.dat" and its safety copy "data/BackUp.dat" under `folder`.
// Loading a good stable file refreshes the backup from it; a missing or empty
// stable file is restored from the backup. Failed writes are silent: memory
// keeps the change.
class Stable {
public:
    static constexpr int kMaxHorses = 2000;
    static constexpr int kBackupMissingExitCode = 33;

    enum class LoadResult {
        FromStable,    // the stable file was read (and the backup refreshed)
        FromBackup,    // the stable file was missing or empty; the backup was read
        BackupMissing, // the backup was needed and could not be opened: count is 0
    };

    // A refusal of AddHorse, for the caller to show; empty when the horse was added.
    using AddHorseError = std::string;

    Stable();

    LoadResult Load(GameRandom& random);
    // Load as the game does it: the process ends with exit code 33 when the
    // backup is needed and missing.
    void LoadOrExit(GameRandom& random);

    // Writes all records to the backup when a refresh is pending, else to the stable file.
    void Save();

    // Appends a new horse in memory and to the file (AppendHorseToStableFile).
    // Refused, with nothing changed or written, when the stable or its file is
    // full or the name is empty or longer than 29 characters.
    AddHorseError AddHorse(std::string_view name, std::uint8_t speed, std::uint8_t sprint,
                           std::uint8_t stamina, std::uint8_t spontaneity, std::uint32_t colour,
                           GameRandom& random);

    // Rewrites the stable file without the horses numbered (1-based) in
    // `numbers` and loads it again; the later horses close up.
    void DeleteHorses(std::span<const int> numbers, GameRandom& random);

    void ComputeStatistics(GameRandom& random);

    // Records a finished race with purse `purse` for its runners, given by
    // stable index in finishing order with their times in fifths of a second.
    // The purse goes 60/30/10 to the first three; rating odds improve for the
    // winner and lengthen for everyone else.
    void RecordRaceResult(std::span<const int> stableIndexByPlace, std::span<const int> finishTimeByPlace,
                          int purse);

    std::filesystem::path StablePath() const { return folder / "data" / "Stable.dat"; }
    std::filesystem::path BackupPath() const { return folder / "data" / "BackUp.dat"; }

    HorseRecord records[kMaxHorses];
    HorseStatistics statistics[kMaxHorses];
    int count = 0;
    bool loadedFromBackup = false;
    bool backupRefreshPending = false;
    int nextRaceSelection[12]; // stable indices for the next race; -1 = empty
    std::filesystem::path folder = ".";
};

} // namespace galloria

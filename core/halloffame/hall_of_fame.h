#pragma once

#include "halloffame/date_stamp.h"
#include "halloffame/score_entry.h"
#include "halloffame/score_file.h"
#include "halloffame/set_result_input.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace galloria {

// The twelve ranked lists of the best race-set results played on this
// computer, kept in the score file, and their update at the end of a set.
// One object lives as long as the game.
class HallOfFame {
public:
    static constexpr std::string_view kFileName = "GXscores.gxs";
    static constexpr int kSlotCount = 4;
    // The `who` of the team's merge; the player slots are 0..3.
    static constexpr int kTeam = kSlotCount;

    // Called during the end-of-set update for a slot that has just become the
    // best of the Web Ten list with more than 9999: the high-score export.
    using WebTenBestHook = std::function<void(int slot)>;

    // Folder of the score file; "." is the current directory, as the game uses it.
    std::filesystem::path folder = ".";
    LocalClock clock = SystemLocalTime;

    // Date (M-D-YYYY) and time (H:M) of the last StampDateTime; the reports and
    // the game files take their stamps from here.
    std::string today;
    std::string now;

    ScoreTable table = VacantScoreTable();
    // Each slot's candidate values of the set being recorded (FillSetResultRow).
    std::array<ScoreRow, kSlotCount> results{};

    std::filesystem::path FilePath() const { return folder / kFileName; }

    // Reads the score file into the table. Without a score file a fresh one of
    // empty lists is written; a file that exists but cannot be read, or
    // anything that is not a regular file in its place, leaves the lists as
    // they are. Stale temporary files of interrupted saves in the folder are
    // removed first.
    void Load();

    // Writes the table to the score file, trying once more if the first write
    // fails. The lists and any old file stay as they were when both fail.
    bool Save();

    // Empties every list and saves.
    bool Reset();

    // Sets today and now from the clock.
    void StampDateTime();

    // Computes slot's candidate values from the set's figures into results[slot].
    // With kTeam, computes the team's combined winnings into entry 7 of
    // results[0] and merges them into the Team list at once.
    void FillSetResultRow(int who, const SetResultInput& input);

    // Ages the Day and Month lists, merges one slot's results row (or the
    // team's value) into the lists and saves the score file. Returns true when
    // a slot has just become the best of the Web Ten list with more than 9999.
    bool MergeIntoHallOfFame(int who);

    // The whole end-of-set update: every slot in turn, each followed by the
    // export hook when its merge returns true, then the team when more than
    // one player took part. The score file is written once per merge.
    void RecordEndOfSet(const SetResultInput& input, const WebTenBestHook& onWebTenBest = {});

private:
    void AgeDayAndMonthLists();
    bool MergeSlot(int slot);
    void MergeTeam();
    // Makes room in `list` for a value of `candidate` and returns the row it
    // takes, or -1 when the value does not enter the list.
    int OpenRowFor(int list, int candidate);
};

} // namespace galloria

#pragma once

#include "base/game_random.h"
#include "base/settings_store.h"
#include "base/sound_effect.h"
#include "halloffame/hall_of_fame.h"
#include "halloffame/set_result_input.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace galloria {

// Where the export keeps its values in the settings store.
inline constexpr std::string_view kHighSection = "Settings";
inline constexpr std::string_view kHighKey = "High"; // largest money won in a set that was offered a file
inline constexpr std::string_view kFileNumberSection = "Size";
inline constexpr std::string_view kFileNumberKey = "File"; // names the export file; 0 = not drawn yet
inline constexpr std::string_view kFirstNameKey = "First";
inline constexpr std::string_view kLastNameKey = "Last";
inline constexpr std::string_view kCityKey = "City";
inline constexpr std::string_view kCountryKey = "Country";
inline constexpr std::string_view kEmailKey = "Email";

// The player's details that head the export file, asked for in the details
// dialog and remembered in the settings store (section "Settings").
struct PersonalDetails {
    std::string first;
    std::string last;
    std::string city;
    std::string country;
    std::string email;

    // The details dialog accepts them only when none of the five is empty.
    bool Complete() const;

    bool operator==(const PersonalDetails&) const = default;
};

PersonalDetails LoadPersonalDetails(const SettingsStore& settings);
void StorePersonalDetails(SettingsStore& settings, const PersonalDetails& details);

// "gxHigh" + the file number + ".txt".
std::string HighScoreFileName(int fileNumber);

// The verification line: for each decimal digit of the balance, last digit
// first, three characters taken from the game's code table.
std::string VerificationCode(std::int32_t balance);

// The code-table number that follows the file number in the file.
std::string CheckCode(std::int32_t balance, int fileNumber);

// The whole export file, every line ended by CR LF.
std::string HighScoreFileText(const PersonalDetails& details, std::int32_t balance, std::string_view date,
                              int fileNumber);

// The four lines of the notice that tells the player the file was written.
std::array<std::string, 4> HighScoreNoticeLines(int fileNumber);

// What the export needs of the user interface.
class HighScoreExportHost {
public:
    virtual ~HighScoreExportHost() = default;

    virtual void PlaySound(SoundEffect sound) = 0;

    // Shows the details dialog filled with `stored`, modally. The five texts
    // on OK; nothing when the player cancels.
    virtual std::optional<PersonalDetails> AskPersonalDetails(const PersonalDetails& stored) = 0;

    // The praising notice box with these four lines.
    virtual void ShowHighScoreNotice(const std::array<std::string, 4>& lines) = 0;

    // A message box for a file that could not be written.
    virtual void ShowExportFailed(const std::string& message) = 0;
};

enum class HighScoreExportOutcome {
    NotAHigh,    // the set did not win more than "High": nothing happened
    Cancelled,   // the player cancelled the details: "High" is kept, no file
    Written,     // the file was written and the notice shown
    WriteFailed, // the file could not be written; the player was told
};

struct HighScoreExportResult {
    HighScoreExportOutcome outcome = HighScoreExportOutcome::NotAHigh;
    int fileNumber = 0;         // the number naming the file, once known
    std::filesystem::path path; // the file written or tried
};

// Writes the high-score file a player can send to have a new best of the Web
// Ten list posted on the maker's website. Run for a slot whose merge into the
// hall of fame returned true.
class HighScoreExport {
public:
    HighScoreExport(SettingsStore& settings, GameRandom& random, HighScoreExportHost& host)
        : settings_(settings), random_(random), host_(host)
    {
    }

    // Folder of the export file; "." is the current directory, as the game uses it.
    std::filesystem::path folder = ".";
    // Seeds the generator before the file number's second draw; the game uses the clock.
    std::function<std::uint32_t()> clockSeed = ClockSeed;

    // The export for a player who ended the set with `balance` having started it
    // with `startBalance`, dated `date`. The money won must beat "High", which
    // then takes it at once, even if the player cancels the details. The first
    // export draws the file number and keeps it under "File", so every later
    // export rewrites the same file. The notice is shown only once the file
    // has been written.
    HighScoreExportResult Export(std::int32_t balance, std::int32_t startBalance, std::string_view date);

    // The hook for HallOfFame::RecordEndOfSet: exports for the slot of `input`
    // that has just become the best of the Web Ten list, dated with the hall
    // of fame's today. The hook refers to this object, `input` and
    // `hallOfFame`, which must outlive it.
    HallOfFame::WebTenBestHook HookFor(const SetResultInput& input, const HallOfFame& hallOfFame);

    static std::uint32_t ClockSeed();

private:
    // The file number: the one kept, or `firstDraw` and a draw after reseeding.
    int FileNumber(int stored, int firstDraw);

    SettingsStore& settings_;
    GameRandom& random_;
    HighScoreExportHost& host_;
};

} // namespace galloria

#include "halloffame/high_score_export.h"

#include "base/file_io.h"
#include "base/screen_text.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <limits>

namespace galloria {
namespace {

// The game's own code table for the verification lines. Stored in files that
// players send in, so the values must never change.
constexpr std::array<int, 31> kCodeTable = {
    48213, 70592, 13877, 65041, 29768, 81350, 57126, 34909, 92485, 16632, 73019,
    40857, 88264, 25193, 61748, 19506, 83371, 52980, 37615, 95042, 21459, 68837,
    44120, 77603, 10984, 59271, 86548, 32096, 74315, 27760, 90438,
};
constexpr int kCodeCount = static_cast<int>(kCodeTable.size());
constexpr std::size_t kGroupLength = 3;

// Each half of the file number is a draw modulo this.
constexpr int kFileNumberDraw = 9999;
constexpr int kFileNumberHighFactor = 10000;
// A drawn number of 0 would read as "not drawn yet"; redraw this often at most.
constexpr int kFileNumberTries = 100;

constexpr std::array<std::string_view, 11> kInstructions = {
    "This file is automatically created",
    "or updated whenever a new high score",
    "is achieved over 80,000 points.",
    "",
    "Send this file as an attachment in an",
    "email to Tamberlyn and your high score will",
    "be posted on the Website.",
    "",
    "You can change your personal info",
    "if it is incorrect but do not change",
    "the numbers below :4)",
};

// The decimal digits of |balance|, last digit first.
std::string DigitsLastFirst(std::int32_t balance)
{
    std::int64_t rest = std::abs(static_cast<std::int64_t>(balance));
    std::string digits;
    do {
        digits += static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    return digits;
}

// A detail as one line of the file: a line break or other control character
// typed or pasted into a box would shift every later line.
std::string OneLine(std::string_view text)
{
    std::string line(text);
    for (char& c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            c = ' ';
    }
    return line;
}

PersonalDetails OneLineDetails(const PersonalDetails& details)
{
    return {OneLine(details.first), OneLine(details.last), OneLine(details.city), OneLine(details.country),
            OneLine(details.email)};
}

void AppendLine(std::string& text, std::string_view line)
{
    text += line;
    text += kLineEnd;
}

} // namespace

bool PersonalDetails::Complete() const
{
    return !first.empty() && !last.empty() && !city.empty() && !country.empty() && !email.empty();
}

PersonalDetails LoadPersonalDetails(const SettingsStore& settings)
{
    return {settings.GetString(kHighSection, kFirstNameKey, ""),
            settings.GetString(kHighSection, kLastNameKey, ""),
            settings.GetString(kHighSection, kCityKey, ""), settings.GetString(kHighSection, kCountryKey, ""),
            settings.GetString(kHighSection, kEmailKey, "")};
}

void StorePersonalDetails(SettingsStore& settings, const PersonalDetails& details)
{
    settings.SetString(kHighSection, kFirstNameKey, details.first);
    settings.SetString(kHighSection, kLastNameKey, details.last);
    settings.SetString(kHighSection, kCityKey, details.city);
    settings.SetString(kHighSection, kCountryKey, details.country);
    settings.SetString(kHighSection, kEmailKey, details.email);
}

std::string HighScoreFileName(int fileNumber)
{
    return "gxHigh" + std::to_string(fileNumber) + ".txt";
}

std::string VerificationCode(std::int32_t balance)
{
    // Digit d at place k (0 = last digit) takes entry (7d + 3k) mod 31 and
    // three of its five digits, starting at k mod 3, so equal digits at
    // different places give different groups.
    const std::string digits = DigitsLastFirst(balance);
    std::string code;
    for (std::size_t place = 0; place < digits.size(); ++place) {
        const int digit = digits[place] - '0';
        const int entry = (7 * digit + 3 * static_cast<int>(place)) % kCodeCount;
        code += std::to_string(kCodeTable[entry]).substr(place % 3, kGroupLength);
    }
    return code;
}

std::string CheckCode(std::int32_t balance, int fileNumber)
{
    // The entry is picked by the digit sum of the balance and the file number.
    int digitSum = 0;
    for (const char digit : DigitsLastFirst(balance))
        digitSum += digit - '0';
    const int entry = (digitSum + std::abs(fileNumber % kCodeCount)) % kCodeCount;
    return std::to_string(kCodeTable[entry]);
}

std::string HighScoreFileText(const PersonalDetails& details, std::int32_t balance, std::string_view date,
                              int fileNumber)
{
    const PersonalDetails lines = OneLineDetails(details);
    std::string text;
    AppendLine(text, lines.first);
    AppendLine(text, lines.last);
    AppendLine(text, lines.city);
    AppendLine(text, lines.country);
    AppendLine(text, lines.email);
    AppendLine(text, "");
    AppendLine(text, "");
    AppendLine(text, std::to_string(balance));
    AppendLine(text, OneLine(date));
    AppendLine(text, VerificationCode(balance));
    AppendLine(text, std::to_string(fileNumber));
    AppendLine(text, CheckCode(balance, fileNumber));
    AppendLine(text, "");
    AppendLine(text, "");
    for (const std::string_view line : kInstructions)
        AppendLine(text, line);
    return text;
}

std::array<std::string, 4> HighScoreNoticeLines(int fileNumber)
{
    return {Tr("Notice", "New high earnings over 20,000"),
            FillIn(Tr("Notice", "A file named %1 was"), {HighScoreFileName(fileNumber)}),
            Tr("Notice", "placed in the main folder."), Tr("Notice", "Email this file to Tamberlyn")};
}

std::uint32_t HighScoreExport::ClockSeed()
{
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(seconds.count());
}

int HighScoreExport::FileNumber(int stored, int firstDraw)
{
    if (stored > 0)
        return stored;
    random_.Seed(clockSeed());
    int number = 0;
    for (int attempt = 0; attempt < kFileNumberTries && number == 0; ++attempt)
        number = firstDraw + (random_.Next() % kFileNumberDraw) * kFileNumberHighFactor;
    // Only when every draw came out 0 does the number need a nudge off "not drawn".
    return number == 0 ? 1 : number;
}

HighScoreExportResult HighScoreExport::Export(std::int32_t balance, std::int32_t startBalance,
                                              std::string_view date)
{
    HighScoreExportResult result;
    const std::int64_t won = static_cast<std::int64_t>(balance) - startBalance;
    if (won <= settings_.GetInt(kHighSection, kHighKey, 0))
        return result;
    settings_.SetInt(kHighSection, kHighKey,
                     static_cast<int>(std::min<std::int64_t>(won, std::numeric_limits<int>::max())));

    // A stored number below 1 (0, or a damaged value) means none was drawn yet.
    const int stored = settings_.GetInt(kFileNumberSection, kFileNumberKey, 0);
    const int firstDraw = stored > 0 ? 0 : random_.Next() % kFileNumberDraw;

    host_.PlaySound(SoundEffect::Pop);
    const std::optional<PersonalDetails> answer = host_.AskPersonalDetails(LoadPersonalDetails(settings_));
    if (!answer) {
        result.outcome = HighScoreExportOutcome::Cancelled;
        return result;
    }
    const PersonalDetails details = OneLineDetails(*answer);
    StorePersonalDetails(settings_, details);

    result.fileNumber = FileNumber(stored, firstDraw);
    if (result.fileNumber != stored)
        settings_.SetInt(kFileNumberSection, kFileNumberKey, result.fileNumber);
    result.path = folder / HighScoreFileName(result.fileNumber);

    if (!ReplaceFile(result.path, HighScoreFileText(details, balance, date, result.fileNumber))) {
        result.outcome = HighScoreExportOutcome::WriteFailed;
        host_.ShowExportFailed(
            FillIn(Tr("HallOfFame", "The high score file %1 could not be written in the main folder."),
                   {HighScoreFileName(result.fileNumber)}));
        return result;
    }
    result.outcome = HighScoreExportOutcome::Written;
    host_.ShowHighScoreNotice(HighScoreNoticeLines(result.fileNumber));
    return result;
}

HallOfFame::WebTenBestHook HighScoreExport::HookFor(const SetResultInput& input, const HallOfFame& hallOfFame)
{
    return [this, &input, &hallOfFame](int slot) {
        if (slot < 0 || slot >= static_cast<int>(input.slots.size()))
            return;
        const SlotResultInput& player = input.slots[static_cast<std::size_t>(slot)];
        Export(player.balance, player.startBalance, hallOfFame.today);
    };
}

} // namespace galloria

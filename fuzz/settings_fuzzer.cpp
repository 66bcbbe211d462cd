// The values of the settings store, which another program or a hand-edited
// file can fill with anything: the settings read from them keep their ranges
// and save and read back unchanged, and the results file's stored suffix
// always names one of the ten results files.
//
// The high-score export's stored values (file number, personal details) make
// its file name and text without harm for any balance.
//
// Input: the integer settings as four bytes each, then the export's file
// number and a balance, then the texts for the four player names, the results
// suffix and the five personal details, separated by NUL bytes.
#include "fuzz_check.h"

#include "base/settings_store.h"
#include "game/game_settings.h"
#include "halloffame/high_score_export.h"
#include "reports/results_file_name.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace galloria;
    MemorySettingsStore store;
    const std::string_view intKeys[] = {kSortKey,    kSoundOnKey, kSpeedKey, kViewKey,
                                        kGraphicKey, kOddsKey,    kOwnerKey};
    std::size_t at = 0;
    for (const std::string_view key : intKeys) {
        if (at + 4 > size)
            break;
        std::int32_t value = 0;
        std::memcpy(&value, data + at, 4);
        store.SetInt(kSettingsSection, key, value);
        at += 4;
    }
    std::int32_t balance = 0;
    if (at + 8 <= size) {
        std::int32_t fileNumber = 0;
        std::memcpy(&fileNumber, data + at, 4);
        std::memcpy(&balance, data + at + 4, 4);
        store.SetInt(kFileNumberSection, kFileNumberKey, fileNumber);
        at += 8;
    }
    std::string_view rest(reinterpret_cast<const char*>(data) + at, size - at);
    const auto nextText = [&rest](std::string_view& text) {
        if (rest.empty())
            return false;
        const std::size_t end = rest.find('\0');
        text = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        return true;
    };
    std::string_view text;
    for (const std::string_view key : kPlayerNameKeys) {
        if (nextText(text))
            store.SetString(kSettingsSection, key, text);
    }
    if (nextText(text))
        store.SetString(kResultSuffixSection, kResultSuffixKey, text);
    for (const std::string_view key : {kFirstNameKey, kLastNameKey, kCityKey, kCountryKey, kEmailKey}) {
        if (nextText(text))
            store.SetString(kHighSection, key, text);
    }

    const GameSettings settings = LoadSettings(store);
    FUZZ_CHECK(settings.animationSpeed >= kMinAnimationSpeed &&
               settings.animationSpeed <= kMaxAnimationSpeed);
    FUZZ_CHECK(settings.oddsAccuracy >= kMinOddsAccuracy && settings.oddsAccuracy <= kMaxOddsAccuracy);
    FUZZ_CHECK(settings.soundSetting == 0 || settings.soundSetting == 1);
    FUZZ_CHECK(settings.ownershipSetting == 0 || settings.ownershipSetting == 1);
    MemorySettingsStore saved;
    SaveSettings(settings, saved);
    FUZZ_CHECK(LoadSettings(saved) == settings);

    const std::string suffix = StoredResultSuffix(store);
    FUZZ_CHECK(IsResultSuffix(suffix));
    FUZZ_CHECK(ResultsFileName(suffix).size() == 12);
    FUZZ_CHECK(IsResultSuffix(NextResultSuffix(suffix)) && NextResultSuffix(suffix) != suffix);

    const int fileNumber = store.GetInt(kFileNumberSection, kFileNumberKey, 0);
    const std::string exportName = HighScoreFileName(fileNumber);
    FUZZ_CHECK(exportName.find_first_of("/\\") == std::string::npos);
    FUZZ_CHECK(!VerificationCode(balance).empty());
    (void)CheckCode(balance, fileNumber);
    const std::string exportText =
        HighScoreFileText(LoadPersonalDetails(store), balance, "1-1-2004", fileNumber);
    FUZZ_CHECK(exportText.ends_with("\r\n"));
    return 0;
}

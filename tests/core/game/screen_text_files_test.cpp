#include "base/screen_text.h"
#include "game_in_folder.h"

#include <gtest/gtest.h>

#include <map>

namespace galloria::testing {
namespace {

// A language that rewrites every text, so any text it reaches shows.
std::string Bracketed(const char*, const char* source)
{
    return "\u27e6" + std::string(source) + "\u27e7";
}

struct PlayedSet {
    std::map<std::filesystem::path, std::string> files; // by path within the game folder
    std::map<MemorySettingsStore::Key, std::string> settings;
    std::vector<std::string> shown; // titles, tips and messages, in order
};

// A seeded set of ten races with Win and boxed Exacta wheels on every race,
// one seat "Not In Game", and the hall of fame joined at its end.
PlayedSet PlaySet(ScreenTextTranslator translator)
{
    SetScreenTextTranslator(translator);
    GameInFolder played;
    played.host.bettor = [](BettingWindowModel& window) {
        BuyWin(window, 0, 100, 0);
        window.ChoosePlayer(2);
        TypeAmount(window, 50);
        window.ChooseType(BetType::Exacta, true);
        window.ChooseRunner(1);
        window.ChooseRunner(HorseAll);
        window.Buy();
    };
    played.StartSet({"Ann", "Not In Game", "Bo", ""});
    played.RunAndMoveOn(kRacesPerSet);
    SetScreenTextTranslator(nullptr);

    PlayedSet set;
    set.settings = played.store.Values();
    for (const auto& entry : std::filesystem::recursive_directory_iterator(played.folder.Path())) {
        if (entry.is_regular_file())
            set.files[entry.path().lexically_relative(played.folder.Path())] = ReadBytes(entry.path());
    }
    set.shown = played.host.titles;
    set.shown.insert(set.shown.end(), played.host.tips.begin(), played.host.tips.end());
    set.shown.insert(set.shown.end(), played.host.setTitles.begin(), played.host.setTitles.end());
    return set;
}

TEST(ScreenTextFiles, ALanguageChangesWhatIsShownAndNoByteOfTheGameFiles)
{
    const PlayedSet english = PlaySet(nullptr);
    const PlayedSet translated = PlaySet(Bracketed);

    ASSERT_GT(english.files.size(), 4u);
    ASSERT_EQ(translated.files.size(), english.files.size());
    for (const auto& [path, bytes] : english.files)
        EXPECT_TRUE(translated.files.at(path) == bytes) << path << " differs in the other language";
    EXPECT_EQ(translated.settings, english.settings);
    EXPECT_EQ(translated.settings.at({"Settings", "Player2"}), "Not In Game");

    // The translator was in the path of what the host received.
    ASSERT_EQ(translated.shown.size(), english.shown.size());
    EXPECT_NE(translated.shown, english.shown);
    EXPECT_EQ(english.shown.back().find("\u27e6"), std::string::npos);
    EXPECT_EQ(translated.shown.back().find("\u27e6"), 0u);
}

} // namespace
} // namespace galloria::testing

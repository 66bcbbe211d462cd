#include "game/player_names_model.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

using Texts = std::array<std::string, kPlayerSlots>;

PlayerNamesModel OpenedWith(const Texts& texts)
{
    PlayerNamesModel model;
    model.Open(texts);
    return model;
}

TEST(PlayerNamesModel, OpeningSelectsTheEntriesTheTextsName)
{
    const PlayerNamesModel model = OpenedWith({"Not In Game", "", "Ann", "Christopherson"});
    EXPECT_EQ(model.Selection(0), kNotInGameEntry);
    EXPECT_EQ(model.Selection(1), kBlankEntry);
    EXPECT_EQ(model.Selection(2), kTypedText);
    EXPECT_EQ(model.Text(2), "Ann");
    EXPECT_EQ(model.Selection(3), kTypedText);
    EXPECT_EQ(model.Text(3), "Christophe"); // cut to the ten letters a box takes
}

TEST(PlayerNamesModel, NamesAreCutToTenLettersNotBytes)
{
    EXPECT_EQ(CutPlayerName("abcdefghijk"), "abcdefghij");
    EXPECT_EQ(CutPlayerName("Zoë"), "Zoë");
    // Eleven two-byte letters: ten are kept, with no half letter at the end.
    EXPECT_EQ(CutPlayerName("ääääääääääö"), "ääääääääää");
    EXPECT_EQ(CutPlayerName(""), "");
    // The list entry is longer than a name but is shown whole.
    EXPECT_EQ(NameBoxText("Not In Game"), "Not In Game");
    EXPECT_EQ(NameBoxText("Not In Games"), "Not In Gam");

    PlayerNamesModel model;
    model.TypeText(1, "Bartholomew");
    EXPECT_EQ(model.Text(1), "Bartholome");
    EXPECT_EQ(model.Selection(1), kTypedText);
}

TEST(PlayerNamesModel, PlayTakesTypedNamesAndLeavesOutEntriesAndEmptyTexts)
{
    PlayerNamesModel fresh = OpenedWith({"Not In Game", "Not In Game", "Not In Game", "Not In Game"});
    PlayerNamesAnswer answer = fresh.Play();
    EXPECT_TRUE(answer.Accepted());
    EXPECT_EQ(answer.playerCount, 0);
    EXPECT_EQ(answer.names, Texts{});

    PlayerNamesModel model = OpenedWith({"Ann", "Bob", "Not In Game", ""});
    model.ChooseEntry(1, kNotInGameEntry);
    model.TypeText(2, "Cy");
    model.TypeText(3, "");
    answer = model.Play();
    EXPECT_TRUE(answer.Accepted());
    EXPECT_EQ(answer.names, (Texts{"Ann", "", "Cy", ""}));
    EXPECT_EQ(answer.playerCount, 2);
    EXPECT_EQ(model.ResultNames(), (Texts{"Ann", "Not In Game", "Cy", ""}));
    // What the boxes show is what the next dialog starts with.
    EXPECT_EQ(model.Texts(), (Texts{"Ann", "Not In Game", "Cy", ""}));

    // A box reporting an entry's text means the entry, not a typed name.
    model.TypeText(0, "Not In Game");
    EXPECT_EQ(model.Selection(0), kNotInGameEntry);
    EXPECT_EQ(model.Text(0), "Not In Game");
    model.TypeText(2, "");
    EXPECT_EQ(model.Selection(2), kBlankEntry);
    answer = model.Play();
    EXPECT_TRUE(answer.Accepted());
    EXPECT_EQ(answer.playerCount, 0);
    // A result that still names the entry's text as typed leaves the slot out.
    answer =
        ReadPlayerNames({"Not In Game", "Ann", "", ""}, {kTypedText, kTypedText, kTypedText, kTypedText});
    EXPECT_TRUE(answer.Accepted());
    EXPECT_EQ(answer.names, (Texts{"", "Ann", "", ""}));
}

TEST(PlayerNamesModel, OnlyANameOfBlanksIsRefused)
{
    PlayerNamesModel model = OpenedWith({"Ann", "", "", ""});

    model.TypeText(1, "   ");
    PlayerNamesAnswer answer = model.Play();
    EXPECT_FALSE(answer.Accepted());
    EXPECT_EQ(answer.refusal, "Names can't be all blank characters.\n\nIf you are trying to exclude a player "
                              "from this\ngame, select the first option: Not In Game");
    EXPECT_EQ(answer.refusedSlot, 1);
    EXPECT_EQ(answer.playerCount, 0);
    EXPECT_EQ(answer.names, Texts{});
    EXPECT_EQ(model.Text(1), "   "); // kept for the dialog's next showing

    // Saved games escape blanks and the word "none", so these are names.
    model.TypeText(1, "Bob");
    for (const char* name : {"Ann Lee", " Ann", "Ann\tLee", "none", "NONE"}) {
        model.TypeText(2, name);
        answer = model.Play();
        EXPECT_TRUE(answer.Accepted()) << name;
        EXPECT_EQ(answer.names, (Texts{"Ann", "Bob", name, ""}));
        EXPECT_EQ(answer.playerCount, 3);
    }
}

TEST(PlayerNamesModel, TheFirstRefusedSlotDecidesAndChosenEntriesAreNeverRefused)
{
    const std::array<int, kPlayerSlots> typed = {kTypedText, kTypedText, kTypedText, kTypedText};
    PlayerNamesAnswer answer = ReadPlayerNames({"Ann", "a b", "  ", " "}, typed);
    EXPECT_EQ(answer.refusedSlot, 2);

    // A text that came with a chosen entry is not the player's typing.
    answer = ReadPlayerNames({"Ann", "a b", "  ", "none"},
                             {kTypedText, kBlankEntry, kNotInGameEntry, kBlankEntry});
    EXPECT_TRUE(answer.Accepted());
    EXPECT_EQ(answer.names, (Texts{"Ann", "", "", ""}));
    EXPECT_EQ(answer.playerCount, 1);
}

TEST(PlayerNamesModel, ABoxHoldsAnEntryWholeAndATypedNameUpToTenLetters)
{
    const std::pair<const char*, bool> cases[] = {
        {"Not In Game", true},
        {"", true},
        {"abcdefghij", true},
        {"abcdefghijk", false},
        {"\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4", true},
        {"Not In Gamey", false}};
    for (const auto& [text, accepted] : cases)
        EXPECT_EQ(NameBoxAccepts(text), accepted) << text;
}

TEST(PlayerNamesModel, IgnoresSlotsAndEntriesThatDoNotExist)
{
    PlayerNamesModel model = OpenedWith({"Ann", "", "", ""});
    model.TypeText(4, "Zed");
    model.ChooseEntry(0, 2);
    model.ChooseEntry(5, kNotInGameEntry);
    EXPECT_EQ(model.Texts(), (Texts{"Ann", "", "", ""}));
    EXPECT_EQ(model.Selection(0), kTypedText);

    model.ChooseEntry(0, kBlankEntry);
    EXPECT_EQ(model.Text(0), "");
    EXPECT_EQ(model.Selection(0), kBlankEntry);
    EXPECT_EQ(model.Play().playerCount, 0);
}

} // namespace
} // namespace galloria

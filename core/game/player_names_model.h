#pragma once

#include "base/screen_text.h"
#include "betting/race_set_state.h"

#include <array>
#include <string>
#include <string_view>

namespace galloria {

// The fixed list entries of each name box, in order: a blank entry and
// "Not In Game". Choosing either leaves the slot out of the game.
inline constexpr int kBlankEntry = 0;
inline constexpr int kNotInGameEntry = 1;
inline constexpr int kNameListEntryCount = 2;
inline constexpr int kTypedText = -1; // no list entry chosen: the player typed the text

// The texts of the list entries as the player reads them; empty for any
// other index.
std::string NameListEntry(int entry);
// The list entry whose text, in English (as the settings keep it) or in the
// player's language, is `text`; kTypedText for any other text.
int NameListEntryOf(std::string_view text);

// The first kMaxPlayerNameLength characters of text, never cutting a UTF-8
// letter in half.
std::string CutPlayerName(std::string_view text);

// What a name box can show of a text: a list entry's text whole (the entries
// are not typed, so "Not In Game" may be longer than a name), anything else
// cut to a name's length.
std::string NameBoxText(std::string_view text);

// Whether a name box may hold text as it stands: a list entry's text, or a
// typed text no longer than a name.
bool NameBoxAccepts(std::string_view text);

// The message that sends the players back to the names dialog, shown with
// Retry (back to the dialog, the typed texts kept) and Cancel (no new set).
inline constexpr ScreenText kAllBlankNameMessage = SCREEN_TEXT(
    "Names", "Names can't be all blank characters.\n\nIf you are trying to exclude a player from this\n"
             "game, select the first option: Not In Game");

// What PLAY means for the coming set.
struct PlayerNamesAnswer {
    std::array<std::string, kPlayerSlots> names{}; // the name in each slot; empty = not in the game
    int playerCount = 0;
    std::string refusal{}; // why the names were refused; empty when they were taken
    int refusedSlot = -1;  // the first slot whose name was refused

    bool Accepted() const { return refusal.empty(); }
};

// Reads the dialog's result, slot by slot: a chosen list entry, an empty
// typed text and a typed "Not In Game" leave the slot out; a typed name of
// blanks only is refused (the first such slot decides); any other typed text,
// blanks inside included, is the player's name: saved games escape what they
// could not otherwise give back.
PlayerNamesAnswer ReadPlayerNames(const std::array<std::string, kPlayerSlots>& resultName,
                                  const std::array<int, kPlayerSlots>& selection);

// The names dialog behind its four name boxes. The object lives as long as
// the game, so each set's dialog opens with the texts of the last one.
class PlayerNamesModel {
public:
    // Opening: each box takes its text (the saved "Player1".."Player4") as
    // NameBoxText gives it. A text equal to a list entry selects that entry;
    // an empty text selects the blank entry.
    void Open(const std::array<std::string, kPlayerSlots>& texts);

    // The player types in a box: the text, cut to a name's length, is now a
    // typed text. A text that is a list entry's (as a box reports when an
    // entry is picked) chooses that entry. Slots outside 0..3 are ignored.
    void TypeText(int slot, std::string_view text);
    // The player picks a list entry; any index that is not one is ignored.
    void ChooseEntry(int slot, int entry);

    const std::string& Text(int slot) const;
    int Selection(int slot) const;

    // PLAY: takes each box's text as its result and reads what it means.
    PlayerNamesAnswer Play();

    // The texts the boxes show, to be saved as the next dialog's start; a list
    // entry is saved in English, so the settings read the same in every language.
    std::array<std::string, kPlayerSlots> Texts() const;
    const std::array<std::string, kPlayerSlots>& ResultNames() const { return resultName_; }

private:
    static bool ValidSlot(int slot) { return slot >= 0 && slot < kPlayerSlots; }

    std::array<std::string, kPlayerSlots> editText_{};
    std::array<int, kPlayerSlots> selection_{kBlankEntry, kBlankEntry, kBlankEntry, kBlankEntry};
    std::array<std::string, kPlayerSlots> resultName_{};
};

} // namespace galloria

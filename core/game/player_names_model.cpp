#include "game/player_names_model.h"

#include "base/text_cut.h"
#include "game/game_settings.h"

#include <algorithm>
#include <cctype>

namespace galloria {

namespace {

// The characters that make a name look empty.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::string NameListEntry(int entry)
{
    return entry == kNotInGameEntry ? Tr("Names", "Not In Game") : std::string();
}

int NameListEntryOf(std::string_view text)
{
    if (text.empty())
        return kBlankEntry;
    if (text == kNotInGameText || text == NameListEntry(kNotInGameEntry))
        return kNotInGameEntry;
    return kTypedText;
}

std::string CutPlayerName(std::string_view text)
{
    return std::string(CutToLetters(text, kMaxPlayerNameLength));
}

std::string NameBoxText(std::string_view text)
{
    return NameListEntryOf(text) != kTypedText ? std::string(text) : CutPlayerName(text);
}

bool NameBoxAccepts(std::string_view text)
{
    return NameBoxText(text) == text;
}

PlayerNamesAnswer ReadPlayerNames(const std::array<std::string, kPlayerSlots>& resultName,
                                  const std::array<int, kPlayerSlots>& selection)
{
    PlayerNamesAnswer answer;
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        const std::string& name = resultName[slot];
        // A typed "Not In Game" means what choosing the entry means; taken as a
        // name it would only be refused for its blanks.
        if (selection[slot] != kTypedText || NameListEntryOf(name) != kTypedText)
            continue;
        if (std::ranges::all_of(name, IsBlank)) {
            // A refused answer names nobody, so no caller can start a set from it.
            return PlayerNamesAnswer{.refusal = Tr(kAllBlankNameMessage), .refusedSlot = slot};
        }
        answer.names[slot] = name;
        ++answer.playerCount;
    }
    return answer;
}

void PlayerNamesModel::Open(const std::array<std::string, kPlayerSlots>& texts)
{
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        selection_[slot] = NameListEntryOf(texts[slot]);
        editText_[slot] =
            selection_[slot] == kTypedText ? CutPlayerName(texts[slot]) : NameListEntry(selection_[slot]);
    }
}

void PlayerNamesModel::TypeText(int slot, std::string_view text)
{
    if (!ValidSlot(slot))
        return;
    if (const int entry = NameListEntryOf(text); entry != kTypedText) {
        ChooseEntry(slot, entry);
        return;
    }
    editText_[slot] = CutPlayerName(text);
    selection_[slot] = kTypedText;
}

void PlayerNamesModel::ChooseEntry(int slot, int entry)
{
    if (!ValidSlot(slot) || entry < 0 || entry >= kNameListEntryCount)
        return;
    editText_[slot] = NameListEntry(entry);
    selection_[slot] = entry;
}

const std::string& PlayerNamesModel::Text(int slot) const
{
    static const std::string kNone;
    return ValidSlot(slot) ? editText_[slot] : kNone;
}

std::array<std::string, kPlayerSlots> PlayerNamesModel::Texts() const
{
    std::array<std::string, kPlayerSlots> texts = editText_;
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        if (selection_[slot] == kNotInGameEntry)
            texts[slot] = kNotInGameText;
    }
    return texts;
}

int PlayerNamesModel::Selection(int slot) const
{
    return ValidSlot(slot) ? selection_[slot] : kTypedText;
}

PlayerNamesAnswer PlayerNamesModel::Play()
{
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        resultName_[slot] =
            selection_[slot] == kTypedText ? editText_[slot] : NameListEntry(selection_[slot]);
    }
    return ReadPlayerNames(resultName_, selection_);
}

} // namespace galloria

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

std::string_view NameListEntry(int entry)
{
    switch (entry) {
    case kBlankEntry:
        return "";
    case kNotInGameEntry:
        return kNotInGameText;
    default:
        return {};
    }
}

std::string CutPlayerName(std::string_view text)
{
    return std::string(CutToLetters(text, kMaxPlayerNameLength));
}

std::string NameBoxText(std::string_view text)
{
    for (int entry = 0; entry < kNameListEntryCount; ++entry) {
        if (text == NameListEntry(entry))
            return std::string(text);
    }
    return CutPlayerName(text);
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
        if (selection[slot] != kTypedText || name.empty() || name == kNotInGameText)
            continue;
        if (std::ranges::all_of(name, IsBlank)) {
            // A refused answer names nobody, so no caller can start a set from it.
            return PlayerNamesAnswer{.refusal = std::string(kAllBlankNameMessage), .refusedSlot = slot};
        }
        answer.names[slot] = name;
        ++answer.playerCount;
    }
    return answer;
}

void PlayerNamesModel::Open(const std::array<std::string, kPlayerSlots>& texts)
{
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        editText_[slot] = NameBoxText(texts[slot]);
        selection_[slot] = kTypedText;
        for (int entry = 0; entry < kNameListEntryCount; ++entry) {
            if (editText_[slot] == NameListEntry(entry))
                selection_[slot] = entry;
        }
    }
}

void PlayerNamesModel::TypeText(int slot, std::string_view text)
{
    if (!ValidSlot(slot))
        return;
    for (int entry = 0; entry < kNameListEntryCount; ++entry) {
        if (text == NameListEntry(entry)) {
            ChooseEntry(slot, entry);
            return;
        }
    }
    editText_[slot] = CutPlayerName(text);
    selection_[slot] = kTypedText;
}

void PlayerNamesModel::ChooseEntry(int slot, int entry)
{
    if (!ValidSlot(slot) || entry < 0 || entry >= kNameListEntryCount)
        return;
    editText_[slot] = std::string(NameListEntry(entry));
    selection_[slot] = entry;
}

const std::string& PlayerNamesModel::Text(int slot) const
{
    static const std::string kNone;
    return ValidSlot(slot) ? editText_[slot] : kNone;
}

int PlayerNamesModel::Selection(int slot) const
{
    return ValidSlot(slot) ? selection_[slot] : kTypedText;
}

PlayerNamesAnswer PlayerNamesModel::Play()
{
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        resultName_[slot] =
            selection_[slot] == kTypedText ? editText_[slot] : std::string(NameListEntry(selection_[slot]));
    }
    return ReadPlayerNames(resultName_, selection_);
}

} // namespace galloria

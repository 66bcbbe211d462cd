#pragma once

#include "base/game_random.h"
#include "base/screen_text.h"
#include "stable/owners.h"
#include "stable/stable.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace galloria {

// The editor's refusals, as the player reads them.
inline constexpr ScreenText kNoHorseNameMessage =
    SCREEN_TEXT("HorseEditor", "You havn't entered a name\nfor your new horse!");
inline constexpr ScreenText kOnlyLettersMessage = SCREEN_TEXT(
    "HorseEditor",
    "Sorry, only alpha characters\nand spaces can be entered.\nOther characters have been\nremoved from your "
    "name.");
inline constexpr ScreenText kAllZeroMessage = SCREEN_TEXT(
    "HorseEditor",
    "All four characteristics are\nstill set at zero!\nYou will have to change at\nleast one to continue.");
inline constexpr ScreenText kNameTakenMessage =
    SCREEN_TEXT("HorseEditor", "The name you have chosen\nalready exists!\nPlease choose another one.");
inline constexpr ScreenText kNameTooLongMessage = SCREEN_TEXT(
    "HorseEditor", "A horse's name can have at most\n29 characters.\nPlease choose a shorter one.");

// A new horse's coat until the player picks another: red 130, green 70, blue 0.
inline constexpr std::uint32_t kNewHorseColour = 0x004682;

// The horse name with every character other than the letters A to Z and a to
// z, the space and the apostrophe removed.
std::string CleanHorseName(std::string_view name);

// "New Horse Editor": a name, four characteristics, a colour and, with
// ownership on, an owner. OK checks the horse and appends it to the stable
// file and its backup at once, then clears the name and characteristics for
// the next one; the dialog stays open until Cancel. The editor keeps a
// stable of its own, loaded from the files before each name check. Make it
// on the heap: the stable holds 2000 horses.
class NewHorseEditorModel {
public:
    enum class Slider { Speed = 0, Sprint = 1, Stamina = 2, Spontaneity = 3 };
    static constexpr int kSliderCount = 4;
    static constexpr int kSliderMax = 100;

    // What OK did: the horse was added or not, the refusal to show (empty
    // when there is nothing to say) and, for an added horse, the line that
    // says where it joined the stable, shown in the editor until the next
    // edit.
    struct OkResult {
        bool added = false;
        std::string message;
        std::string joined;
    };

    // The game's folder, in which the stable and owner files lie.
    void SetFolder(const std::filesystem::path& folder);

    // The dialog opens: the relations and owners are read, the colour starts
    // as the brown of a new horse. Name, owner and characteristics keep what
    // they held when the dialog last closed.
    void Open(bool ownershipOn);

    // The owners offered in the combo box, sorted as the box shows them.
    std::vector<std::string> OwnerChoices() const;

    // OK, after the controls' values have been taken into name, owner,
    // values and colour.
    OkResult Ok();

    // Cancel: the relations made since the dialog opened are written.
    void Cancel();

    std::string ValueText(Slider slider) const { return std::to_string(values[static_cast<int>(slider)]); }

    // The editor's state, bound to the controls.
    std::string name;
    std::string owner;
    std::array<int, kSliderCount> values{}; // speed, sprint, stamina, spontaneity
    std::uint32_t colour = kNewHorseColour; // 0x00BBGGRR
    bool ownershipEnabled = false;

    // Called with each horse added, so a running set's stable can take it too.
    std::function<void(const HorseRecord&)> onHorseAdded;

    Stable stable;
    OwnerBook owners;
    std::size_t initialRelationCount = 0;
    GameRandom random;

private:
    // Appends the new horse to both files; the refusal to show, empty when
    // the horse is kept in both.
    std::string AddToFiles();
};

} // namespace galloria

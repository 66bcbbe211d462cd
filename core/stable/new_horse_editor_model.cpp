#include "stable/new_horse_editor_model.h"

#include "base/file_io.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <numeric>
#include <span>

namespace galloria {

namespace {

constexpr ScreenText kNotKeptMessage = SCREEN_TEXT(
    "HorseEditor",
    "Your new horse could not be kept:\nthe stable file or its backup\ncannot be written.\n\nCheck that "
    "the game's data folder\ncan be written to and try again.");

constexpr ScreenText kStableUnreadableMessage = SCREEN_TEXT(
    "HorseEditor",
    "Your new horse was not added:\nneither the stable file nor its\nbackup could be read, and the\neditor "
    "writes nothing over them.\n\nCheck the game's data folder\nand try again.");

// A stable file from which at least one horse can be read.
bool HoldsAHorse(const std::filesystem::path& path)
{
    const FileRead file = ReadFileUpTo(path, kHorseRecordSize);
    return file.HasBytes() && file.bytes.size() >= kHorseRecordSize;
}

std::string TrimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool IsNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ' || c == '\'';
}

// Whether the stable file is exactly `horses`, as it must be after an append.
bool FileHoldsExactly(const std::filesystem::path& path, std::span<const HorseRecord> horses)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) ||
        std::filesystem::file_size(path, error) != horses.size() * kHorseRecordSize || error)
        return false;
    std::ifstream file(path, std::ios::binary);
    std::uint8_t stored[kHorseRecordSize];
    file.seekg(static_cast<std::streamoff>((horses.size() - 1) * kHorseRecordSize));
    if (!file.read(reinterpret_cast<char*>(stored), static_cast<std::streamsize>(kHorseRecordSize)))
        return false;
    std::uint8_t record[kHorseRecordSize];
    EncodeHorseRecord(horses.back(), record);
    return std::equal(record, record + kHorseRecordSize, stored);
}

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    std::ranges::transform(lowered, lowered.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

} // namespace

std::string CleanHorseName(std::string_view name)
{
    std::string cleaned;
    std::ranges::copy_if(name, std::back_inserter(cleaned), IsNameCharacter);
    return cleaned;
}

void NewHorseEditorModel::SetFolder(const std::filesystem::path& folder)
{
    stable.folder = folder;
    owners.folder = folder;
}

void NewHorseEditorModel::Open(bool ownershipOn)
{
    ownershipEnabled = ownershipOn;
    owners.ReadRelations();
    initialRelationCount = owners.relations.size();
    owners.ReadOwners();
    colour = kNewHorseColour;
}

std::vector<std::string> NewHorseEditorModel::OwnerChoices() const
{
    std::vector<std::string> choices = owners.ownerNames;
    std::ranges::stable_sort(
        choices, [](const std::string& a, const std::string& b) { return Lowered(a) < Lowered(b); });
    return choices;
}

namespace {

// OK refused, with the text to show.
NewHorseEditorModel::OkResult Refusal(std::string message)
{
    NewHorseEditorModel::OkResult result;
    result.message = std::move(message);
    return result;
}

} // namespace

NewHorseEditorModel::OkResult NewHorseEditorModel::Ok()
{
    // Spaces around the name go silently; a name of spaces is no name.
    name = TrimSpaces(name);
    if (name.empty())
        return Refusal(Tr(kNoHorseNameMessage));
    if (ownershipEnabled) {
        if (std::string problem = OwnerNameProblem(owner); !problem.empty())
            return Refusal(std::move(problem));
    }
    if (std::string cleaned = CleanHorseName(name); cleaned != name) {
        // The cleaned name goes back into the box; the next OK goes on with it.
        name = std::move(cleaned);
        return Refusal(Tr(kOnlyLettersMessage));
    }
    // A record holds 29 characters: a longer name is refused, never cut.
    if (name.size() > kMaxHorseNameLength)
        return Refusal(Tr(kNameTooLongMessage));
    for (int& value : values)
        value = std::clamp(value, 0, kSliderMax);
    if (std::accumulate(values.begin(), values.end(), 0) == 0)
        return Refusal(Tr(kAllZeroMessage));

    // Loading restores or refreshes one file from the other: only when one
    // of them holds horses, or an unreadable stable would be written over.
    if (!HoldsAHorse(stable.StablePath()) && !HoldsAHorse(stable.BackupPath()))
        return Refusal(Tr(kStableUnreadableMessage));
    stable.Load(random);
    for (int h = 0; h < stable.count; ++h) {
        if (HorseName(stable.records[h]) == name)
            return Refusal(Tr(kNameTakenMessage));
    }
    if (std::string refusal = AddToFiles(); !refusal.empty())
        return Refusal(std::move(refusal));

    // The relation names the horse as stored, and only a horse that was added.
    if (ownershipEnabled && !TrimSpaces(owner).empty()) {
        owners.AddOwner(owner);
        owners.AddRelation(name, owner);
    }
    if (onHorseAdded)
        onHorseAdded(stable.records[stable.count - 1]);

    // Ready for the next horse; the owner and the colour stay.
    std::string joined =
        FillIn(Tr("HorseEditor", "%1 joined the stable as No. %2."), {name, std::to_string(stable.count)});
    name.clear();
    values = {};
    return {true, {}, std::move(joined)};
}

std::string NewHorseEditorModel::AddToFiles()
{
    const int before = stable.count;
    const Stable::AddHorseError error = stable.AddHorse(
        name, static_cast<std::uint8_t>(values[0]), static_cast<std::uint8_t>(values[1]),
        static_cast<std::uint8_t>(values[2]), static_cast<std::uint8_t>(values[3]), colour, random);
    if (!error.empty())
        return error;

    // The stable keeps a horse in memory even when its file could not be
    // written; here a horse the files do not both hold is not kept at all.
    const std::span<const HorseRecord> horses{stable.records, static_cast<std::size_t>(stable.count)};
    if (FileHoldsExactly(stable.StablePath(), horses) && WriteStableFile(stable.BackupPath(), horses))
        return {};
    stable.count = before;
    // The stable file as it was, without a half-written record at its end.
    WriteStableFile(stable.StablePath(), {stable.records, static_cast<std::size_t>(before)});
    return Tr(kNotKeptMessage);
}

void NewHorseEditorModel::Cancel()
{
    if (ownershipEnabled && owners.relations.size() > initialRelationCount)
        owners.WriteRelations();
}

} // namespace galloria

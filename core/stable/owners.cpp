#include "stable/owners.h"

#include "base/file_io.h"
#include "base/screen_text.h"
#include "base/text_cut.h"

#include <algorithm>
#include <unordered_map>

namespace galloria {
namespace {

constexpr std::string_view kNoOwner = " ";

std::string_view TrimLeadingSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view TrimSpaces(std::string_view text)
{
    text = TrimLeadingSpaces(text);
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool HasTabOrLineBreak(std::string_view text)
{
    return text.find_first_of("\t\r\n") != std::string_view::npos;
}

// A relation field as read: without leading spaces, at most 49 letters.
std::string_view RelationField(std::string_view text)
{
    return CutToLetters(TrimLeadingSpaces(text), static_cast<int>(OwnerBook::kMaxRelationField));
}

// An owner name as read from the owner file: at most 29 letters, without the
// spaces around it.
std::string_view OwnerField(std::string_view text)
{
    // Trimmed before the cut too: a leading space would take the stray
    // continuation bytes after it into its letter.
    return TrimSpaces(CutToLetters(TrimSpaces(text), static_cast<int>(OwnerBook::kMaxOwnerLength)));
}

// Whether there is surely no file at `path`: only then may a list that was
// not read from it be written there.
bool IsMissing(const std::filesystem::path& path)
{
    std::error_code error;
    return !std::filesystem::exists(path, error) && !error;
}

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// A horse name a relation can hold: the tab ends the horse field, and a name
// read back loses its leading spaces and is cut to the field length.
bool IsStorableHorse(std::string_view horse)
{
    return !horse.empty() && !HasTabOrLineBreak(horse) && RelationField(horse) == horse;
}

} // namespace

std::string OwnerNameProblem(std::string_view owner)
{
    owner = TrimSpaces(owner);
    if (HasTabOrLineBreak(owner))
        return Tr("Stable", "An owner's name cannot contain a tab or a line break.");
    if (CutToLetters(owner, static_cast<int>(OwnerBook::kMaxOwnerLength)).size() < owner.size())
        return FillIn(Tr("Stable", "An owner's name can have at most %1 characters."),
                      {std::to_string(OwnerBook::kMaxOwnerLength)});
    return {};
}

OwnerFileReading ParseOwnerFile(std::string_view bytes)
{
    OwnerFileReading reading;
    std::string_view rest = bytes;
    std::string_view line;
    while (reading.owners.size() < OwnerBook::kMaxOwners && NextTextLine(rest, line) && !line.empty()) {
        const std::string_view owner = OwnerField(line);
        if (!owner.empty()) // a line of blanks names no one
            reading.owners.emplace_back(owner);
    }
    // Owners past the end of the list (after an empty line or beyond the
    // hundredth) would be lost by writing the list back.
    reading.whole = IsBlank(rest);
    return reading;
}

std::string FormatOwnerFile(std::span<const std::string> owners)
{
    std::string text;
    for (const std::string& owner : owners) {
        // A blank line would end the list when it is read again.
        if (TrimSpaces(owner).empty() || HasLineBreak(owner))
            continue;
        text += owner;
        text += kLineEnd;
    }
    return text;
}

bool OwnerBook::ReadOwners()
{
    const FileRead file = ReadFileUpTo(OwnerFilePath(), kLargestOwnerFile);
    if (!file.HasBytes()) {
        ownerFileReadWhole = IsMissing(OwnerFilePath());
        return false;
    }
    OwnerFileReading reading = ParseOwnerFile(file.bytes);
    ownerNames = std::move(reading.owners);
    ownerFileReadWhole = file.ok() && reading.whole;
    return true;
}

bool OwnerBook::WriteOwners() const
{
    return ownerFileReadWhole && ReplaceFile(OwnerFilePath(), FormatOwnerFile(ownerNames));
}

AddOwnerResult OwnerBook::AddOwner(std::string_view owner)
{
    owner = TrimSpaces(owner);
    if (owner.empty())
        return AddOwnerResult::kBlank;
    if (!OwnerNameProblem(owner).empty())
        return AddOwnerResult::kNotStorable;
    if (std::find(ownerNames.begin(), ownerNames.end(), owner) != ownerNames.end())
        return AddOwnerResult::kAlreadyListed;
    if (ownerNames.size() >= kMaxOwners)
        return AddOwnerResult::kListFull;
    ownerNames.emplace_back(owner);
    WriteOwners();
    return AddOwnerResult::kAdded;
}

RelationFileReading ParseRelationFile(std::string_view bytes)
{
    RelationFileReading reading;
    std::string_view rest = bytes;
    std::string_view line;
    bool ended = false;
    while (!ended && NextTextLine(rest, line)) {
        const std::size_t tab = line.find('\t');
        // A line without its owner field, or with an empty field, ends the list.
        if (tab == std::string_view::npos) {
            ended = true;
            break;
        }
        const std::string_view horse = RelationField(line.substr(0, tab));
        const std::string_view owner = RelationField(line.substr(tab + 1));
        ended = horse.empty() || owner.empty();
        if (!ended)
            reading.relations.push_back({std::string(horse), std::string(owner)});
    }
    // Relations after the end of the list would be lost by writing it back.
    reading.whole = !ended || (IsBlank(line) && IsBlank(rest));
    return reading;
}

std::string FormatRelationFile(std::span<const OwnerRelation> relations)
{
    std::string text;
    for (const OwnerRelation& relation : relations) {
        // A pair that could not be read back would end the list there.
        if (!IsStorableHorse(relation.horse) || TrimSpaces(relation.owner).empty() ||
            HasLineBreak(relation.owner))
            continue;
        if (relation.horse.size() < OwnerBook::kHorseFieldWidth)
            text.append(OwnerBook::kHorseFieldWidth - relation.horse.size(), ' ');
        text += relation.horse;
        text += '\t';
        text += relation.owner;
        text += kLineEnd;
    }
    return text;
}

bool OwnerBook::ReadRelations()
{
    relations.clear();
    const FileRead file = ReadFileUpTo(RelationFilePath(), kLargestRelationFile);
    if (!file.HasBytes()) {
        relationFileReadWhole = IsMissing(RelationFilePath());
        return false;
    }
    RelationFileReading reading = ParseRelationFile(file.bytes);
    relations = std::move(reading.relations);
    relationFileReadWhole = file.ok() && reading.whole;
    return true;
}

bool OwnerBook::AddRelation(std::string_view horse, std::string_view owner)
{
    owner = TrimSpaces(owner);
    if (!IsStorableHorse(horse) || owner.empty() || !OwnerNameProblem(owner).empty())
        return false;
    relations.push_back({std::string(horse), std::string(owner)});
    return true;
}

bool OwnerBook::WriteRelations() const
{
    return relationFileReadWhole && ReplaceFile(RelationFilePath(), FormatRelationFile(relations));
}

void OwnerBook::FillOwnerNames(std::span<const std::string> horseNames)
{
    ReadRelations();
    ownerOfHorse.assign(horseNames.size(), std::string(kNoOwner));

    // A relation names the first horse of that name in stable order.
    std::unordered_map<std::string_view, std::size_t> firstHorseNamed;
    for (std::size_t horse = 0; horse < horseNames.size(); ++horse)
        firstHorseNamed.emplace(horseNames[horse], horse);

    std::vector<OwnerRelation> kept;
    kept.reserve(relations.size());
    for (OwnerRelation& relation : relations) {
        const auto found = firstHorseNamed.find(relation.horse);
        if (found == firstHorseNamed.end())
            continue;
        ownerOfHorse[found->second] = relation.owner;
        kept.push_back(std::move(relation));
    }
    const bool dropped = kept.size() != relations.size();
    relations = std::move(kept);
    if (dropped)
        WriteRelations();
}

std::string OwnerBook::OwnerOf(std::string_view horse) const
{
    if (horse.empty())
        return {};
    for (auto relation = relations.rbegin(); relation != relations.rend(); ++relation) {
        if (relation->horse == horse)
            return relation->owner;
    }
    return {};
}

} // namespace galloria

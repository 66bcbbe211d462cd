#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace galloria {

// One line of the relation file: the owner of a horse, found by its name.
struct OwnerRelation {
    std::string horse;
    std::string owner;
};

enum class AddOwnerResult {
    kAdded,
    kAlreadyListed,
    kListFull,   // the list holds 100 owners; the new one is not kept
    kBlank,      // no owner given: nothing to add
    kNotStorable // see OwnerNameProblem
};

// What reading an owner or relation file's bytes gives: the entries, and
// whether they are all the file holds (nothing but blank lines after the
// line that ended the list).
struct OwnerFileReading {
    std::vector<std::string> owners;
    bool whole = true;
};
struct RelationFileReading {
    std::vector<OwnerRelation> relations;
    bool whole = true;
};

// The owner file's text and back: one name a line, CR LF, LF or CR alone
// ending a line, up to the first empty line or 100 names; names cut to 29
// letters without the spaces around them, lines of blanks skipped.
OwnerFileReading ParseOwnerFile(std::string_view bytes);
std::string FormatOwnerFile(std::span<const std::string> owners);

// The relation file's text and back: the horse right-aligned in 20
// characters, a tab, the owner; up to the first line without a tab or with an
// empty field; both fields lose their leading spaces and are cut to 49
// letters.
RelationFileReading ParseRelationFile(std::string_view bytes);
std::string FormatRelationFile(std::span<const OwnerRelation> relations);

// Why `owner` cannot be kept in the owner files, as a message for the player,
// or an empty text when it can (a blank name is no problem: it means "no
// owner"). Spaces around the name do not count.
std::string OwnerNameProblem(std::string_view owner);

// The optional owners of the stable's horses: the list of known owner names
// ("data/owner.txt") and the relations between horse names and owners
// ("data/relation.txt"). The horse record holds no owner; both lists are read
// fresh from their files whenever they are used.
class OwnerBook {
public:
    static constexpr std::size_t kMaxOwners = 100;
    static constexpr std::size_t kMaxOwnerLength = 29;
    // A relation field is read up to this length.
    static constexpr std::size_t kMaxRelationField = 49;
    // The horse name is written right-aligned in this many characters.
    static constexpr std::size_t kHorseFieldWidth = 20;
    // The most of each file that is read: a hundred owners take a small part
    // of the first, relations for every horse of a full stable of the second.
    static constexpr std::size_t kLargestOwnerFile = 64 * 1024;
    static constexpr std::size_t kLargestRelationFile = 1024 * 1024;

    // Base folder of the data folder; "." is the current directory, as the game uses it.
    std::filesystem::path folder = ".";

    std::vector<std::string> ownerNames; // at most kMaxOwners
    // Several relations may name the same horse; the last one counts.
    std::vector<OwnerRelation> relations;
    // The owner of each horse of the stable by its index, " " for none (FillOwnerNames).
    std::vector<std::string> ownerOfHorse;
    // Whether the last reading of each file took all it holds. A file read only
    // in part (entries after the line that ends its list, or past the most
    // that is read) is never written back from that reading, which would lose
    // the entries left unread.
    bool ownerFileReadWhole = true;
    bool relationFileReadWhole = true;

    std::filesystem::path OwnerFilePath() const { return folder / "data" / "owner.txt"; }
    std::filesystem::path RelationFilePath() const { return folder / "data" / "relation.txt"; }

    // Reads the owner list: one name a line (CR LF, LF or CR alone end a
    // line), up to the first empty line or 100 names. Names are cut to 29
    // letters and lose the spaces around them; a line of blanks names no one
    // and is skipped. A missing file, or anything but a regular file in its
    // place, leaves the list as it was and returns false.
    bool ReadOwners();
    // Replaces the owner file with the list; false, the file kept, when it
    // cannot be written or was last read only in part.
    bool WriteOwners() const;

    // Adds a new owner to the list and writes the owner file at once.
    AddOwnerResult AddOwner(std::string_view owner);

    // Empties the relations and reads them from the relation file, up to the
    // first line whose horse or owner is missing; each field is cut to 49
    // letters. False when there is no file.
    bool ReadRelations();

    // Appends one relation in memory; false, adding nothing, when the horse or
    // the owner is blank or cannot be stored.
    bool AddRelation(std::string_view horse, std::string_view owner);
    // The owner the relations give a horse of this name (the last relation
    // counts); empty for a horse without one.
    std::string OwnerOf(std::string_view horse) const;
    // Replaces the relation file; false, the file kept, when it cannot be
    // written or was last read only in part.
    bool WriteRelations() const;

    // Reads the relations and gives each horse of the stable the owner its
    // relations name. Relations of horses no longer in the stable are dropped
    // and the relation file is written again without them.
    void FillOwnerNames(std::span<const std::string> horseNames);
};

} // namespace galloria

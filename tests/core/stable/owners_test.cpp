#include "stable/owners.h"

#include "../halloffame/temp_folder.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;
using Texts = std::vector<std::string>;

class Owners : public ::testing::Test {
protected:
    Owners() { book.folder = folder.Path(); }

    testing::TempFolder folder;
    OwnerBook book;
};

TEST_F(Owners, OwnerListReadsAtMostOneHundredNamesToTheFirstEmptyLine)
{
    EXPECT_FALSE(book.ReadOwners()); // no file: the list stays as it was

    std::string lines;
    for (int i = 1; i <= 100; ++i)
        lines += "Owner " + std::to_string(i) + "\n"; // LF only, as an editor may save it
    WriteBytes(book.OwnerFilePath(), lines);
    ASSERT_TRUE(book.ReadOwners());
    ASSERT_EQ(book.ownerNames.size(), 100u);
    EXPECT_EQ(book.ownerNames.back(), "Owner 100");
    ASSERT_TRUE(book.WriteOwners());
    const std::string written = ReadBytes(book.OwnerFilePath());
    EXPECT_EQ(written.substr(0, 18), "Owner 1\r\nOwner 2\r\n");
    ASSERT_TRUE(book.ReadOwners() && book.WriteOwners());
    EXPECT_EQ(ReadBytes(book.OwnerFilePath()), written);

    // A 101st owner is not read, so the list is not written back over it.
    WriteBytes(book.OwnerFilePath(), lines + "Owner 101\n");
    ASSERT_TRUE(book.ReadOwners());
    EXPECT_EQ(book.ownerNames.size(), 100u);
    EXPECT_FALSE(book.WriteOwners());
    EXPECT_EQ(ReadBytes(book.OwnerFilePath()), lines + "Owner 101\n");

    WriteBytes(book.OwnerFilePath(), "A\r\n" + std::string(35, 'b') + "\r\n\r\nNever\r\n");
    ASSERT_TRUE(book.ReadOwners());
    EXPECT_EQ(book.ownerNames, (Texts{"A", std::string(29, 'b')}));
}

TEST_F(Owners, EveryLineEndReadsEntryByEntryAndSurvivesAddingAnOwner)
{
    // Old Mac line ends (CR alone), Unix and Windows ones, mixed.
    WriteBytes(book.OwnerFilePath(), "Ann Bay\rBo Cole\nCy Dunn\r\nDi Eyre\r");
    ASSERT_TRUE(book.ReadOwners());
    EXPECT_EQ(book.ownerNames, (Texts{"Ann Bay", "Bo Cole", "Cy Dunn", "Di Eyre"}));
    EXPECT_EQ(book.AddOwner("Ed Fox"), AddOwnerResult::kAdded);
    EXPECT_EQ(ReadBytes(book.OwnerFilePath()), "Ann Bay\r\nBo Cole\r\nCy Dunn\r\nDi Eyre\r\nEd Fox\r\n");

    WriteBytes(book.RelationFilePath(), "  Alpha\tOne\r   Beta\tTwo\rGamma\tThree\r");
    ASSERT_TRUE(book.ReadRelations());
    ASSERT_EQ(book.relations.size(), 3u);
    EXPECT_EQ(book.relations[1].horse, "Beta");
    EXPECT_EQ(book.relations[1].owner, "Two");
    EXPECT_EQ(book.relations[2].owner, "Three");
}

TEST_F(Owners, NamesAreCutToTheirLettersAndBlankOwnersDropped)
{
    // Stray continuation bytes count a letter each, so a name of them is cut
    // like any other instead of being kept whole.
    const std::string stray(5000, '\x80');
    WriteBytes(book.OwnerFilePath(), "  Ann  \r\n     \r\n" + stray + "\r\nZo\xC3\xAB\r\n");
    ASSERT_TRUE(book.ReadOwners());
    EXPECT_EQ(book.ownerNames, (Texts{"Ann", std::string(29, '\x80'), "Zo\xC3\xAB"}));

    WriteBytes(book.RelationFilePath(), stray + "\t" + stray + "\r\n");
    ASSERT_TRUE(book.ReadRelations());
    ASSERT_EQ(book.relations.size(), 1u);
    EXPECT_EQ(book.relations[0].horse, std::string(49, '\x80'));
    EXPECT_EQ(book.relations[0].owner, std::string(49, '\x80'));

    // Letters, not bytes, are what an owner's name is measured in.
    EXPECT_TRUE(OwnerNameProblem(std::string(10, 'a') + std::string(19, 'x') + "\xC3\xAB").size() > 0);
    EXPECT_TRUE(OwnerNameProblem(std::string(28, 'a') + "\xC3\xAB").empty());
}

TEST_F(Owners, AListReadOnlyInPartIsNeverWrittenBack)
{
    // Relations after a damaged line are not read; dropping the relation of a
    // gone horse must not lose them with it.
    const std::string relations = "               Alpha\tOne\r\n                Gone\tTwo\r\n"
                                  "a line without a tab\r\n                Beta\tThree\r\n";
    WriteBytes(book.RelationFilePath(), relations);
    book.FillOwnerNames(Texts{"Alpha", "Beta"});
    EXPECT_EQ(book.ownerOfHorse, (Texts{"One", " "}));
    EXPECT_EQ(ReadBytes(book.RelationFilePath()), relations);
    EXPECT_TRUE(book.AddRelation("Beta", "Four"));
    EXPECT_FALSE(book.WriteRelations());
    EXPECT_EQ(ReadBytes(book.RelationFilePath()), relations);

    // Owners after the empty line that ends the list likewise.
    WriteBytes(book.OwnerFilePath(), "Ann\r\n\r\nBo\r\n");
    ASSERT_TRUE(book.ReadOwners());
    EXPECT_EQ(book.ownerNames, (Texts{"Ann"}));
    EXPECT_EQ(book.AddOwner("Cy"), AddOwnerResult::kAdded);
    EXPECT_EQ(ReadBytes(book.OwnerFilePath()), "Ann\r\n\r\nBo\r\n");

    // Trailing blank lines end nothing that could be lost.
    WriteBytes(book.OwnerFilePath(), "Ann\r\n\r\n\r\n");
    ASSERT_TRUE(book.ReadOwners());
    EXPECT_EQ(book.AddOwner("Cy"), AddOwnerResult::kAdded);
    EXPECT_EQ(ReadBytes(book.OwnerFilePath()), "Ann\r\nCy\r\n");
}

TEST_F(Owners, AFolderWhereAFileBelongsKeepsTheListAndIsLeftAlone)
{
    book.ownerNames = {"Kept"};
    std::filesystem::create_directories(book.OwnerFilePath());
    std::filesystem::create_directories(book.RelationFilePath());
    EXPECT_FALSE(book.ReadOwners());
    EXPECT_EQ(book.ownerNames, (Texts{"Kept"}));
    EXPECT_FALSE(book.WriteOwners());
    EXPECT_FALSE(book.ReadRelations());
    EXPECT_TRUE(std::filesystem::is_directory(book.OwnerFilePath()));
}

TEST_F(Owners, AddOwnerKeepsOnlyNamesTheFileCanHold)
{
    EXPECT_EQ(book.AddOwner("  Jo Smith "), AddOwnerResult::kAdded);
    EXPECT_EQ(book.AddOwner("Jo Smith"), AddOwnerResult::kAlreadyListed);
    EXPECT_EQ(book.AddOwner("   "), AddOwnerResult::kBlank);
    EXPECT_EQ(book.AddOwner("Tab\tName"), AddOwnerResult::kNotStorable);
    EXPECT_EQ(book.AddOwner("Two\nLines"), AddOwnerResult::kNotStorable);
    EXPECT_EQ(book.AddOwner(std::string(30, 'x')), AddOwnerResult::kNotStorable);
    EXPECT_FALSE(OwnerNameProblem("Tab\tName").empty());
    EXPECT_TRUE(OwnerNameProblem("").empty());
    EXPECT_EQ(ReadBytes(book.OwnerFilePath()), "Jo Smith\r\n");

    for (int i = 1; i < 100; ++i)
        ASSERT_EQ(book.AddOwner("Owner " + std::to_string(i)), AddOwnerResult::kAdded);
    EXPECT_EQ(book.AddOwner("One Too Many"), AddOwnerResult::kListFull);
}

TEST_F(Owners, RelationsRoundTripRightAligned)
{
    EXPECT_FALSE(book.ReadRelations());
    ASSERT_TRUE(book.AddRelation("Thunderbolt", "Owner One"));
    ASSERT_TRUE(book.AddRelation("A Horse With A Long Name", "Owner Two"));
    EXPECT_FALSE(book.AddRelation("Thunderbolt", " "));
    EXPECT_FALSE(book.AddRelation("Tab\tHorse", "Owner"));
    EXPECT_FALSE(book.AddRelation("Thunderbolt", "Line\r\nBreak"));
    ASSERT_TRUE(book.WriteRelations());
    const std::string written = ReadBytes(book.RelationFilePath());
    EXPECT_EQ(written, "         Thunderbolt\tOwner One\r\nA Horse With A Long Name\tOwner Two\r\n");

    ASSERT_TRUE(book.ReadRelations());
    ASSERT_EQ(book.relations.size(), 2u);
    EXPECT_EQ(book.relations[0].horse, "Thunderbolt");
    EXPECT_EQ(book.relations[0].owner, "Owner One");
    ASSERT_TRUE(book.WriteRelations());
    EXPECT_EQ(ReadBytes(book.RelationFilePath()), written);
}

TEST_F(Owners, RelationReadingStopsAtAMissingField)
{
    const std::pair<std::string, std::size_t> files[] = {
        {"", 0},
        {"  Alpha\tOne\nBeta without a tab\n  Gamma\tThree\n", 1},
        {"Alpha\tOne\r\n   \tTwo\r\nGamma\tThree\r\n", 1},
        {std::string(60, 'h') + "\t" + std::string(60, 'o') + "\r\n", 1},
    };
    for (const auto& [text, relations] : files) {
        WriteBytes(book.RelationFilePath(), text);
        ASSERT_TRUE(book.ReadRelations()) << text;
        ASSERT_EQ(book.relations.size(), relations) << text;
    }
    // The last file's overlong fields are cut.
    EXPECT_EQ(book.relations[0].horse, std::string(49, 'h'));
    EXPECT_EQ(book.relations[0].owner, std::string(49, 'o'));
}

TEST_F(Owners, FillOwnerNamesTakesTheLastRelationAndDropsGoneHorses)
{
    book.AddRelation("Alpha", "First Owner");
    book.AddRelation("Gone", "Nobody");
    book.AddRelation("Alpha", "Second Owner");
    book.AddRelation("Beta", "Beta Owner");
    ASSERT_TRUE(book.WriteRelations());

    const Texts horses = {"Alpha", "Gamma", "Beta", "Alpha"};
    book.FillOwnerNames(horses);
    // The first horse of a name takes the relation; a later twin has none.
    EXPECT_EQ(book.ownerOfHorse, (Texts{"Second Owner", " ", "Beta Owner", " "}));
    EXPECT_EQ(ReadBytes(book.RelationFilePath()),
              "               Alpha\tFirst Owner\r\n               Alpha\tSecond Owner\r\n"
              "                Beta\tBeta Owner\r\n");

    std::filesystem::remove(book.RelationFilePath());
    book.FillOwnerNames(horses);
    EXPECT_EQ(book.ownerOfHorse, Texts(4, " "));
}

TEST_F(Owners, OwnerOfReadsTheLastRelationOfAHorseAndNothingForOthers)
{
    book.AddRelation("Alpha", "First Owner");
    book.AddRelation("Alpha", "Second Owner");
    ASSERT_TRUE(book.WriteRelations());
    OwnerBook reader;
    reader.folder = book.folder;
    ASSERT_TRUE(reader.ReadRelations());
    EXPECT_EQ(reader.OwnerOf("Alpha"), "Second Owner");
    EXPECT_EQ(reader.OwnerOf("Beta"), "");
    EXPECT_EQ(reader.OwnerOf(""), "");
}

} // namespace
} // namespace galloria

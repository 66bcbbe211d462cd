#include "stable/new_horse_editor_model.h"

#include "halloffame/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace galloria {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;
using Texts = std::vector<std::string>;

std::string StableBytes(std::initializer_list<std::string_view> names)
{
    std::string bytes;
    std::uint8_t record[kHorseRecordSize];
    for (std::string_view name : names) {
        HorseRecord horse{};
        SetHorseName(horse, name);
        horse.speed = 50;
        EncodeHorseRecord(horse, record);
        bytes.append(reinterpret_cast<const char*>(record), kHorseRecordSize);
    }
    return bytes;
}

// The names of a stable file's horses, in file order.
Texts NamesIn(const fs::path& path)
{
    const std::string bytes = ReadBytes(path);
    Texts names;
    for (std::size_t at = 0; at + kHorseRecordSize <= bytes.size(); at += kHorseRecordSize) {
        const HorseRecord horse = DecodeHorseRecord(reinterpret_cast<const std::uint8_t*>(bytes.data() + at));
        names.emplace_back(HorseName(horse));
    }
    return names;
}

// An OK's outcome in one text: "added", or the message of the refusal.
std::string Outcome(const NewHorseEditorModel::OkResult& result)
{
    return result.added ? "added" + result.message : "refused: " + result.message;
}
std::string Refused(std::string_view message)
{
    return "refused: " + std::string(message);
}

class NewHorseEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteBytes(StablePath(), StableBytes({"Thunderbolt", "Blaze"}));
        WriteBytes(BackupPath(), StableBytes({"Thunderbolt", "Blaze"}));
        editor->SetFolder(folder.Path());
        editor->Open(false);
    }

    // Fills the controls as a player would and presses OK.
    NewHorseEditorModel::OkResult Add(std::string_view name, std::array<int, 4> values = {40, 30, 20, 10})
    {
        editor->name = name;
        editor->values = values;
        return editor->Ok();
    }

    fs::path StablePath() const { return folder.Path() / "data" / "Stable.dat"; }
    fs::path BackupPath() const { return folder.Path() / "data" / "BackUp.dat"; }
    fs::path OwnerPath() const { return folder.Path() / "data" / "owner.txt"; }
    fs::path RelationPath() const { return folder.Path() / "data" / "relation.txt"; }

    testing::TempFolder folder;
    std::unique_ptr<NewHorseEditorModel> editor = std::make_unique<NewHorseEditorModel>();
};

TEST(CleanHorseName, KeepsLettersSpacesAndApostrophesOnly)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Star's Pride", "Star's Pride"},
        {"Star-2", "Star"},
        {"R2D2", "RD"},
        {"Caf\xc3\xa9 Noir", "Caf Noir"},
        {"a\tb", "ab"},
        {"", ""},
        {"Zz Top", "Zz Top"},
        {"[@`{", ""},
    };
    for (const auto& [typed, cleaned] : cases)
        EXPECT_EQ(CleanHorseName(typed), cleaned) << typed;
}

TEST_F(NewHorseEditor, AnAcceptedHorseEndsBothFilesAndTheEditorIsReadyForTheNext)
{
    editor->colour = 0x00123456;
    editor->owner = "Kept Owner";
    Texts announced;
    editor->onHorseAdded = [&](const HorseRecord& horse) { announced.emplace_back(HorseName(horse)); };

    const NewHorseEditorModel::OkResult result = Add("Star's Pride", {70, 60, 50, 40});
    EXPECT_EQ(Outcome(result), "added");
    EXPECT_EQ(result.joined, "Star's Pride joined the stable as No. 3.");
    EXPECT_EQ(NamesIn(StablePath()), (Texts{"Thunderbolt", "Blaze", "Star's Pride"}));
    EXPECT_EQ(ReadBytes(BackupPath()), ReadBytes(StablePath()));
    EXPECT_EQ(announced, Texts{"Star's Pride"});

    const HorseRecord& added = editor->stable.records[2];
    EXPECT_EQ((std::array<int, 4>{added.speed, added.sprint, added.stamina, added.spontaneity}),
              (std::array<int, 4>{70, 60, 50, 40}));
    EXPECT_EQ(added.colour, 0x00123456u);

    // Ready for the next horse: name and sliders cleared, owner and colour kept.
    EXPECT_EQ(editor->name, "");
    EXPECT_EQ(editor->values, (std::array<int, 4>{0, 0, 0, 0}));
    for (int slider = 0; slider < 4; ++slider)
        EXPECT_EQ(editor->ValueText(static_cast<NewHorseEditorModel::Slider>(slider)), "0");
    EXPECT_EQ(editor->colour, 0x00123456u);
    EXPECT_EQ(editor->owner, "Kept Owner");

    // Reopening starts from the brown of a new horse again.
    editor->Open(false);
    EXPECT_EQ(editor->colour, kNewHorseColour);
}

// A name cleaned of other letters and added on the second OK is the editor
// window's test (stable_windows_test); blanks around a name, the same name in
// other case, 29 letters and ownership off are a scenario's
// (dialogs_stable_questions).
TEST_F(NewHorseEditor, EachRefusalShowsItsMessageAndAddsNothing)
{
    struct Case {
        const char* typed;
        std::array<int, 4> values;
        std::string_view message;
        const char* nameAfter; // what the name box shows after the refusal
    };
    const Case cases[] = {
        {"", {10, 0, 0, 0}, kNoHorseNameMessage.source, ""},
        {"    ", {10, 0, 0, 0}, kNoHorseNameMessage.source, ""},
        {"Star-2", {10, 0, 0, 0}, kOnlyLettersMessage.source, "Star"},
        {"Good Name", {0, 0, 0, 0}, kAllZeroMessage.source, "Good Name"},
        {"Thunderbolt", {10, 0, 0, 0}, kNameTakenMessage.source, "Thunderbolt"},
        {"  Blaze ", {10, 0, 0, 0}, kNameTakenMessage.source, "Blaze"},
        {"Abcdefghijklmnopqrstuvwxyzabcd",
         {10, 0, 0, 0},
         kNameTooLongMessage.source,
         "Abcdefghijklmnopqrstuvwxyzabcd"},
    };
    const std::string before = ReadBytes(StablePath());
    for (const Case& c : cases) {
        EXPECT_EQ(Outcome(Add(c.typed, c.values)), Refused(c.message));
        EXPECT_EQ(editor->name, c.nameAfter) << c.typed;
        EXPECT_EQ(editor->values, c.values) << "the sliders stay where they were";
    }
    EXPECT_EQ(ReadBytes(StablePath()), before);
}

TEST_F(NewHorseEditor, HorseAddedByHandToTheFileMeanwhileIsStillFoundAsADuplicate)
{
    // The editor reads the file before each check, so a horse added by anyone
    // since the editor opened counts.
    WriteBytes(StablePath(), StableBytes({"Thunderbolt", "Blaze", "Late Comer"}));
    EXPECT_EQ(Outcome(Add("Late Comer")), Refused(kNameTakenMessage.source));
}

TEST_F(NewHorseEditor, OwnersAndRelationsAreKeptOnlyForHorsesAdded)
{
    WriteBytes(OwnerPath(), "Zoe Stables\r\nanna Farms\r\n");
    editor->Open(true);
    EXPECT_EQ(editor->OwnerChoices(), (Texts{"anna Farms", "Zoe Stables"}));

    editor->owner = "  Bert Barns ";
    EXPECT_EQ(Outcome(Add("Blaze")), Refused(kNameTakenMessage.source));
    EXPECT_TRUE(editor->owners.relations.empty()) << "a refused horse makes no relation";
    EXPECT_EQ(ReadBytes(OwnerPath()), "Zoe Stables\r\nanna Farms\r\n");

    EXPECT_EQ(Outcome(Add("  Quick Step ")), "added");
    ASSERT_EQ(editor->owners.relations.size(), 1u);
    EXPECT_EQ(editor->owners.relations[0].horse, "Quick Step") << "the name as stored";
    EXPECT_EQ(editor->owners.relations[0].owner, "Bert Barns");
    EXPECT_EQ(ReadBytes(OwnerPath()), "Zoe Stables\r\nanna Farms\r\nBert Barns\r\n") << "written at once";
    EXPECT_FALSE(fs::exists(RelationPath())) << "relations wait for Cancel";

    // A blank owner is written to neither file.
    editor->owner = "   ";
    EXPECT_EQ(Outcome(Add("Ownerless")), "added");
    EXPECT_EQ(editor->owners.relations.size(), 1u);

    // An owner the files cannot hold is refused before anything is added.
    editor->owner = "Tab\tOwner";
    EXPECT_EQ(Outcome(Add("Tabby")), Refused(OwnerNameProblem("Tab\tOwner")));

    editor->Cancel();
    EXPECT_EQ(ReadBytes(RelationPath()), "          Quick Step\tBert Barns\r\n");
    EXPECT_EQ(ReadBytes(OwnerPath()), "Zoe Stables\r\nanna Farms\r\nBert Barns\r\n");
}

TEST_F(NewHorseEditor, AFileThatCannotBeWrittenLeavesTheHorseOutWithAMessage)
{
    // The backup cannot be replaced: a folder stands in its place.
    fs::remove(BackupPath());
    fs::create_directory(BackupPath());
    const std::string before = ReadBytes(StablePath());
    const auto result = Add("Lost Cause");
    EXPECT_FALSE(result.added);
    EXPECT_NE(result.message.find("could not be kept"), std::string::npos) << result.message;
    EXPECT_EQ(ReadBytes(StablePath()), before) << "the stable file keeps only the horses it had";
    EXPECT_EQ(editor->stable.count, 2);
    EXPECT_EQ(editor->name, "Lost Cause") << "the player's typing stays for another try";

    // The stable file itself cannot be written: the backup is read instead
    // and nothing of the horse is kept.
    fs::remove(BackupPath());
    WriteBytes(BackupPath(), before);
    fs::remove(StablePath());
    fs::create_directory(StablePath());
    const auto second = editor->Ok();
    EXPECT_FALSE(second.added);
    EXPECT_NE(second.message.find("could not be kept"), std::string::npos);
    EXPECT_EQ(ReadBytes(BackupPath()), before);
}

TEST_F(NewHorseEditor, AStableThatCannotBeReadIsNeitherAddedToNorWrittenOver)
{
    // The stable file missing and a folder where the backup belongs; then
    // both files too short to hold a horse.
    fs::remove(StablePath());
    fs::remove(BackupPath());
    fs::create_directory(BackupPath());
    const auto missing = Add("Lone Rider");
    EXPECT_FALSE(missing.added);
    EXPECT_NE(missing.message.find("could be read"), std::string::npos) << missing.message;
    EXPECT_FALSE(fs::exists(StablePath()));
    EXPECT_TRUE(fs::is_directory(BackupPath()));

    fs::remove(BackupPath());
    WriteBytes(StablePath(), "short");
    WriteBytes(BackupPath(), "shorter");
    EXPECT_FALSE(editor->Ok().added);
    EXPECT_EQ(ReadBytes(StablePath()), "short");
    EXPECT_EQ(ReadBytes(BackupPath()), "shorter");
}

} // namespace
} // namespace galloria

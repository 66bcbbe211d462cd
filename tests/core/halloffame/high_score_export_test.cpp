#include "halloffame/high_score_export.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace galloria {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A host that answers the details dialog from a script and records every call.
class ScriptedHost final : public HighScoreExportHost {
public:
    std::optional<PersonalDetails> answer;
    std::vector<std::string> calls; // "sound 2", "ask", "notice", "failed", in order
    std::vector<PersonalDetails> askedWith;
    std::vector<std::array<std::string, 4>> notices;
    std::vector<std::string> failures;

    void PlaySound(SoundEffect sound) override
    {
        calls.push_back("sound " + std::to_string(static_cast<int>(sound)));
    }
    std::optional<PersonalDetails> AskPersonalDetails(const PersonalDetails& stored) override
    {
        calls.push_back("ask");
        askedWith.push_back(stored);
        return answer;
    }
    void ShowHighScoreNotice(const std::array<std::string, 4>& lines) override
    {
        calls.push_back("notice");
        notices.push_back(lines);
    }
    void ShowExportFailed(const std::string& message) override
    {
        calls.push_back("failed");
        failures.push_back(message);
    }
};

const PersonalDetails kAnn{"Ann", "Lee", "Oslo", "Norway", "ann@example.com"};

// The file for kAnn, a balance of 35000 on 2-7-2003, file number 3614068: the details, two blank
// lines, balance, date, verification code, file number, check code, two blank lines, the notice.
constexpr std::string_view kAnnFile = "Ann\r\nLee\r\nOslo\r\nNorway\r\nann@example.com\r\n\r\n\r\n"
                                      "35000\r\n2-7-2003\r\n482504126251387\r\n3614068\r\n65041\r\n\r\n\r\n"
                                      "This file is automatically created\r\n"
                                      "or updated whenever a new high score\r\n"
                                      "is achieved over 80,000 points.\r\n"
                                      "\r\n"
                                      "Send this file as an attachment in an\r\n"
                                      "email to Tamberlyn and your high score will\r\n"
                                      "be posted on the Website.\r\n"
                                      "\r\n"
                                      "You can change your personal info\r\n"
                                      "if it is incorrect but do not change\r\n"
                                      "the numbers below :4)\r\n";

class HighScoreExportTest : public ::testing::Test {
protected:
    HighScoreExportTest()
    {
        exporter.folder = folder.Path();
        exporter.clockSeed = [this] {
            ++clockReads;
            return 99u;
        };
        random.Seed(1234);
        host.answer = kAnn;
    }

    int High() const { return settings.GetInt("Settings", "High", 0); }
    int FileNumber() const { return settings.GetInt("Size", "File", 0); }

    std::vector<std::string> FilesInFolder() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    TempFolder folder;
    MemorySettingsStore settings;
    GameRandom random;
    ScriptedHost host;
    HighScoreExport exporter{settings, random, host};
    int clockReads = 0;
};

TEST_F(HighScoreExportTest, FirstExportDrawsTheNumberAndWritesTheFileLineForLine)
{
    const HighScoreExportResult result = exporter.Export(35000, 10000, "2-7-2003");

    EXPECT_EQ(result.outcome, HighScoreExportOutcome::Written);
    EXPECT_EQ(result.fileNumber, 3614068); // 4068 drawn before the dialog, 361 after reseeding with 99
    EXPECT_EQ(FileNumber(), 3614068);
    EXPECT_EQ(High(), 25000); // the money won, not the balance
    EXPECT_EQ(clockReads, 1);
    EXPECT_EQ(result.path, folder.Path() / "gxHigh3614068.txt");
    EXPECT_EQ(ReadBytes(result.path), kAnnFile);
    EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"gxHigh3614068.txt"});

    EXPECT_EQ(host.calls, (std::vector<std::string>{"sound 2", "ask", "notice"}));
    EXPECT_EQ(host.askedWith.front(), PersonalDetails{});
    const std::array<std::string, 4> notice = {"New high earnings over 20,000",
                                               "A file named gxHigh3614068.txt was",
                                               "placed in the main folder.", "Email this file to Tamberlyn"};
    EXPECT_EQ(host.notices.front(), notice);
}

TEST_F(HighScoreExportTest, CancellingWritesNoFileButKeepsTheNewHigh)
{
    host.answer.reset();
    settings.SetString("Settings", "First", "Kept");
    HighScoreExportResult result = exporter.Export(35000, 10000, "2-7-2003");
    EXPECT_EQ(result.outcome, HighScoreExportOutcome::Cancelled);
    EXPECT_EQ(High(), 25000);
    EXPECT_EQ(FileNumber(), 0); // still to be drawn
    EXPECT_EQ(clockReads, 0);
    EXPECT_TRUE(FilesInFolder().empty());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"sound 2", "ask"})); // no notice of a file never written
    EXPECT_EQ(settings.GetString("Settings", "First", ""), "Kept");

    // With a number already drawn, cancelling leaves it as it was too.
    settings.SetInt("Size", "File", 4242);
    result = exporter.Export(40000, 10000, "2-7-2003");
    EXPECT_EQ(result.outcome, HighScoreExportOutcome::Cancelled);
    EXPECT_EQ(High(), 30000);
    EXPECT_EQ(FileNumber(), 4242);
    EXPECT_TRUE(FilesInFolder().empty());
}

TEST_F(HighScoreExportTest, OnlyMoreThanTheHighIsOfferedAFile)
{
    settings.SetInt("Settings", "High", 25000);
    const std::uint32_t before = random.state;
    for (const auto& [balance, start] :
         std::vector<std::pair<int, int>>{{35000, 10000}, {9000, 10000}, {0, 0}}) {
        const HighScoreExportResult result = exporter.Export(balance, start, "2-7-2003");
        EXPECT_EQ(result.outcome, HighScoreExportOutcome::NotAHigh) << balance;
    }
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(random.state, before); // nothing drawn
    EXPECT_EQ(High(), 25000);
    EXPECT_TRUE(FilesInFolder().empty());

    EXPECT_EQ(exporter.Export(35001, 10000, "2-7-2003").outcome, HighScoreExportOutcome::Written);
    EXPECT_EQ(High(), 25001);

    // Without any high yet, a set that lost money or broke even is not one.
    MemorySettingsStore fresh;
    HighScoreExport first(fresh, random, host);
    first.folder = folder.Path();
    EXPECT_EQ(first.Export(10000, 10000, "2-7-2003").outcome, HighScoreExportOutcome::NotAHigh);
    EXPECT_EQ(first.Export(2000, 10000, "2-7-2003").outcome, HighScoreExportOutcome::NotAHigh);
}

TEST_F(HighScoreExportTest, LaterExportsRewriteTheSameFile)
{
    ASSERT_EQ(exporter.Export(35000, 10000, "2-7-2003").outcome, HighScoreExportOutcome::Written);
    const std::uint32_t afterFirst = random.state;
    const HighScoreExportResult second = exporter.Export(60000, 10000, "3-1-2003");

    EXPECT_EQ(second.outcome, HighScoreExportOutcome::Written);
    EXPECT_EQ(second.fileNumber, 3614068);
    EXPECT_EQ(clockReads, 1); // no second draw
    EXPECT_EQ(random.state, afterFirst);
    EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"gxHigh3614068.txt"});
    const std::string text = ReadBytes(second.path);
    EXPECT_NE(text.find("\r\n60000\r\n3-1-2003\r\n"), std::string::npos);

    // A damaged stored number counts as none drawn.
    settings.SetInt("Size", "File", -5);
    const HighScoreExportResult redrawn = exporter.Export(70000, 10000, "3-1-2003");
    EXPECT_GT(redrawn.fileNumber, 0);
    EXPECT_EQ(FileNumber(), redrawn.fileNumber);
    EXPECT_EQ(clockReads, 2);
}

TEST_F(HighScoreExportTest, DetailsAreKeptInTheSettingsAndOfferedNextTime)
{
    StorePersonalDetails(settings, kAnn);
    const std::pair<const char*, const char*> stored[] = {{"First", "Ann"},
                                                          {"Last", "Lee"},
                                                          {"City", "Oslo"},
                                                          {"Country", "Norway"},
                                                          {"Email", "ann@example.com"}};
    for (const auto& [key, value] : stored)
        EXPECT_EQ(settings.GetString("Settings", key, ""), value) << key;
    EXPECT_EQ(LoadPersonalDetails(settings), kAnn);

    // What the player typed is stored, one line per box: a pasted line break
    // would shift every line after it.
    host.answer = PersonalDetails{"Bo", "Ek", "New\r\nYork", "USA", "bo@example.com"};
    ASSERT_EQ(exporter.Export(35000, 10000, "2-7-2003").outcome, HighScoreExportOutcome::Written);
    EXPECT_EQ(host.askedWith.front(), kAnn);
    EXPECT_EQ(LoadPersonalDetails(settings),
              (PersonalDetails{"Bo", "Ek", "New  York", "USA", "bo@example.com"}));
    const std::string text = ReadBytes(folder.Path() / "gxHigh3614068.txt");
    EXPECT_TRUE(text.starts_with("Bo\r\nEk\r\nNew  York\r\nUSA\r\nbo@example.com\r\n\r\n\r\n35000\r\n"));

    exporter.Export(45000, 10000, "2-7-2003");
    EXPECT_EQ(host.askedWith.back().city, "New  York");
}

TEST_F(HighScoreExportTest, AFileThatCannotBeWrittenIsReportedAndNotPraised)
{
    WriteBytes(folder.Path() / "plain", "x");
    exporter.folder = folder.Path() / "plain"; // a file, so nothing can be made inside it
    const HighScoreExportResult result = exporter.Export(35000, 10000, "2-7-2003");
    EXPECT_EQ(result.outcome, HighScoreExportOutcome::WriteFailed);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"sound 2", "ask", "failed"}));
    EXPECT_NE(host.failures.front().find("gxHigh3614068.txt"), std::string::npos);
}

TEST(HighScoreExport, VerificationLineHasThreeCodeCharactersPerDigit)
{
    // 35000's code and check code are in the first export's file.
    EXPECT_EQ(VerificationCode(0), "482");
    EXPECT_EQ(VerificationCode(7), "376");
    EXPECT_EQ(VerificationCode(11111), "349301193833504"); // equal digits, different groups
    for (const std::int32_t balance : {1, 99, 10000, 123456789, 2147483647, -2147483647 - 1}) {
        const std::string code = VerificationCode(balance);
        const std::size_t digits = std::to_string(balance).size() - (balance < 0 ? 1 : 0);
        EXPECT_EQ(code.size(), 3 * digits) << balance;
        EXPECT_EQ(code.find_first_not_of("0123456789"), std::string::npos) << balance;
    }
    EXPECT_EQ(CheckCode(11111, 3614068), "48213");
    EXPECT_EQ(HighScoreFileName(7), "gxHigh7.txt");
}

TEST(HighScoreExport, DetailsDialogAcceptsOnlyFiveFilledBoxes)
{
    PersonalDetails details = kAnn;
    EXPECT_TRUE(details.Complete());
    for (std::string PersonalDetails::*box :
         {&PersonalDetails::first, &PersonalDetails::last, &PersonalDetails::city, &PersonalDetails::country,
          &PersonalDetails::email}) {
        PersonalDetails cleared = details;
        cleared.*box = "";
        EXPECT_FALSE(cleared.Complete());
    }
    EXPECT_FALSE(PersonalDetails{}.Complete());
}

TEST_F(HighScoreExportTest, AsTheWebTenHookOnlyTheBiggerWinnerOfASetGetsAFile)
{
    HallOfFame hallOfFame;
    hallOfFame.folder = folder.Path();
    hallOfFame.clock = [] { return LocalDateTime{2003, 2, 7, 9, 5}; };
    random.Seed(1); // as a fresh generator starts
    exporter.clockSeed = [] { return 5u; };

    // Both become the best of the Web Ten list in turn; Ann won more in the set.
    SetResultInput input;
    input.raceCounter = 9;
    input.firstTenEligible = true;
    input.playerCount = 2;
    input.slots[0] = {.name = "Ann", .balance = 25000, .startBalance = 10000, .settledBalance = 20000};
    input.slots[1] = {.name = "Bo", .balance = 22000, .startBalance = 10000, .settledBalance = 21000};
    hallOfFame.RecordEndOfSet(input, exporter.HookFor(input, hallOfFame));

    EXPECT_EQ(host.askedWith.size(), 1u);
    EXPECT_EQ(High(), 15000);
    const std::string text = ReadBytes(folder.Path() / HighScoreFileName(FileNumber()));
    EXPECT_NE(text.find("\r\n25000\r\n2-7-2003\r\n"), std::string::npos) << text;

    // The hook ignores a slot that does not exist.
    exporter.HookFor(input, hallOfFame)(7);
    EXPECT_EQ(host.askedWith.size(), 1u);
}

} // namespace
} // namespace galloria

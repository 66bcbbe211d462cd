#include "base/file_io.h"

#include "../halloffame/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace galloria {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
using Lines = std::vector<std::string>;

Lines AllLines(std::string_view text)
{
    Lines lines;
    std::string_view line;
    while (NextTextLine(text, line))
        lines.emplace_back(line);
    return lines;
}

TEST(TextLines, CrLfLfAndCrAloneEachEndALine)
{
    struct Case {
        std::string_view text;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\r\ntwo\r\n", {"one", "two"}},
        {"one\ntwo\n", {"one", "two"}},
        {"one\rtwo\r", {"one", "two"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\r\nb\r\n\r\n", {"a", "", "b", ""}},
        {"\r\n", {""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AllLines(c.text), c.lines) << c.text;
        std::istringstream in{std::string(c.text)};
        Lines streamed;
        for (std::string line; ReadTextLine(in, line);)
            streamed.push_back(line);
        EXPECT_EQ(streamed, c.lines) << c.text;
    }

    std::istringstream in("abcdefgh\rnext");
    std::string line;
    ASSERT_TRUE(ReadTextLine(in, line, 3));
    EXPECT_EQ(line, "abc") << "the rest of a long line is skipped";
    ASSERT_TRUE(ReadTextLine(in, line, 3));
    EXPECT_EQ(line, "nex");
}

TEST(WholeFiles, AreReadUpToTheirLimitAndOnlyWhenTheyAreFiles)
{
    TempFolder folder;
    const auto path = folder.Path() / "file.txt";
    EXPECT_EQ(ReadFileUpTo(path, 10).status, FileReadStatus::CannotOpen);
    WriteBytes(path, "0123456789");
    FileRead read = ReadFileUpTo(path, 10);
    EXPECT_EQ(read.status, FileReadStatus::Read);
    EXPECT_EQ(read.bytes, "0123456789");
    read = ReadFileUpTo(path, 4);
    EXPECT_EQ(read.status, FileReadStatus::TooLong);
    EXPECT_EQ(read.bytes, "0123");
    EXPECT_TRUE(read.HasBytes());
    EXPECT_EQ(ReadFileUpTo(folder.Path(), 10).status, FileReadStatus::NotAFile);
}

TEST(WholeFiles, ReplacingLeavesNoTemporaryFileAndStaleOnesAreCleanedUp)
{
    TempFolder folder;
    const auto path = folder.Path() / "data" / "Stable.dat";
    ASSERT_TRUE(ReplaceFile(path, "first"));
    ASSERT_TRUE(ReplaceFile(path, "second"));
    EXPECT_EQ(ReadBytes(path), "second");
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));

    // A temporary file a kill left is simply written over by the next save.
    WriteBytes(TemporaryPathFor(path), "half a fi");
    ASSERT_TRUE(ReplaceFile(path, "third"));
    EXPECT_EQ(ReadBytes(path), "third");
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));

    // Only the game's own temporary files are removed.
    const auto data = folder.Path() / "data";
    for (const char* name :
         {"Stable.dat.tmp", "owner.txt.tmp", "GXscores.gxs.tmp", "x.gxu.tmp", "notes.tmp", "a.tmp.txt"})
        WriteBytes(data / name, "x");
    std::filesystem::create_directories(data / "kept.dat.tmp");
    RemoveStaleTemporaryFiles(data);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(data))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Stable.dat", "a.tmp.txt", "kept.dat.tmp", "notes.tmp"}));
}

} // namespace
} // namespace galloria

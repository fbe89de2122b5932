#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "TempFolder.h"
#include "persistence/ProgramFolder.h"
#include "persistence/TextFile.h"

namespace zorvane {
namespace {

using Lines = std::vector<std::string>;

TEST(TextFileTest, LineEndsEmptyLinesAndCtrlZ) {
    EXPECT_EQ(SplitTextLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitTextLines("a\r\n\r\n\n\rb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitTextLines("a\r\nb\x1A\r\nc\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitTextLines(" \r\n"), (Lines{" "}));  // a blank is not an empty line
    EXPECT_EQ(SplitTextLines(""), Lines{});
    EXPECT_EQ(JoinTextLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(TextFileTest, WritesCrLfAndReadsBackBytes) {
    test::TempFolder folder;
    const std::string path = folder.File("t.txt");
    const Lines lines = {"; head", "Name=\xc3\xa9\xff", "x|y"};
    ASSERT_TRUE(WriteTextFile(path, lines).ok);
    EXPECT_EQ(test::ReadBytes(path), "; head\r\nName=\xc3\xa9\xff\r\nx|y\r\n");
    Lines read;
    ASSERT_TRUE(ReadTextFile(path, read).ok);
    EXPECT_EQ(read, lines);
    EXPECT_EQ(folder.Count(), 1);
}

TEST(TextFileTest, ReadingMissingOrUnreadableFiles) {
    test::TempFolder folder;
    Lines lines = {"stale"};
    FileResult missing = ReadTextFile(folder.File("none.txt"), lines);
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.missing);
    EXPECT_FALSE(missing.reason.empty());
    EXPECT_TRUE(lines.empty());

    FileResult directory = ReadTextFile(folder.Path().string(), lines);
    EXPECT_FALSE(directory.ok);
    EXPECT_FALSE(directory.missing);
    EXPECT_FALSE(directory.reason.empty());
}

TEST(TextFileTest, FailedWriteKeepsTheOldFileWhole) {
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    test::WriteBytes(path, "old\r\n");

    // A full disk, played by a file size limit: the write fails part way.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult full = WriteTextFile(path, Lines(100, std::string(50, 'x')));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(full.ok);
    EXPECT_FALSE(full.reason.empty());

    // The target is a folder: the data is written, the replacing fails.
    std::filesystem::create_directory(folder.File("Taken"));
    const FileResult onDirectory = WriteTextFile(folder.File("Taken"), {"new"});
    EXPECT_FALSE(onDirectory.ok);
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("Taken")));

    const FileResult noFolder = WriteTextFile(folder.File("gone/Scores.txt"), {"new"});
    EXPECT_FALSE(noFolder.ok);
    EXPECT_FALSE(noFolder.reason.empty());

    EXPECT_EQ(test::ReadBytes(path), "old\r\n");
    EXPECT_EQ(folder.Count(), 2);  // no temporary file left behind
}

TEST(TextFileTest, ReplacingKeepsPermissions) {
    test::TempFolder folder;
    const std::string path = folder.File("Options.txt");
    test::WriteBytes(path, "old\r\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    ASSERT_TRUE(WriteTextFile(path, {"new"}).ok);
    EXPECT_EQ(test::ReadBytes(path), "new\r\n");
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}

TEST(TextFileTest, ProgramFolderHoldsThisTestProgram) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "persistence_tests"));
}

}  // namespace
}  // namespace zorvane

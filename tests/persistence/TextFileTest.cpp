#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <filesystem>

#include "TempFolder.h"
#include "persistence/FileCheck.h"
#include "persistence/ProgramFolder.h"
#include "persistence/TextFile.h"
#include "tests/support/Deadline.h"

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

// Options.txt, Scores.txt and saved games are all read through here.
TEST(TextFileTest, OnlyRegularFilesWithinTheCapAreRead) {
    test::TempFolder folder;
    const std::string fifo = folder.File("Options.txt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = folder.File("Scores.txt");
    test::WriteBytes(huge, "");
    std::filesystem::resize_file(huge, kTextFileCap + 1);  // sparse: no disk used
    const std::string full = folder.File("full.sav");
    test::WriteBytes(full, "Score=7\r\n");
    std::filesystem::resize_file(full, kTextFileCap);

    Lines lines = {"stale"};
    const test::Deadline deadline("reading a FIFO and a device");
    for (const std::string& path : {fifo, std::string("/dev/zero")}) {
        const FileResult result = ReadTextFile(path, lines);
        EXPECT_FALSE(result.ok) << path;
        EXPECT_FALSE(result.missing) << path;
        EXPECT_EQ(result.reason, "not a regular file") << path;
        EXPECT_TRUE(lines.empty());
    }
    const FileResult tooLarge = ReadTextFile(huge, lines);
    EXPECT_FALSE(tooLarge.ok);
    EXPECT_EQ(tooLarge.reason, "too large (1.1 MB, at most 1 MB)");
    ASSERT_TRUE(ReadTextFile(full, lines).ok);  // the cap itself is allowed
    EXPECT_EQ(lines.front(), "Score=7");

    // A name the system cannot take, or one a NUL byte would cut short to
    // the name of another file, opens nothing.
    const FileResult tooLong = ReadTextFile(std::string(PATH_MAX, 'a'), lines);
    EXPECT_FALSE(tooLong.ok);
    EXPECT_EQ(tooLong.reason, "File name too long");
    const FileResult cut = ReadTextFile(full + std::string(1, '\0') + "x", lines);
    EXPECT_FALSE(cut.ok);
    EXPECT_TRUE(lines.empty());
}

// What an interrupted save left beside its file goes at the next save of that
// file; a fresh one may be another running game's save in progress.
TEST(TextFileTest, TemporariesOfInterruptedSavesAreRemoved) {
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    const std::vector<std::string> stale = {".Scores.txt.zorvane-123.tmp", ".zorvane-77.tmp"};
    const std::vector<std::string> kept = {".Scores.txt.zorvane-456.tmp",  // fresh
                                           ".Options.txt.zorvane-9.tmp",   // another file's
                                           ".Scores.txt.zorvane-1.tmp.bak",
                                           "Scores.txt.zorvane-5.tmp"};
    const auto anHourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const std::string& name : stale) {
        test::WriteBytes(folder.File(name), "part");
        std::filesystem::last_write_time(folder.File(name), anHourAgo);
    }
    for (const std::string& name : kept) {
        test::WriteBytes(folder.File(name), "part");
        if (name != kept.front()) {
            std::filesystem::last_write_time(folder.File(name), anHourAgo);
        }
    }
    ASSERT_TRUE(WriteTextFile(path, {"new"}).ok);
    for (const std::string& name : stale) {
        EXPECT_FALSE(std::filesystem::exists(folder.File(name))) << name;
    }
    for (const std::string& name : kept) {
        EXPECT_TRUE(std::filesystem::exists(folder.File(name))) << name;
    }
    EXPECT_EQ(folder.Count(), 1 + static_cast<int>(kept.size()));
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

    // But a file its owner could not read is not copied into another one.
    std::filesystem::permissions(path, std::filesystem::perms::group_read);
    ASSERT_TRUE(WriteTextFile(path, {"again"}).ok);
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);

    // Set-id and sticky bits never pass to the new file, and a link's
    // target lends it nothing: in its place the new file is made as new.
    auto modeOf = [](const std::string& file) {
        struct stat info {};
        EXPECT_EQ(::lstat(file.c_str(), &info), 0);
        return info.st_mode & 07777;
    };
    ASSERT_EQ(::chmod(path.c_str(), 04755), 0);
    ASSERT_TRUE(WriteTextFile(path, {"set-id"}).ok);
    EXPECT_EQ(modeOf(path), 0755u);
    const mode_t umask = ::umask(022);
    for (const mode_t targetMode : {04755, 0666}) {
        const std::string target = folder.File("target");
        test::WriteBytes(target, "target\r\n");
        ASSERT_EQ(::chmod(target.c_str(), targetMode), 0);
        std::filesystem::remove(path);
        std::filesystem::create_symlink(target, path);
        ASSERT_TRUE(WriteTextFile(path, {"through a link"}).ok);
        EXPECT_EQ(modeOf(path), 0644u) << std::oct << targetMode;
        EXPECT_EQ(modeOf(target), targetMode);
        EXPECT_EQ(test::ReadBytes(target), "target\r\n");
    }
    ::umask(umask);
}

TEST(TextFileTest, ProgramFolderHoldsThisTestProgram) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "persistence_tests"));
}

}  // namespace
}  // namespace zorvane

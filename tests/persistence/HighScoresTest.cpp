#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "TempFolder.h"
#include "persistence/FileCheck.h"
#include "persistence/HighScores.h"
#include "tests/support/Deadline.h"

namespace zorvane {
namespace {

using Lines = std::vector<std::string>;

std::vector<std::string> Scores(const HighScoreTable& table) {
    std::vector<std::string> scores;
    for (int i = 0; i < HighScoreTable::kRows; ++i) {
        scores.push_back(table.Row(i).Score);
    }
    return scores;
}

TEST(HighScoresTest, ClearedTableAndItsFile) {
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    HighScoreTable table("2024-05-01");
    ASSERT_TRUE(table.SaveScores(path).ok);
    EXPECT_EQ(test::ReadBytes(path),
              "; Scores for Zorvane v. 1.0 b\r\n"
              "5000|2024-05-01|1|No Name\r\n4500|2024-05-01|1|No Name\r\n"
              "4000|2024-05-01|1|No Name\r\n3500|2024-05-01|1|No Name\r\n"
              "3000|2024-05-01|1|No Name\r\n2500|2024-05-01|1|No Name\r\n"
              "2000|2024-05-01|1|No Name\r\n1500|2024-05-01|1|No Name\r\n"
              "1000|2024-05-01|1|No Name\r\n500|2024-05-01|1|No Name\r\n");
}

TEST(HighScoresTest, InsertionAfterClear) {
    HighScoreTable table("d0");
    EXPECT_FALSE(table.IsHighScore(500));
    EXPECT_FALSE(table.IsHighScore(0));
    EXPECT_FALSE(table.InsertScore("low", 500, 1, "d1"));
    EXPECT_EQ(Scores(table), Scores(HighScoreTable("d0")));

    ASSERT_TRUE(table.InsertScore("last", 501, 2, "d1"));
    EXPECT_EQ(table.Row(9).Score, "501");
    EXPECT_EQ(table.Row(9).Name, "last");
    EXPECT_EQ(table.Row(8).Score, "1000");

    ASSERT_TRUE(table.InsertScore("tie", 4500, 3, "d2"));
    EXPECT_EQ(table.Row(1).Score, "4500");
    EXPECT_EQ(table.Row(1).Name, "tie");
    EXPECT_EQ(table.Row(1).Date, "d2");
    EXPECT_EQ(table.Row(1).Level, "3");
    EXPECT_EQ(table.Row(2).Name, "No Name");  // the old 4500 moved down

    ASSERT_TRUE(table.InsertScore("top", 5000, 4, "d3"));
    EXPECT_EQ(Scores(table), (Lines{"5000", "5000", "4500", "4500", "4000", "3500", "3000", "2500",
                                    "2000", "1500"}));
    EXPECT_EQ(table.Row(0).Name, "top");
    EXPECT_EQ(table.Row(1).Name, "No Name");
}

TEST(HighScoresTest, QualifyingComparesTexts) {
    HighScoreTable table;
    table.EditScore(9, "9500");
    EXPECT_TRUE(table.IsHighScore(10000));  // longer text
    EXPECT_FALSE(table.IsHighScore(9500));
    EXPECT_TRUE(table.IsHighScore(9501));
    table.EditScore(9, "abc");  // edited in the window: still a text compare
    EXPECT_FALSE(table.IsHighScore(999));
    EXPECT_TRUE(table.IsHighScore(1000));
}

TEST(HighScoresTest, LoadingRowsNamesAndExtraLines) {
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    std::string bytes = "; header\n\n900|1.1.24|3|Ann|the | great\r;comment\r\n";
    for (int i = 0; i < 12; ++i) {
        bytes += std::to_string(800 - i) + "|d|1|P" + std::to_string(i) + "\r\n";
    }
    test::WriteBytes(path, bytes);
    HighScoreTable table("today");
    ASSERT_TRUE(table.LoadScores(path).ok);
    EXPECT_EQ(table.Row(0).Name, "Ann|the | great");
    EXPECT_EQ(table.Row(0).Date, "1.1.24");
    EXPECT_EQ(table.Row(9).Score, "792");

    ASSERT_TRUE(table.SaveScores(path).ok);
    Lines lines;
    ASSERT_TRUE(ReadTextFile(path, lines).ok);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[1], "900|1.1.24|3|Ann|the | great");
    EXPECT_EQ(lines[10], "792|d|1|P8");
}

TEST(HighScoresTest, ShortMissingAndUnreadableFiles) {
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    test::WriteBytes(path, "; Scores\r\n700|d|2|Bo\r\n12\r\n");
    HighScoreTable table("today");
    ASSERT_TRUE(table.LoadScores(path).ok);
    EXPECT_EQ(table.Row(1).Score, "12");
    EXPECT_EQ(table.Row(1).Name, "");
    EXPECT_EQ(table.Row(2).Score, "0");
    EXPECT_EQ(table.Row(9).Date, "");
    EXPECT_TRUE(table.IsHighScore(1));
    ASSERT_TRUE(table.InsertScore("Cy", 13, 1, "now"));
    EXPECT_EQ(Scores(table), (Lines{"700", "13", "12", "0", "0", "0", "0", "0", "0", "0"}));

    HighScoreTable fresh("today");
    const FileResult missing = fresh.LoadScores(folder.File("none.txt"));
    EXPECT_TRUE(missing.ok);
    EXPECT_TRUE(missing.missing);
    EXPECT_EQ(fresh.Row(0).Score, "5000");
    EXPECT_EQ(fresh.Row(0).Date, "today");

    const FileResult unreadable = table.LoadScores(folder.Path().string());
    EXPECT_FALSE(unreadable.ok);
    EXPECT_FALSE(unreadable.reason.empty());
    EXPECT_EQ(table.Row(1).Name, "Cy");
}

std::vector<std::string> Names(const HighScoreTable& table) {
    std::vector<std::string> names;
    for (int i = 0; i < HighScoreTable::kRows; ++i) {
        names.push_back(table.Row(i).Name);
    }
    return names;
}

// Two games started on the same file, each saving its changes over what the
// other wrote meanwhile.
TEST(HighScoresTest, TwoGamesSharingTheFileKeepEachOthersChanges) {
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    ASSERT_TRUE(HighScoreTable("d0").SaveScores(path).ok);
    HighScoreTable first("x");
    HighScoreTable second("x");
    ASSERT_TRUE(first.LoadScores(path).ok);
    ASSERT_TRUE(second.LoadScores(path).ok);

    ASSERT_TRUE(first.InsertScore("Ann", 7000, 5, "d1"));
    ASSERT_TRUE(first.SaveScores(path).ok);

    // The second game still shows the table it read: its edit is to the old
    // top row, which the file now holds one place lower.
    second.EditScore(0, "5100");
    ASSERT_TRUE(second.InsertScore("Bob", 6000, 4, "d2"));
    ASSERT_TRUE(second.SaveScores(path).ok);
    EXPECT_EQ(Scores(second), (Lines{"7000", "6000", "5100", "4500", "4000", "3500", "3000", "2500",
                                     "2000", "1500"}));
    EXPECT_EQ(Names(second)[0], "Ann");
    EXPECT_EQ(Names(second)[1], "Bob");

    first.Clear("d3");
    ASSERT_TRUE(first.SaveScores(path).ok);
    ASSERT_TRUE(second.InsertScore("Cy", 9999, 9, "d4"));
    ASSERT_TRUE(second.SaveScores(path).ok);

    HighScoreTable onDisk("x");
    ASSERT_TRUE(onDisk.LoadScores(path).ok);
    EXPECT_EQ(onDisk.Lines(), second.Lines());
    EXPECT_EQ(Scores(onDisk), (Lines{"9999", "5000", "4500", "4000", "3500", "3000", "2500", "2000",
                                     "1500", "1000"}));
    EXPECT_EQ(onDisk.Row(0).Name, "Cy");
    EXPECT_EQ(onDisk.Row(1).Date, "d3");
}

// Saves that run at the same moment take turns, so none undoes another.
TEST(HighScoresTest, SimultaneousSavesLoseNoEntry) {
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    ASSERT_TRUE(HighScoreTable("d0").SaveScores(path).ok);
    auto play = [&path](const std::string& name, int base) {
        HighScoreTable table("x");
        table.LoadScores(path);
        for (int game = 0; game < 5; ++game) {
            table.InsertScore(name, base + game, 1, "d");
            EXPECT_TRUE(table.SaveScores(path).ok);
        }
    };
    std::thread first(play, "A", 10000);
    std::thread second(play, "B", 20000);
    first.join();
    second.join();
    HighScoreTable onDisk("x");
    ASSERT_TRUE(onDisk.LoadScores(path).ok);
    EXPECT_EQ(Scores(onDisk), (Lines{"20004", "20003", "20002", "20001", "20000", "10004", "10003",
                                     "10002", "10001", "10000"}));
}

// What the table does with a file it cannot read: left alone, the new entry
// kept in memory, and the failure reported once.
void KeepsAnUnreadableFile(const std::string& path, const std::string& reason) {
    HighScoreTable table("today");
    const FileResult loaded = table.LoadScores(path);
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.reason, reason +
                                 "; the file is left as it is, and new high scores are kept only "
                                 "while the game runs");
    ASSERT_TRUE(table.InsertScore("Ann", 6000, 3, "d1"));
    const FileResult saved = table.SaveScores(path);
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.alreadyReported);
    EXPECT_EQ(table.Row(0).Name, "Ann");
}

TEST(HighScoresTest, AFileThatCannotBeReadIsNeverReplaced) {
    test::TempFolder folder;
    const test::Deadline deadline("saving over a FIFO");
    const std::string fifo = folder.File("Scores.txt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    KeepsAnUnreadableFile(fifo, "not a regular file");
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    const std::string huge = folder.File("Big.txt");
    test::WriteBytes(huge, "; big\r\n");
    std::filesystem::resize_file(huge, kTextFileCap + 1);
    KeepsAnUnreadableFile(huge, "too large (1.1 MB, at most 1 MB)");
    EXPECT_EQ(std::filesystem::file_size(huge), static_cast<std::uintmax_t>(kTextFileCap + 1));

    // A file that turns unreadable after a good start is reported at the
    // first save it stops, and not at every save after that.
    const std::string later = folder.File("Later.txt");
    HighScoreTable table("today");
    ASSERT_TRUE(table.SaveScores(later).ok);
    ASSERT_TRUE(table.LoadScores(later).ok);
    std::filesystem::resize_file(later, kTextFileCap + 1);
    ASSERT_TRUE(table.InsertScore("Bo", 7000, 2, "d2"));
    const FileResult first = table.SaveScores(later);
    EXPECT_FALSE(first.ok);
    EXPECT_FALSE(first.alreadyReported);
    const FileResult again = table.SaveScores(later);
    EXPECT_FALSE(again.ok);
    EXPECT_TRUE(again.alreadyReported);
    EXPECT_EQ(std::filesystem::file_size(later), static_cast<std::uintmax_t>(kTextFileCap + 1));
}

// Mode 000 bars everyone but the superuser, so when the tests run as root the
// player is played by a child process with an ordinary user's rights.
TEST(HighScoresTest, AFileItsPlayerMayNotReadIsNeverReplaced) {
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    const std::string bytes = "; Scores\r\n9000|d|9|Someone\r\n";
    test::WriteBytes(path, bytes);
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::all);
    std::filesystem::permissions(path, std::filesystem::perms::none);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(10);
        }
        HighScoreTable table("today");
        const FileResult loaded = table.LoadScores(path);
        table.InsertScore("Ann", 6000, 3, "d1");
        const FileResult saved = table.SaveScores(path);
        ::_exit(loaded.ok ? 11 : saved.ok ? 12 : !saved.alreadyReported ? 13 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0u);
    EXPECT_EQ(test::ReadBytes(path), bytes);  // read as root
}

}  // namespace
}  // namespace zorvane

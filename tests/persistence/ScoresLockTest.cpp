// High scores are written only under the lock beside Scores.txt: writers wait
// for a holder however long it stalls, a lock file that is no file is made
// afresh, and a save that cannot get the lock keeps its change for later.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <set>
#include <thread>

#include "TempFolder.h"
#include "persistence/FileLock.h"
#include "persistence/HighScores.h"

namespace zorvane {
namespace {

using namespace std::chrono_literals;

std::set<std::string> NamesOnDisk(const std::string& path) {
    HighScoreTable onDisk("x");
    EXPECT_TRUE(onDisk.LoadScores(path).ok);
    std::set<std::string> names;
    for (int i = 0; i < HighScoreTable::kRows; ++i) {
        names.insert(onDisk.Row(i).Name);
    }
    return names;
}

// Five games end while another copy holds the lock for longer than any
// writer used to wait, and then dies by SIGKILL: each writer waits for it,
// and every entry is there.
TEST(ScoresLockTest, WritersWaitForAStalledHolderThatDiesAndLoseNoEntry) {
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    ASSERT_TRUE(HighScoreTable("d0").SaveScores(path).ok);

    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        const FileLock lock(path, {});
        const char held = lock.Held() ? 1 : 0;
        [[maybe_unused]] const ssize_t sent = ::write(ready[1], &held, 1);
        for (;;) {
            ::pause();
        }
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 1);

    std::atomic<bool> holderGone{false};
    std::atomic<int> savedWhileHeld{0};
    std::vector<std::thread> writers;
    for (int i = 0; i < 5; ++i) {
        writers.emplace_back([&, i] {
            HighScoreTable table("x");
            table.LoadScores(path);
            table.InsertScore("W" + std::to_string(i), 10000 + i, 1, "d");
            const FileResult saved = table.SaveScores(path);
            EXPECT_TRUE(saved.ok) << saved.reason;
            savedWhileHeld += holderGone ? 0 : 1;
        });
    }
    std::this_thread::sleep_for(2500ms);
    holderGone = true;
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    for (std::thread& writer : writers) {
        writer.join();
    }
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(savedWhileHeld, 0);
    const std::set<std::string> names = NamesOnDisk(path);
    for (const char* name : {"W0", "W1", "W2", "W3", "W4"}) {
        EXPECT_TRUE(names.count(name)) << name;
    }
}

// A link (to someone's file), a folder or a FIFO under the lock's name is
// replaced by a regular lock file, never locked or written through.
TEST(ScoresLockTest, ALockFileThatIsNoFileIsMadeAfresh) {
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    const std::string lockPath = path + ".lock";
    const std::string target = folder.File("someone-elses");
    test::WriteBytes(target, "keep\n");
    ASSERT_EQ(::chmod(target.c_str(), 0644), 0);
    const std::function<void()> makeOdd[] = {
        [&] { std::filesystem::create_symlink(target, lockPath); },
        [&] { std::filesystem::create_directory(lockPath); },
        [&] { ASSERT_EQ(::mkfifo(lockPath.c_str(), 0600), 0); },
    };
    int score = 9000;
    for (const auto& make : makeOdd) {
        std::filesystem::remove(lockPath);
        make();
        HighScoreTable table("x");
        table.LoadScores(path);
        ASSERT_TRUE(table.InsertScore("Ann", ++score, 1, "d"));
        const FileResult saved = table.SaveScores(path);
        EXPECT_TRUE(saved.ok) << saved.reason;
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(lockPath)));
        EXPECT_EQ(test::ReadBytes(target), "keep\n");
    }
    EXPECT_EQ(NamesOnDisk(path).count("Ann"), 1u);
}

// A holder that outlasts the waiter's patience: nothing is written, the
// failure is told once, the waiting let the caller's work go on, and the
// change is written by the next save once the lock is free.
TEST(ScoresLockTest, ALockThatStaysTakenKeepsTheChangeForTheNextSave) {
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    ASSERT_TRUE(HighScoreTable("d0").SaveScores(path).ok);
    const std::string before = test::ReadBytes(path);

    HighScoreTable table("x");
    ASSERT_TRUE(table.LoadScores(path).ok);
    int pauses = 0;
    table.SetLockWaiting({[&pauses](std::chrono::milliseconds pause) {
                              ++pauses;
                              std::this_thread::sleep_for(pause);
                          },
                          200ms});
    ASSERT_TRUE(table.InsertScore("Bo", 7000, 2, "d2"));
    {
        const FileLock other(path, {});
        ASSERT_TRUE(other.Held());
        const FileResult first = table.SaveScores(path);
        EXPECT_FALSE(first.ok);
        EXPECT_FALSE(first.alreadyReported);
        EXPECT_NE(first.reason.find("kept and saved later"), std::string::npos) << first.reason;
        const FileResult again = table.SaveScores(path);
        EXPECT_FALSE(again.ok);
        EXPECT_TRUE(again.alreadyReported);
        EXPECT_EQ(test::ReadBytes(path), before);
    }
    EXPECT_GT(pauses, 2);
    EXPECT_EQ(table.PendingChanges(), std::vector<std::string>{"7000 by Bo, level 2, d2"});
    ASSERT_TRUE(table.SaveScores(path).ok);
    EXPECT_TRUE(table.PendingChanges().empty());
    EXPECT_EQ(NamesOnDisk(path).count("Bo"), 1u);
}

}  // namespace
}  // namespace zorvane

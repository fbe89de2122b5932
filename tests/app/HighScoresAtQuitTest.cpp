// A high score that could not be written (the disk was full) is written when
// the game quits; when even that fails, the player learns what was lost and
// where.

#include <sys/resource.h>

#include <csignal>

#include "AppFixture.h"

namespace zorvane::test {
namespace {

// A full disk, played by a file size limit that the whole table exceeds.
class FullDisk {
  public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = 200;
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() { Free(); }
    void Free() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

  private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

class HighScoresAtQuit : public AppTest {
  protected:
    std::string ScoresFile() { return ReadBytes(folder / "Scores.txt"); }
    static std::string ReadBytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Ends the game with `score`, entering it as `name`.
    void EndWith(int score, const char* name, bool playAgain) {
        dialogs->typedName = name;
        dialogs->answers = {playAgain};
        game().SetScore(score);
        EndTheGameWithAPush();
    }
};

TEST_F(HighScoresAtQuit, AScoreMadeOnAFullDiskIsWrittenWhenTheGameQuits) {
    Start();
    {
        FullDisk full;
        EndWith(4600, "Ann", true);
        ASSERT_TRUE(
            dialogs->log.contains("message: Error: " + QString::fromStdString(ProgramFolder()) +
                                  "Scores.txt: File too large"))
            << dialogs->log.join('\n').toStdString();
        EXPECT_EQ(ScoresFile().find("Ann"), std::string::npos);
    }
    // Space came back; the player quits.
    dialogs->log.clear();
    board->close();
    EXPECT_NE(ScoresFile().find("|1|Ann\r\n"), std::string::npos) << ScoresFile();
    EXPECT_TRUE(dialogs->log.isEmpty()) << dialogs->log.join('\n').toStdString();

    // The disk stays full to the end: one message names the entry and the file.
    board.reset();
    Start();
    const std::string before = ScoresFile();
    FullDisk full;
    EndWith(4700, "Bo", false);  // no second game: the window closes
    full.Free();
    ASSERT_FALSE(board->isVisible());
    const QString lost = dialogs->log.last();
    EXPECT_TRUE(lost.startsWith("message: Error: These high scores could not be saved in " +
                                QString::fromStdString(ProgramFolder()) + "Scores.txt"))
        << lost.toStdString();
    EXPECT_TRUE(lost.contains("\n4700 by Bo, level 1, ")) << lost.toStdString();
    EXPECT_EQ(ScoresFile(), before);
}

}  // namespace
}  // namespace zorvane::test

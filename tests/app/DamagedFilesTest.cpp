// Files that are no files, files of absurd size and files damaged line by
// line: the main window starts, reports each file once and plays on.

#include <sys/stat.h>

#include "AppFixture.h"
#include "tests/support/Deadline.h"

namespace zorvane::test {
namespace {

using DamagedFiles = AppTest;

TEST_F(DamagedFiles, FifosNeverHoldUpTheGame) {
    const std::string picture = (folder / "pipe.bmp").string();
    const std::string saved = (folder / "game.sav").string();
    for (const std::string& fifo : {picture, saved, (folder / "Scores.txt").string()}) {
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0) << fifo;
    }
    WriteFile("Options.txt", "UseGraphicsBack=TRUE\r\nGraphicsBack=" + picture + "\r\n");
    const Deadline deadline("a start, an open and a game over on FIFOs");

    TMainBoard& b = Start();
    const QString scoresPath = QString::fromStdString(ProgramFolder() + "Scores.txt");
    EXPECT_EQ(
        dialogs->log,
        (QStringList{"message: Error: " + QString::fromStdString(picture) + ": not a regular file",
                     "message: Error: " + scoresPath +
                         ": not a regular file; the file is left as it is, and new high "
                         "scores are kept only while the game runs"}));
    EXPECT_FALSE(b.Background().IsSet());

    dialogs->log.clear();
    game().SetScore(4600);
    dialogs->files = {QString::fromStdString(saved)};
    b.LoadSubMenuClick();
    ASSERT_EQ(dialogs->log.size(), 3);
    EXPECT_EQ(dialogs->log[2],
              "message: Error: " + QString::fromStdString(saved) + ": not a regular file");
    EXPECT_EQ(game().State().Score, 4600);

    // A high score: kept in the table, the file left alone, and no second
    // message about it.
    dialogs->log.clear();
    dialogs->typedName = "Ann";
    dialogs->answers = {true};
    EndTheGameWithAPush();
    EXPECT_EQ(dialogs->log, (QStringList{"message: Confirm: The game is over!",
                                         "window: Enter Name", "window: High Scores",
                                         "question: Confirm: Would you like to play again?"}));
    EXPECT_EQ(b.Scores().Row(1).Name, "Ann");
    EXPECT_TRUE(std::filesystem::is_fifo(folder / "Scores.txt"));
}

// One damaged Options.txt used to raise a box for every line, and a long
// name a box that took a minute to lay out.
TEST_F(DamagedFiles, ADamagedOptionsFileGivesOneShortMessage) {
    const std::string longName = "/" + std::string(600000, 'p') + "/end.bmp";
    std::string options = "GraphicsBack=" + longName + "\r\n";
    for (int line = 1; line < 10000; ++line) {
        const std::string n = std::to_string(line);
        if (line % 2 == 1) {
            options += "BadSound=lost" + n + ".wav\r\n";
        } else {
            options += "GraphicsBack=/nonexistent/picture" + n + ".bmp\r\n";
        }
    }
    WriteFile("Options.txt", options);
    Start();
    ASSERT_EQ(dialogs->log.size(), 1) << dialogs->log.mid(0, 3).join("\n").left(300).toStdString();
    const QStringList lines = dialogs->log[0].split('\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], "message: Error: Reading " + QString::fromStdString(ProgramFolder()) +
                            "Options.txt found 10000 problems:");
    EXPECT_EQ(lines[1], "/" + QString(49, 'p') + QChar(0x2026) + QString(41, 'p') +
                            "/end.bmp: File name too long");
    // A sound file is checked as it is read, and opened only when sound is needed.
    EXPECT_EQ(lines[2], "lost1.wav: No such file or directory");
    EXPECT_EQ(lines[3], "/nonexistent/picture2.bmp: No such file or directory");
    EXPECT_EQ(lines[5], "/nonexistent/picture4.bmp: No such file or directory");
    EXPECT_EQ(lines[6], QChar(0x2026) + QString(" and 9995 more."));
    EXPECT_EQ(game().NumRows(), 9);
}

// A picture that will not load is said, and the one read before it stays.
TEST_F(DamagedFiles, APictureThatWillNotLoadLeavesTheOneBefore) {
    QImage sky(8, 8, QImage::Format_RGB32);
    sky.fill(Qt::blue);
    const std::string good = (folder / "sky.bmp").string();
    ASSERT_TRUE(sky.save(QString::fromStdString(good), "BMP"));
    WriteFile("Options.txt", "GraphicsBack=" + good + "\r\nGraphicsBack=/nowhere/sea.bmp\r\n");
    TMainBoard& b = Start();
    EXPECT_EQ(dialogs->log,
              QStringList{"message: Error: /nowhere/sea.bmp: No such file or directory"});
    EXPECT_TRUE(b.Background().IsSet());
    EXPECT_EQ(b.GameSettings().GraphicsBack, good);
    EXPECT_TRUE(b.GameSettings().GraphicsBackSet);
}

}  // namespace
}  // namespace zorvane::test

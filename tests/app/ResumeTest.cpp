// The game in progress when the window closes comes back, paused, at the
// next start; one that is over or not yet played leaves nothing; a damaged
// one is reported and set aside; a file named at start opens instead.

#include <QTest>

#include "AppFixture.h"

namespace zorvane::test {
namespace {

class Resume : public AppTest {
  protected:
    bool Kept() const { return std::filesystem::exists(folder / "Resume.SAV"); }
    std::string Read(const char* name) const {
        std::ifstream in(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // The player takes the bottom row's group, leaving a lone piece.
    void PlayAMove() {
        SetBoard({"2.........", "111......."});
        QTest::mouseClick(board->BoardPanel(), Qt::LeftButton, {}, QPoint(20, 9 * 40 - 20));
    }
    // Whether closing the window after `play` on a fresh start keeps a game.
    bool KeptAfter(const std::function<void()>& play) {
        std::filesystem::remove(folder / "Resume.SAV");
        Start();
        play();
        board->close();
        return Kept();
    }
};

TEST_F(Resume, AGameClosedMidPlayComesBackPausedWithItsBoardScoreAndLevel) {
    TMainBoard& b = Start();
    game().SetLevel(4);
    game().ArrangeScore(1200);
    PlayAMove();
    PauseButton(b)->click();  // paused, still in progress
    b.close();
    ASSERT_TRUE(Kept());

    TMainBoard& again = Start();
    EXPECT_FALSE(Kept());
    EXPECT_EQ(BottomRow(), "2.........");
    EXPECT_EQ(game().State().Status.DigitText(), "____1230");
    EXPECT_EQ(StatusLabel(again, "LevelLabel")->text(), "Level: 4");
    EXPECT_EQ(PauseButton(again)->text(), "Start");
    EXPECT_FALSE(again.Clock().Enabled());
    EXPECT_TRUE(dialogs->log.isEmpty()) << dialogs->log.join('\n').toStdString();

    // Closed again before the player pressed Start: it is not lost.
    again.close();
    ASSERT_TRUE(Kept());
    Start();
    EXPECT_EQ(game().State().Score, 1230);
}

TEST_F(Resume, OnlyAGameWithAMoveOrTickSinceItBeganAndNotOverIsKept) {
    EXPECT_FALSE(KeptAfter([] {}));
    EXPECT_TRUE(KeptAfter([&] { game().DXTimer1Timer(); }));
    EXPECT_FALSE(KeptAfter([&] {
        PlayAMove();
        board->NewSubMenuClick();
    }));
    const QString saved = QString::fromStdString((folder / "saved.SAV").string());
    EXPECT_FALSE(KeptAfter([&] {
        PlayAMove();
        dialogs->files = {saved, saved};
        board->SaveSubMenuClick();
        board->LoadSubMenuClick();
    }));
    // Over, then played again, or not (the game closes the window itself).
    for (const bool again : {true, false}) {
        EXPECT_FALSE(KeptAfter([&] {
            dialogs->answers = {again};
            EndTheGameWithAPush();
        })) << again;
    }
}

TEST_F(Resume, ADamagedOneIsReportedAndSetAsideAndAFreshGameStarts) {
    WriteFile("Resume.SAV", "half a game\r\n");
    WriteFile("Resume-damaged.SAV", "an older one\r\n");
    Start();
    EXPECT_EQ(dialogs->log,
              QStringList{"message: Error: " + QString::fromStdString(ProgramFolder()) +
                          "Resume.SAV: the file holds no saved game"});
    EXPECT_FALSE(Kept());
    EXPECT_EQ(Read("Resume-damaged.SAV"), "half a game\r\n");
    EXPECT_EQ(game().State().Score, 0);
    EXPECT_TRUE(game().State().Paused);
}

TEST_F(Resume, AFileNamedAtStartOpensInsteadAndTheGameLeftWaits) {
    WriteFile("Resume.SAV", "Score=555\r\n");
    WriteFile("named.SAV", "Score=777\r\nLevel=3\r\n");
    Start((folder / "named.SAV").string());
    EXPECT_EQ(game().State().Score, 777);
    EXPECT_EQ(game().State().Level, 3);
    EXPECT_TRUE(game().State().Paused);

    // One that will not open: the usual message and a fresh game.
    Start((folder / "missing.SAV").string());
    ASSERT_EQ(dialogs->log.size(), 1);
    EXPECT_TRUE(dialogs->log[0].startsWith(
        "message: Error: " + QString::fromStdString(ProgramFolder() + "missing.SAV: ")))
        << dialogs->log[0].toStdString();
    EXPECT_EQ(game().State().Score, 0);
    EXPECT_EQ(Read("Resume.SAV"), "Score=555\r\n");

    // Named itself, the game left is resumed as at any start.
    Start((folder / "." / "Resume.SAV").string());
    EXPECT_EQ(game().State().Score, 555);
    EXPECT_FALSE(Kept());
}

}  // namespace
}  // namespace zorvane::test

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
    // Every row of the board, bottom first.
    std::string Rows() {
        std::string text;
        for (int row = 0; row < game().NumRows(); ++row) {
            for (int col = 0; col < kColumns; ++col) {
                text += CharFromCell(game().State().Board[col][row]);
            }
            text += '/';
        }
        return text;
    }
    // The player takes the group at the bottom left, as in SetBoard below.
    void PlayAMove() {
        SetBoard({"2.........", "111......."});
        QTest::mouseClick(board->BoardPanel(), Qt::LeftButton, {}, QPoint(20, 9 * 40 - 20));
        ASSERT_EQ(BottomRow(), "2.........");
    }
};

TEST_F(Resume, AGameClosedMidPlayComesBackPausedWithItsBoardScoreAndLevel) {
    TMainBoard& b = Start();
    game().SetLevel(4);
    game().ArrangeScore(1200);
    PlayAMove();
    PauseButton(b)->click();  // paused, still in progress
    const std::string left = Rows();
    b.close();
    ASSERT_TRUE(Kept());

    TMainBoard& again = Start();
    EXPECT_FALSE(Kept());
    EXPECT_EQ(Rows(), left);
    EXPECT_EQ(game().State().Score, 1230);
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
    const std::string saved = (folder / "saved.SAV").string();
    const struct {
        const char* what;
        std::function<void()> play;
        bool kept;
    } cases[] = {
        {"just started", [] {}, false},
        {"a tick", [&] { game().DXTimer1Timer(); }, true},
        {"a move, then New Game",
         [&] {
             PlayAMove();
             board->NewSubMenuClick();
         },
         false},
        {"a move, then Open Game",
         [&] {
             PlayAMove();
             game().SaveGameTo(saved);
             dialogs->files = {QString::fromStdString(saved)};
             board->LoadSubMenuClick();
         },
         false},
        {"over, and played again",
         [&] {
             dialogs->answers = {true};
             EndTheGameWithAPush();
         },
         false},
        // The game closes the window itself.
        {"over, and not played again",
         [&] {
             dialogs->answers = {false};
             EndTheGameWithAPush();
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start();
        c.play();
        board->close();
        EXPECT_EQ(Kept(), c.kept);
        std::filesystem::remove(folder / "Resume.SAV");
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
    EXPECT_EQ(game().State().Level, 1);
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
    board.reset();
    Start((folder / "missing.SAV").string());
    ASSERT_EQ(dialogs->log.size(), 1);
    EXPECT_TRUE(dialogs->log[0].startsWith(
        "message: Error: " + QString::fromStdString(ProgramFolder()) + "missing.SAV: "))
        << dialogs->log[0].toStdString();
    EXPECT_EQ(game().State().Score, 0);
    EXPECT_EQ(Read("Resume.SAV"), "Score=555\r\n");

    // Named itself, the game left is resumed as at any start.
    board.reset();
    Start((folder / "." / "Resume.SAV").string());
    EXPECT_EQ(game().State().Score, 555);
    EXPECT_FALSE(Kept());
}

}  // namespace
}  // namespace zorvane::test

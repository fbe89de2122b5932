// The main window's sounds: nothing is made before the game clock first
// runs, moves reach their players, the options file reopens players and
// starts the music, and losing activation pauses it.

#include <QPushButton>
#include <QTest>

#include "AppFixture.h"
#include "presentation/BoardMarks.h"

namespace zorvane::test {
namespace {

using SoundWiring = AppTest;
using Log = std::vector<std::string>;

bool Logged(const FakeMediaService& media, const std::string& line) {
    return std::find(media.log.begin(), media.log.end(), line) != media.log.end();
}

int MessagesWith(const ScriptedDialogs& dialogs, const QString& text) {
    return static_cast<int>(dialogs.log.filter(text).size());
}

// The player starts the paused game from the keyboard.
void PressStart(TMainBoard& b) {
    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    QTest::keyClick(&b, Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(b.Clock().Enabled());
    QApplication::processEvents();
}

void ClickCell(TMainBoard& b, int row, int col) {
    const QPoint centre = CellRect({row, col}, b.CurrentGame()->NumRows()).center();
    QTest::mouseClick(b.BoardPanel(), Qt::LeftButton, {}, centre);
}

TEST_F(SoundWiring, NothingSoundsBeforeTheClockRunsThenMovesPlayTheirEffects) {
    TMainBoard& b = Start();
    QApplication::processEvents();
    // The start-up runs and stops the clock at once: no reason for sound.
    EXPECT_TRUE(media->players.empty());
    EXPECT_TRUE(media->log.empty());

    PressStart(b);
    EXPECT_EQ(media->log, (Log{"wump open wump.wav", "subping open subping.wav",
                               "explode open explode.wav", "clicker open click.wav"}));
    SetBoard({"2.........", "111......."});
    media->log.clear();
    ClickCell(b, 0, 0);  // a good move
    ClickCell(b, 0, 5);  // an empty cell: a bad move
    EXPECT_EQ(media->log, (Log{"subping play", "wump play"}));
}

TEST_F(SoundWiring, AFirstMoveWithoutStartGetsItsSoundsReadyAtThePress) {
    TMainBoard& b = Start();
    SetBoard({"2.........", "111......."});
    const QPoint cell = CellRect({0, 0}, game().NumRows()).center();
    QTest::mousePress(b.BoardPanel(), Qt::RightButton, {}, cell);  // not aiming at a move
    QTest::mouseRelease(b.BoardPanel(), Qt::RightButton, {}, cell);
    EXPECT_TRUE(media->players.empty());
    QTest::mousePress(b.BoardPanel(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(media->log.size(), 4u);  // the four effects, before the move
    media->log.clear();
    QTest::mouseRelease(b.BoardPanel(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(media->log, Log{"subping play"});
    EXPECT_FALSE(game().State().Paused);
}

TEST_F(SoundWiring, SoundFilesOfTheOptionsFileAreReportedOnce) {
    WriteFile("broken.wav", "x");  // there, but it will not decode
    const std::string missing = (folder / "missing.wav").string();
    WriteFile("Options.txt", "BadSound=" + missing + "\r\nGoodSound=broken.wav\r\n");
    unreadableSounds = {missing, (folder / "broken.wav").string()};
    TMainBoard& b = Start();
    // The missing file in the start-up message, before any sound work.
    EXPECT_EQ(MessagesWith(*dialogs, "missing.wav"), 1) << dialogs->log.join("\n").toStdString();
    EXPECT_TRUE(dialogs->log.contains(
        QString::fromStdString("message: Error: " + missing + ": No such file or directory")));
    EXPECT_EQ(MessagesWith(*dialogs, "broken.wav"), 0);
    EXPECT_TRUE(media->players.empty());

    PressStart(b);
    EXPECT_TRUE(Logged(*media, "wump open " + missing));
    EXPECT_EQ(MessagesWith(*dialogs, "missing.wav"), 1);
    EXPECT_TRUE(dialogs->log.contains("message: Error: broken.wav: The file cannot be played"));
    PauseButton(b)->click();
    PressStart(b);
    EXPECT_EQ(dialogs->log.size(), 2);
}

// Save Options writes every sound's name, the defaults too: a default file
// named in the options is checked like any other (there are none beside
// this program), while one the options leave alone stays silent.
TEST_F(SoundWiring, ASoundFileNamedInTheOptionsIsCheckedEvenAsTheDefault) {
    WriteFile("Options.txt", "RowSound=click.wav\r\n");
    Start();
    EXPECT_EQ(dialogs->log, QStringList{"message: Error: click.wav: No such file or directory"});
}

TEST_F(SoundWiring, TheOptionsFileReopensPlayersAndStartsTheMusic) {
    std::filesystem::create_directories(folder / "Songs");
    WriteFile("Songs/tune.mid", "x");
    WriteFile("Options.txt", "BadSound=/nowhere/boing.wav\r\nPlayMusic=TRUE\r\nMusicFolder=" +
                                 (folder / "Songs").string() + "\r\nPauseMusic=TRUE\r\n");
    unreadableSounds = {"/nowhere/boing.wav"};
    TMainBoard& b = Start();
    // The music needs the players at once; the missing file was said when
    // it was read, and only then.
    EXPECT_TRUE(Logged(*media, "wump open /nowhere/boing.wav"));
    EXPECT_EQ(dialogs->log,
              QStringList{"message: Error: /nowhere/boing.wav: No such file or directory"});
    EXPECT_EQ(b.GameSettings().BadSound, "/nowhere/boing.wav");
    EXPECT_TRUE(Logged(*media, "music open " + (folder / "Songs").string() + "/tune.mid"));
    EXPECT_TRUE(Logged(*media, "music play"));
    EXPECT_TRUE(b.GameSettings().PlayMusic);

    // Another program becomes active: the music pauses, and resumes on
    // return; the player's switch stays as it is.
    b.Clock().ApplicationStateChanged(Qt::ApplicationActive);
    media->log.clear();
    b.Clock().ApplicationStateChanged(Qt::ApplicationInactive);
    EXPECT_TRUE(b.GameSettings().PlayMusic);
    b.Clock().ApplicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(media->log, (std::vector<std::string>{"music pause", "music play"}));
}

// PlayMusic is the player's choice: music that cannot sound (a song that
// will not open, or no song named) leaves it on, and Save Options writes it
// so. The song's failure joins the options file's other problems.
TEST_F(SoundWiring, MusicThatCannotSoundLeavesThePlayersSwitchOn) {
    struct Case {
        std::string music;
        QStringList messages;
    };
    const std::vector<Case> cases = {
        {"BadSound=/nowhere/boing.wav\r\nCycleMusic=FALSE\r\nMusicFile=/songs/broken.mid\r\n",
         {"message: Error: Reading " + QString::fromStdString(ProgramFolder()) +
          "Options.txt found 2 problems:\n/nowhere/boing.wav: No such file or directory\n"
          "/songs/broken.mid: The file cannot be played"}},
        // The path comes after the switch, and it is empty: nothing is tried.
        {"MusicFolder=\r\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.music);
        WriteFile("Options.txt", "PlayMusic=TRUE\r\n" + c.music);
        unreadableSounds = {"/songs/broken.mid"};
        TMainBoard& b = Start();
        EXPECT_EQ(dialogs->log, c.messages);
        EXPECT_FALSE(Logged(*media, "music play"));
        b.SaveOptions1Click();
        std::ifstream file(folder / "Options.txt", std::ios::binary);
        const std::string saved((std::istreambuf_iterator<char>(file)), {});
        EXPECT_NE(saved.find("\r\nPlayMusic=TRUE\r\n"), std::string::npos) << saved;
        board.reset();
    }
}

// Songs are drawn from the music's own random source: a seeded game deals
// the same pieces with music on as without.
TEST_F(SoundWiring, PickingASongLeavesTheGamesRandomSequenceAlone) {
    std::filesystem::create_directories(folder / "Songs");
    for (const char* song : {"Songs/a.mid", "Songs/b.mid", "Songs/c.mid"}) {
        WriteFile(song, "x");
    }
    WriteFile("Options.txt",
              "PlayMusic=TRUE\r\nMusicFolder=" + (folder / "Songs").string() + "\r\n");
    TMainBoard& b = Start();
    b.GameRandom().Seed(1234);
    // The song ends; its notice has the next one picked.
    media->log.clear();
    media->Player(4).Finish();
    media->Player(4).Notify();
    ASSERT_EQ(std::count_if(media->log.begin(), media->log.end(),
                            [](const std::string& line) { return line.starts_with("music open"); }),
              1);
    RandomSource alone(1234);
    for (int draw = 0; draw < 16; ++draw) {
        ASSERT_EQ(b.GameRandom().Random(1 << 30), alone.Random(1 << 30)) << "draw " << draw;
    }
}

}  // namespace
}  // namespace zorvane::test

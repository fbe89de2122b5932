// The main window's sounds: moves reach their players, the options file
// reopens players and starts the music, and losing activation pauses it.

#include "AppFixture.h"

namespace zorvane::test {
namespace {

using SoundWiring = AppTest;

bool Logged(const FakeMediaService& media, const std::string& line) {
    return std::find(media.log.begin(), media.log.end(), line) != media.log.end();
}

TEST_F(SoundWiring, MovesPlayTheirEffects) {
    Start();
    SetBoard({"2.........", "111......."});
    media->log.clear();
    game().Num1Click({true, 0});  // a good move
    game().Num1Click({true, 5});  // an empty cell: a bad move
    EXPECT_EQ(media->log, (std::vector<std::string>{"subping play", "wump play"}));
}

TEST_F(SoundWiring, TheOptionsFileReopensPlayersAndStartsTheMusic) {
    std::filesystem::create_directories(folder / "Songs");
    WriteFile("Songs/tune.mid", "x");
    WriteFile("Options.txt", "BadSound=/nowhere/boing.wav\r\nPlayMusic=TRUE\r\nMusicFolder=" +
                                 (folder / "Songs").string() + "\r\nPauseMusic=TRUE\r\n");
    unreadableSounds = {"/nowhere/boing.wav"};
    TMainBoard& b = Start();
    EXPECT_TRUE(Logged(*media, "wump open /nowhere/boing.wav"));
    EXPECT_TRUE(
        dialogs->log.contains("message: Error: /nowhere/boing.wav: The file cannot be played"));
    EXPECT_EQ(b.GameSettings().BadSound, "/nowhere/boing.wav");
    EXPECT_TRUE(Logged(*media, "music open " + (folder / "Songs").string() + "/tune.mid"));
    EXPECT_TRUE(Logged(*media, "music play"));
    EXPECT_TRUE(b.GameSettings().PlayMusic);

    // Another program becomes active: the music pauses, and resumes on return.
    b.Clock().ApplicationStateChanged(Qt::ApplicationActive);
    media->log.clear();
    b.Clock().ApplicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(b.GameSettings().PlayMusic);
    b.Clock().ApplicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(b.GameSettings().PlayMusic);
    EXPECT_EQ(media->log, (std::vector<std::string>{"music pause", "music play"}));
}

}  // namespace
}  // namespace zorvane::test

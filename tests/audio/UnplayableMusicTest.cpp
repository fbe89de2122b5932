// Music that will not play, on the real SDL service: songs that open but end
// as soon as they start, a folder of junk, and a sound font that is no file.
// Each is tried once, said once, and the music rests.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <time.h>

#include <QTest>
#include <memory>
#include <random>

#include "audio/SdlMediaService.h"
#include "audio/Sounds.h"
#include "tests/persistence/TempFolder.h"
#include "tests/support/Deadline.h"

namespace zorvane {
namespace {

// The real service, keeping an eye on the music player it hands out.
class WatchedService : public MediaService {
  public:
    explicit WatchedService(std::vector<std::string> soundFonts = DebianSoundFonts())
        : real(std::move(soundFonts)) {}
    std::unique_ptr<MediaPlayer> CreatePlayer(bool music) override {
        std::unique_ptr<MediaPlayer> player = real.CreatePlayer(music);
        if (music) {
            musicPlayer = player.get();
        }
        return player;
    }
    bool DeviceOpen() const override { return real.StartupError().empty(); }

    SdlMediaService real;
    const MediaPlayer* musicPlayer = nullptr;
};

std::string Noise(std::size_t size, unsigned seed) {
    std::mt19937 noise(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(noise());
    }
    return bytes;
}

double CpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

class UnplayableMusic : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }

    // The game's music on `service`: the folder's songs, or the one song named.
    void Start(WatchedService& service, const std::string& music, bool folder) {
        ASSERT_EQ(service.real.StartupError(), "");
        settings = DefaultSettings(songs.Path().string() + "/");
        settings.CycleMusic = folder;
        settings.MusicPath = music;
        sounds = std::make_unique<Sounds>(service, settings, settings.MusicPath);
        sounds->ShowError = [&](const std::string&, const std::string& text) {
            errors.push_back(text);
        };
        sounds->SongOpened = [&](const std::string&) { ++opened; };
        sounds->StartMusic();
    }

    test::TempFolder songs;
    Settings settings;
    std::unique_ptr<Sounds> sounds;
    std::vector<std::string> errors;
    int opened = 0;
};

TEST_F(UnplayableMusic, AFolderOfSongsThatEndAtOnceIsTriedOnceAndReportedOnce) {
    // A MIDI header on noise reaches the synthesizer, which finds no song in it.
    for (const char* name : {"noise1.mid", "noise2.mid", "noise3.mid"}) {
        test::WriteBytes(songs.File(name), "MThd" + Noise(3000, 7));
    }
    WatchedService service;
    Start(service, songs.Path().string() + "/", true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !errors.empty(); }, 5000));
    QTest::qWait(500);     // and then nothing more happens
    EXPECT_LE(opened, 3);  // each at most once
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind(settings.MusicPath + ": none of the songs", 0), 0u) << errors[0];
    ASSERT_NE(service.musicPlayer, nullptr);
    EXPECT_FALSE(service.musicPlayer->IsOpen());
}

// Each junk file used to cost a synthesizer with its sound font; now it costs
// a look at its first bytes. Process time, not wall time: SDL's and the
// synthesizer's threads count too.
TEST_F(UnplayableMusic, AFolderOfJunkIsTurnedAwayWithoutDecodingIt) {
    constexpr int kJunkSongs = 300;
    for (int i = 0; i < kJunkSongs; ++i) {
        test::WriteBytes(songs.File("junk" + std::to_string(i) + ".mid"), Noise(3000, i));
    }
    WatchedService service;
    const double start = CpuSeconds();
    Start(service, songs.Path().string() + "/", true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !errors.empty(); }, 120000));
    EXPECT_LT(CpuSeconds() - start, 2.0);
    EXPECT_EQ(opened, 0);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind(settings.MusicPath + ": none of the songs in this folder can be " +
                                  "played.\r" + settings.MusicPath + "junk",
                              0),
              0u)
        << errors[0];
}

// The synthesizer opens its font by name on this thread: a FIFO there would
// block the game for good.
TEST_F(UnplayableMusic, ASoundFontThatIsNoFileStopsTheMusicWithOneMessage) {
    const std::string fifo = songs.File("font.sf2");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string song = std::string(ZORVANE_RESOURCES) + "/music/Falling Rows.mid";
    WatchedService service({fifo});
    {
        const test::Deadline deadline("opening a MIDI song with a FIFO as its sound font");
        Start(service, song, false);
    }
    QTest::qWait(300);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], song + ": sound font " + fifo + ": not a regular file");
    ASSERT_NE(service.musicPlayer, nullptr);
    EXPECT_FALSE(service.musicPlayer->IsOpen());
}

}  // namespace
}  // namespace zorvane

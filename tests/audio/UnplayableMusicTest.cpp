// Songs that SDL opens but that end as soon as they start (an empty file, or
// noise named .mid): the music tries each once, says so once, and rests.

#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <random>

#include "audio/SdlMediaService.h"
#include "audio/Sounds.h"
#include "tests/persistence/TempFolder.h"

namespace zorvane {
namespace {

// The real service, keeping an eye on the music player it hands out.
class WatchedService : public MediaService {
  public:
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

TEST(UnplayableMusic, AFolderOfSongsThatEndAtOnceIsTriedOnceAndReportedOnce) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    test::TempFolder folder;
    std::mt19937 noise(7);
    std::string bytes(3000, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(noise());
    }
    test::WriteBytes(folder.File("empty.mid"), "");
    for (const char* name : {"noise1.mid", "noise2.mid", "noise3.mid"}) {
        test::WriteBytes(folder.File(name), bytes);
    }

    WatchedService service;
    ASSERT_EQ(service.real.StartupError(), "");
    Settings settings = DefaultSettings(folder.Path().string() + "/");
    settings.CycleMusic = true;
    settings.MusicPath = folder.Path().string() + "/";
    RandomSource random;
    Sounds sounds(service, settings, random, settings.MusicPath);
    std::vector<std::string> errors;
    int opened = 0;
    sounds.ShowError = [&](const std::string&, const std::string& text) { errors.push_back(text); };
    sounds.SongOpened = [&](const std::string&) { ++opened; };

    sounds.StartMusic();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !errors.empty(); }, 5000));
    QTest::qWait(500);     // and then nothing more happens
    EXPECT_LE(opened, 4);  // each at most once
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind(settings.MusicPath + ": none of the songs", 0), 0u) << errors[0];
    ASSERT_NE(service.musicPlayer, nullptr);
    EXPECT_FALSE(service.musicPlayer->IsOpen());
}

}  // namespace
}  // namespace zorvane

// The SDL media service on SDL's dummy audio driver, which plays in real time
// without a sound card: the game's own sound files, the end-of-play notices on
// the user-interface thread, and the refusals and failures the game reports.

#include "audio/SdlMediaService.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "persistence/FileCheck.h"
#include "tests/persistence/TempFolder.h"
#include "tests/support/Deadline.h"

namespace zorvane {
namespace {

const std::string kResources = ZORVANE_RESOURCES;
constexpr int kNoticeWaitMs = 5000;

std::string ShippedSound(const std::string& name) {
    return kResources + "/sounds/" + name;
}

std::vector<std::string> ShippedSongs() {
    std::vector<std::string> songs;
    for (const auto& entry : std::filesystem::directory_iterator(kResources + "/music")) {
        if (entry.path().extension() == ".mid") {
            songs.push_back(entry.path().string());
        }
    }
    std::sort(songs.begin(), songs.end());
    return songs;
}

// A 16-bit mono tone of the given length, for plays timed by the test.
void WriteToneWav(const std::string& path, int milliseconds) {
    constexpr int kRate = 22050;
    const auto frames = static_cast<std::uint32_t>(kRate * milliseconds / 1000);
    std::string bytes;
    auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    bytes += "RIFF";
    put(36 + frames * 2, 4);
    bytes += "WAVEfmt ";
    // Format block size, PCM, mono, frame rate, byte rate, frame size, bits.
    const std::pair<std::uint32_t, int> format[] = {{16, 4},        {1, 2}, {1, 2}, {kRate, 4},
                                                    {kRate * 2, 4}, {2, 2}, {16, 2}};
    for (const auto& [value, size] : format) {
        put(value, size);
    }
    bytes += "data";
    put(frames * 2, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        put(static_cast<std::uint16_t>(static_cast<std::int16_t>(6000 * std::sin(i * 0.125))), 2);
    }
    test::WriteBytes(path, bytes);
}

// Counts a player's notices and whether each came on the user-interface thread.
struct Notices {
    int count = 0;
    bool offThread = false;
    void Watch(MediaPlayer& player) {
        player.OnNotify = [this] {
            ++count;
            offThread |= QThread::currentThread() != QCoreApplication::instance()->thread();
        };
    }
    bool WaitFor(int wanted) {
        return QTest::qWaitFor([&] { return count >= wanted; }, kNoticeWaitMs);
    }
};

// SDL's audio threads running in this process: they wake the machine even
// when they only mix silence.
int AudioThreads() {
    int count = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::string name;
        std::getline(std::ifstream(task.path() / "comm"), name);
        count += name.rfind("SDLAudio", 0) == 0 ? 1 : 0;
    }
    return count;
}

bool WaitForAudioThreads(int wanted) {
    return QTest::qWaitFor([wanted] { return AudioThreads() == wanted; },
                           SdlMediaService::kIdleCloseMs + kNoticeWaitMs);
}

class SdlMediaServiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);  // before SDL starts, also when run by hand
        service_ = std::make_unique<SdlMediaService>();
        ASSERT_EQ(service_->StartupError(), "");
        longTone_ = folder_.File("long.wav");
        WriteToneWav(longTone_, 1200);
    }

    std::unique_ptr<SdlMediaService> service_;
    test::TempFolder folder_;
    std::string longTone_;
};

TEST_F(SdlMediaServiceTest, ShippedEffectsPlayTogetherAndNotifyOnTheUserInterfaceThread) {
    std::vector<std::unique_ptr<MediaPlayer>> players;
    Notices notices;
    for (const char* name : {"wump.wav", "subping.wav", "explode.wav", "click.wav"}) {
        players.push_back(service_->CreatePlayer(false));
        ASSERT_EQ(players.back()->Open(ShippedSound(name)), "") << name;
        EXPECT_EQ(players.back()->FileName(), ShippedSound(name));
        EXPECT_EQ(players.back()->Mode(), PlayerMode::Stopped);
        notices.Watch(*players.back());
    }
    for (auto& player : players) {
        EXPECT_EQ(player->Play(), "");
        EXPECT_EQ(player->Mode(), PlayerMode::Playing);
    }
    ASSERT_TRUE(notices.WaitFor(4));
    QTest::qWait(100);
    EXPECT_EQ(notices.count, 4);  // one each, not one per SDL callback
    EXPECT_FALSE(notices.offThread);
    // An effect that ran to its end plays again.
    EXPECT_EQ(players[0]->Mode(), PlayerMode::Stopped);
    players[0]->Play();
    EXPECT_EQ(players[0]->Mode(), PlayerMode::Playing);
    EXPECT_TRUE(notices.WaitFor(5));
}

TEST_F(SdlMediaServiceTest, TheDeviceSleepsWhileNothingSoundsAndWakesForTheNextPlay) {
    auto effect = service_->CreatePlayer(false);
    ASSERT_EQ(effect->Open(ShippedSound("click.wav")), "");
    Notices notices;
    notices.Watch(*effect);
    EXPECT_TRUE(WaitForAudioThreads(0)) << "no thread while nothing has played";
    for (int play = 1; play <= 2; ++play) {
        EXPECT_EQ(effect->Play(), "");
        EXPECT_EQ(effect->Mode(), PlayerMode::Playing);
        EXPECT_TRUE(WaitForAudioThreads(1));  // the thread names itself once it runs
        ASSERT_TRUE(notices.WaitFor(play));
        EXPECT_EQ(effect->Mode(), PlayerMode::Stopped);
        EXPECT_TRUE(WaitForAudioThreads(0)) << "after play " << play;
    }
    // A paused sound and a loaded song keep the device: both must go on later.
    auto held = service_->CreatePlayer(false);
    ASSERT_EQ(held->Open(longTone_), "");
    Notices heldNotices;
    heldNotices.Watch(*held);
    held->Play();
    held->Pause();
    QTest::qWait(SdlMediaService::kIdleCloseMs + 300);
    EXPECT_EQ(held->Mode(), PlayerMode::Paused);
    EXPECT_EQ(held->Pause(), "");
    EXPECT_EQ(held->Mode(), PlayerMode::Playing);
    EXPECT_TRUE(heldNotices.WaitFor(2));  // the pause's notice, then the end's
    auto music = service_->CreatePlayer(true);
    ASSERT_EQ(music->Open(ShippedSongs().front()), "");
    QTest::qWait(SdlMediaService::kIdleCloseMs + 300);
    EXPECT_EQ(AudioThreads(), 1);
    EXPECT_EQ(music->Play(), "");
    EXPECT_EQ(music->Mode(), PlayerMode::Playing);
    music->Close();
    EXPECT_TRUE(WaitForAudioThreads(0));
}

TEST_F(SdlMediaServiceTest, StopKeepsThePlaceRewindGoesBackToTheStart) {
    for (bool music : {false, true}) {
        SCOPED_TRACE(music ? "music" : "effect");
        auto player = service_->CreatePlayer(music);
        Notices notices;
        notices.Watch(*player);
        ASSERT_EQ(player->Open(longTone_), "");

        player->Play();
        QTest::qWait(600);
        EXPECT_EQ(player->Stop(), "");
        EXPECT_EQ(player->Mode(), PlayerMode::Stopped);
        EXPECT_TRUE(notices.WaitFor(1));  // a play cut short is noticed too
        QElapsedTimer rest;
        rest.start();
        player->Play();
        EXPECT_EQ(player->Mode(), PlayerMode::Playing);
        ASSERT_TRUE(notices.WaitFor(2));
        EXPECT_LT(rest.elapsed(), 1000);  // about the 0.6 s left, not the whole 1.2 s

        player->Play();
        QTest::qWait(600);
        player->Stop();
        EXPECT_EQ(player->Rewind(), "");
        EXPECT_EQ(player->Mode(), PlayerMode::Stopped);
        QElapsedTimer whole;
        whole.start();
        player->Play();
        ASSERT_TRUE(notices.WaitFor(4));
        EXPECT_GE(whole.elapsed(), 950);  // the whole file again
    }
}

TEST_F(SdlMediaServiceTest, PauseTogglesOnlyAPlayingOrPausedPlayer) {
    for (bool music : {false, true}) {
        SCOPED_TRACE(music ? "music" : "effect");
        auto player = service_->CreatePlayer(music);
        Notices notices;
        notices.Watch(*player);
        ASSERT_EQ(player->Open(longTone_), "");
        EXPECT_EQ(player->Pause(), "");
        EXPECT_EQ(player->Mode(), PlayerMode::Stopped);  // never played: nothing to pause

        player->Play();
        EXPECT_EQ(player->Pause(), "");
        EXPECT_EQ(player->Mode(), PlayerMode::Paused);
        EXPECT_TRUE(notices.WaitFor(1));
        player->Pause();
        EXPECT_EQ(player->Mode(), PlayerMode::Playing);
        player->Stop();
        player->Pause();
        EXPECT_EQ(player->Mode(), PlayerMode::Stopped);
        player->Play();
        EXPECT_EQ(player->Mode(), PlayerMode::Playing);
        player->Rewind();
        EXPECT_TRUE(notices.WaitFor(3));
        QTest::qWait(100);
        EXPECT_EQ(notices.count, 3);  // pause, stop and rewind each ended a play
    }
}

TEST_F(SdlMediaServiceTest, ShippedSongsPlayAsMusicAndAsEffects) {
    const std::vector<std::string> songs = ShippedSongs();
    ASSERT_FALSE(songs.empty());
    auto music = service_->CreatePlayer(true);
    for (const std::string& song : songs) {
        ASSERT_EQ(music->Open(song), "") << song;
        music->Play();
        EXPECT_EQ(music->Mode(), PlayerMode::Playing) << song;
    }
    // MIDI decoded whole into an effect, sounding beside the music.
    const std::string smallest = *std::min_element(
        songs.begin(), songs.end(), [](const std::string& a, const std::string& b) {
            return std::filesystem::file_size(a) < std::filesystem::file_size(b);
        });
    auto effect = service_->CreatePlayer(false);
    ASSERT_EQ(effect->Open(smallest), "");
    effect->Play();
    EXPECT_EQ(effect->Mode(), PlayerMode::Playing);
    EXPECT_EQ(music->Mode(), PlayerMode::Playing);

    // The mixer has one music stream: a second music player takes it over.
    auto other = service_->CreatePlayer(true);
    Notices notices;
    notices.Watch(*music);
    ASSERT_EQ(other->Open(longTone_), "");
    other->Play();
    EXPECT_EQ(other->Mode(), PlayerMode::Playing);
    EXPECT_EQ(music->Mode(), PlayerMode::Stopped);
    EXPECT_TRUE(notices.WaitFor(1));
}

TEST_F(SdlMediaServiceTest, WithoutAFileEveryCommandRefuses) {
    WriteToneWav(folder_.File("short.wav"), 100);
    test::WriteBytes(folder_.File("notes.wav"), "These are words, not sound.\n");
    for (bool music : {false, true}) {
        SCOPED_TRACE(music ? "music" : "effect");
        auto player = service_->CreatePlayer(music);
        auto expectRefusals = [&player] {
            EXPECT_FALSE(player->IsOpen());
            EXPECT_EQ(player->Mode(), PlayerMode::NotReady);
            EXPECT_EQ(player->Play(), kNoDeviceOpen);
            EXPECT_EQ(player->Stop(), kNoDeviceOpen);
            EXPECT_EQ(player->Rewind(), kNoDeviceOpen);
            EXPECT_EQ(player->Pause(), kNoDeviceOpen);
        };
        expectRefusals();
        for (const std::string& bad :
             {folder_.File("missing.wav"), folder_.File("notes.wav"), std::string()}) {
            ASSERT_EQ(player->Open(folder_.File("short.wav")), "");
            EXPECT_NE(player->Open(bad), "") << bad;  // the open file is closed first
            EXPECT_EQ(player->FileName(), bad);
            expectRefusals();
        }
        ASSERT_EQ(player->Open(folder_.File("short.wav")), "");
        player->Close();
        expectRefusals();
    }
}

// A FIFO would block the open for ever and /dev/zero feed the decoder for
// ever; a file far beyond any effect or song is refused before it is read.
TEST_F(SdlMediaServiceTest, OnlySoundFilesOfSaneSizeAreOpened) {
    const std::string fifo = folder_.File("pipe.mid");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (bool music : {false, true}) {
        SCOPED_TRACE(music ? "music" : "effect");
        auto player = service_->CreatePlayer(music);
        {
            const test::Deadline deadline("opening a FIFO and a device as a sound");
            for (const std::string& path : {fifo, std::string("/dev/zero")}) {
                EXPECT_EQ(player->Open(path), "not a regular file") << path;
                EXPECT_FALSE(player->IsOpen());
            }
        }
        const std::string huge = folder_.File(music ? "huge-song.wav" : "huge.wav");
        std::filesystem::copy_file(longTone_, huge);
        const std::int64_t cap = music ? kSongFileCap : kEffectFileCap;
        std::filesystem::resize_file(huge, cap + 1);
        EXPECT_EQ(player->Open(huge), TooLargeText(cap + 1, cap));
        EXPECT_FALSE(player->IsOpen());
        std::filesystem::resize_file(huge, cap);
        EXPECT_NE(player->Open(huge), TooLargeText(cap, cap));
    }
}

TEST_F(SdlMediaServiceTest, NoticesForDestroyedPlayersAreDropped) {
    WriteToneWav(folder_.File("short.wav"), 100);
    auto notices = std::make_shared<Notices>();
    for (bool music : {false, true}) {
        // One notice queued by a stop, another by SDL for a play that ended
        // while the event loop was busy; the player is gone before either lands.
        auto stopped = service_->CreatePlayer(music);
        auto ended = service_->CreatePlayer(music);
        notices->Watch(*stopped);
        notices->Watch(*ended);
        ASSERT_EQ(stopped->Open(longTone_), "");
        ASSERT_EQ(ended->Open(folder_.File("short.wav")), "");
        stopped->Play();
        stopped->Stop();
        ended->Play();
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        stopped.reset();
        ended.reset();
        // A new player on the freed channel or stream is not fooled by them.
        auto next = service_->CreatePlayer(music);
        notices->Watch(*next);
        ASSERT_EQ(next->Open(longTone_), "");
        next->Play();
        QTest::qWait(300);
        EXPECT_EQ(notices->count, 0);
        EXPECT_EQ(next->Mode(), PlayerMode::Playing);
    }
}

TEST_F(SdlMediaServiceTest, PlayersOutlivingTheServiceRefuse) {
    auto player = service_->CreatePlayer(false);
    ASSERT_EQ(player->Open(longTone_), "");
    player->Play();
    service_.reset();
    EXPECT_FALSE(player->IsOpen());
    EXPECT_EQ(player->Play(), kNoDeviceOpen);
    EXPECT_NE(player->Open(longTone_), "");
}

TEST(SdlMediaServiceStartup, WithoutAnAudioDeviceOpenFailsWithTheReason) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        SdlMediaService service;
        EXPECT_NE(service.StartupError(), "");
        auto player = service.CreatePlayer(false);
        EXPECT_EQ(player->Open(ShippedSound("wump.wav")), service.StartupError());
        EXPECT_EQ(player->Play(), kNoDeviceOpen);
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlMediaService first;
    ASSERT_EQ(first.StartupError(), "");
    SdlMediaService second;  // one mixer: a second service stays silent
    EXPECT_NE(second.StartupError(), "");
    auto player = first.CreatePlayer(false);
    ASSERT_EQ(player->Open(ShippedSound("wump.wav")), "");
    player->Play();
    EXPECT_EQ(player->Mode(), PlayerMode::Playing);
}

}  // namespace
}  // namespace zorvane

// Effects, switching their files, background music and its pause while the
// program is inactive, on a media service that records what it is asked.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "audio/ListDir.h"
#include "audio/Sounds.h"
#include "support/FakeMedia.h"

namespace zorvane::test {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

class SoundsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("zorvane-sounds-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder / "Music" / "Inner folder");
        Touch("Music/song one.mid");
        settings = DefaultSettings(folder.string() + "/");
    }
    void TearDown() override { fs::remove_all(folder); }

    void Touch(const std::string& name) { std::ofstream(folder / name) << "x"; }

    Sounds& MakeUnprepared() {
        // A fixed seed: the songs of a folder come in the same order every run.
        sounds = std::make_unique<Sounds>(media, settings, folder.string() + "/",
                                          std::make_unique<RandomSource>(7));
        sounds->ShowError = [this](const std::string& caption, const std::string& text) {
            errors.push_back(caption + ": " + text);
        };
        sounds->SongOpened = [this](const std::string& song) { opened.push_back(song); };
        sounds->Now = [this] { return now; };
        return *sounds;
    }
    // Ready to play, as once the game clock has run.
    Sounds& Make() {
        MakeUnprepared().Prepare();
        media.log.clear();
        return *sounds;
    }
    FakePlayer& Music() { return media.Player(4); }
    // The music plays for `length`, then its notice comes.
    void PlayFor(std::chrono::milliseconds length) {
        now += length;
        Music().Finish();
        Music().Notify();
    }
    // Lets each song that starts end at once, up to `limit` times; how many did.
    int EndEachAtOnce(int limit) {
        int ends = 0;
        while (ends < limit && Music().Mode() == PlayerMode::Playing) {
            PlayFor(std::chrono::milliseconds(50));
            ++ends;
        }
        return ends;
    }
    int Count(const std::string& start) const {
        return static_cast<int>(
            std::count_if(media.log.begin(), media.log.end(),
                          [&](const std::string& line) { return line.rfind(start, 0) == 0; }));
    }

    fs::path folder;
    Settings settings;
    FakeMediaService media;
    std::unique_ptr<Sounds> sounds;
    Log errors;
    Log opened;
    std::chrono::steady_clock::time_point now;
};

TEST_F(SoundsTest, NothingIsMadeBeforeItIsNeededThenTheDefaultFilesOpenAndAMissingOneIsSilent) {
    Touch("subping.wav");
    media.unreadable = {"wump.wav"};
    Sounds& s = MakeUnprepared();
    // What the game does before the clock first runs asks nothing of the service.
    s.StopMusic();
    settings.PauseMusic = true;
    s.DXTimer1Deactivate();
    s.DXTimer1Activate();
    EXPECT_TRUE(media.players.empty());
    EXPECT_TRUE(media.log.empty());
    EXPECT_FALSE(s.Prepared());

    s.Prepare();
    s.Prepare();  // once only
    ASSERT_EQ(media.players.size(), 5u);
    // A bare name missing from the current folder is found beside the program.
    EXPECT_EQ(media.log,
              (Log{"wump open wump.wav", "subping open " + folder.string() + "/subping.wav",
                   "explode open explode.wav", "clicker open click.wav"}));
    EXPECT_TRUE(errors.empty());
    media.log.clear();
    s.PlayEffect(Effect::Bad);  // no file: nothing is sent, nothing is said
    EXPECT_TRUE(media.log.empty());
    EXPECT_TRUE(errors.empty());
}

TEST_F(SoundsTest, TheFirstEffectThatSoundsMakesThePlayersReady) {
    Sounds& s = MakeUnprepared();
    settings.PlayClick = false;
    s.PlayEffect(Effect::Row);  // switched off: still nothing to make
    EXPECT_TRUE(media.players.empty());
    settings.PlayClick = true;
    s.PlayEffect(Effect::Row);
    EXPECT_EQ(media.log,
              (Log{"wump open wump.wav", "subping open subping.wav", "explode open explode.wav",
                   "clicker open click.wav", "clicker play"}));
}

TEST_F(SoundsTest, FilesNamedInTheOptionsAreCheckedAtOnceDecodedLaterAndReportedOnce) {
    Touch("broken.wav");  // there, but the service cannot decode it
    Touch("good.wav");
    fs::create_directories(folder / "folder.wav");
    const std::string missing = folder.string() + "/missing.wav";
    media.unreadable = {folder.string() + "/broken.wav", missing, folder.string() + "/folder.wav"};
    Sounds& s = MakeUnprepared();
    s.NameEffectFile(EffectSlot::Bad, missing);
    s.NameEffectFile(EffectSlot::Good, "broken.wav");
    s.NameEffectFile(EffectSlot::Explode, "good.wav");
    s.NameEffectFile(EffectSlot::Row, "folder.wav");
    EXPECT_EQ(settings.BadSound, missing);
    EXPECT_EQ(settings.RowSound, "folder.wav");
    // Nothing is opened yet, but what cannot be read at all is said now.
    EXPECT_TRUE(media.players.empty());
    EXPECT_EQ(errors, (Log{"Error: " + missing + ": No such file or directory",
                           "Error: folder.wav: not a regular file"}));

    errors.clear();
    s.Prepare();
    EXPECT_EQ(media.log,
              (Log{"wump open " + missing, "subping open " + folder.string() + "/broken.wav",
                   "explode open " + folder.string() + "/good.wav",
                   "clicker open " + folder.string() + "/folder.wav"}));
    EXPECT_EQ(errors, Log{"Error: broken.wav: The file cannot be played"});

    // Named again once the players are ready: opened and reported at once.
    errors.clear();
    s.NameEffectFile(EffectSlot::Bad, missing);
    EXPECT_EQ(errors, Log{"Error: " + missing + ": The file cannot be played"});
}

TEST_F(SoundsTest, WithoutADeviceOnlyFilesThatCannotBeReadAreReported) {
    Touch("broken.wav");
    media.deviceOpen = false;
    media.unreadable = {folder.string() + "/broken.wav", "gone.wav"};
    Sounds& s = MakeUnprepared();
    s.NameEffectFile(EffectSlot::Good, "broken.wav");
    s.NameEffectFile(EffectSlot::Bad, "gone.wav");
    EXPECT_EQ(errors, Log{"Error: gone.wav: No such file or directory"});
    s.Prepare();
    EXPECT_EQ(errors.size(), 1u);
}

TEST_F(SoundsTest, EffectsFollowTheirSwitchesAndRestartFromTheBeginning) {
    Sounds& s = Make();
    settings.PlayBad = settings.PlayGood = settings.PlayExplode = settings.PlayClick = false;
    for (Effect e : {Effect::Bad, Effect::Good, Effect::Explode, Effect::Row}) {
        s.PlayEffect(e);
    }
    EXPECT_TRUE(media.log.empty());
    settings.PlayExplode = true;
    s.PlayEffect(Effect::Explode);
    s.PlayEffect(Effect::Explode);  // still sounding: cut off, from the start
    EXPECT_EQ(media.log, (Log{"explode play", "explode stop", "explode rewind", "explode play"}));
}

TEST_F(SoundsTest, ChangingAnEffectFileStoresItAndReopensThePlayer) {
    // Changed before anything sounded: the players are made for it, and the
    // new file is reported like any change.
    media.unreadable = {"first.wav"};
    MakeUnprepared().SetEffectFile(EffectSlot::Explode, "first.wav");
    EXPECT_EQ(media.log[2], "explode open first.wav");
    EXPECT_EQ(errors, Log{"Error: first.wav: The file cannot be played"});
    errors.clear();

    Sounds& s = Make();
    s.SetEffectFile(EffectSlot::Row, "tick.wav");
    EXPECT_EQ(settings.RowSound, "tick.wav");
    EXPECT_EQ(media.log, (Log{"clicker close", "clicker open tick.wav"}));
    media.unreadable = {"broken.wav"};
    s.SetEffectFile(EffectSlot::Good, "broken.wav");
    EXPECT_EQ(errors, Log{"Error: broken.wav: The file cannot be played"});
    media.log.clear();
    s.PlayEffect(Effect::Good);
    EXPECT_TRUE(media.log.empty());

    // Without an audio device every open fails; that is no file's fault.
    errors.clear();
    media.deviceOpen = false;
    s.SetEffectFile(EffectSlot::Good, "broken.wav");
    EXPECT_TRUE(errors.empty());
}

TEST_F(SoundsTest, MusicFromAFolderPicksAFileNeverAFolder) {
    Sounds& s = Make();
    settings.MusicPath = folder.string() + "/Music";  // no trailing separator
    s.StartMusic();
    const std::string song = folder.string() + "/Music/song one.mid";
    EXPECT_EQ(media.log, (Log{"music close", "music open " + song, "music play"}));
    EXPECT_TRUE(s.MusicOn());
    EXPECT_EQ(opened, Log{song});

    // The song ends: a new pick each time, played at once.
    media.log.clear();
    PlayFor(std::chrono::minutes(3));
    EXPECT_EQ(media.log, (Log{"music close", "music open " + song, "music play"}));
}

TEST_F(SoundsTest, AFolderWithoutFilesPlaysNothing) {
    Sounds& s = Make();
    settings.MusicPath = folder.string() + "/Music/Inner folder/";
    s.StartMusic();
    EXPECT_FALSE(s.MusicOn());
    EXPECT_EQ(errors, Log{"Error: The file cannot be played"});
    EXPECT_FALSE(Music().IsOpen());
}

TEST_F(SoundsTest, MusicThatWillNotPlayIsTriedOnceReportedOnceAndLeftOff) {
    // Six songs: two fail to open, four end as soon as they start.
    const std::string songs = folder.string() + "/Music/";
    for (const char* name : {"a.mid", "b.mid", "c.mid", "d.mid", "e.mid"}) {
        Touch(std::string("Music/") + name);
    }
    media.unreadable = {songs + "b.mid", songs + "song one.mid"};
    Sounds& s = Make();
    settings.MusicPath = songs;
    s.StartMusic();
    EndEachAtOnce(100);
    EXPECT_EQ(Count("music open "), 6);
    EXPECT_EQ(Count("music play"), 4);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Error: " + songs + ": none of the songs in this folder", 0), 0u)
        << errors[0];
    EXPECT_FALSE(Music().IsOpen());
    media.log.clear();
    Music().Notify();  // a late notice starts nothing
    EXPECT_TRUE(media.log.empty());

    // A new start is a new round.
    s.StartMusic();
    EndEachAtOnce(100);
    EXPECT_EQ(Count("music open "), 6);
    EXPECT_EQ(errors.size(), 2u);

    // One song that ends at once is not played again either.
    settings.CycleMusic = false;
    settings.MusicPath = songs + "a.mid";
    media.log.clear();
    s.StartMusic();
    EXPECT_EQ(EndEachAtOnce(100), 1);
    EXPECT_EQ(Count("music play"), 1);
    EXPECT_EQ(errors.back(), "Error: " + songs + "a.mid: the song ended as soon as it started");
    EXPECT_EQ(errors.size(), 3u);
}

TEST_F(SoundsTest, AFolderWithOneGoodSongKeepsCycling) {
    const std::string songs = folder.string() + "/Music/";
    for (const char* name : {"a.mid", "b.mid", "c.mid"}) {
        Touch(std::string("Music/") + name);
    }
    const std::string good = songs + "song one.mid";
    Sounds& s = Make();
    settings.MusicPath = songs;
    s.StartMusic();
    int goodPlays = 0;
    std::set<std::string> sinceGood;
    for (int end = 0; end < 60 && Music().Mode() == PlayerMode::Playing; ++end) {
        if (Music().FileName() == good) {
            ++goodPlays;
            sinceGood.clear();
            PlayFor(std::chrono::minutes(3));
        } else {
            ASSERT_TRUE(sinceGood.insert(Music().FileName()).second)
                << Music().FileName() << " came twice in one round";
            PlayFor(std::chrono::milliseconds(50));
        }
    }
    EXPECT_EQ(Music().Mode(), PlayerMode::Playing);
    EXPECT_GE(goodPlays, 15);
    EXPECT_TRUE(errors.empty());
}

TEST_F(SoundsTest, OneSongLoopsWithoutBeingReopened) {
    Sounds& s = Make();
    settings.CycleMusic = false;
    settings.MusicPath = "/songs/only.mid";
    s.StartMusic();
    EXPECT_EQ(media.log, (Log{"music close", "music open /songs/only.mid", "music play"}));
    // A notice while the song still plays, or with the music off, does nothing.
    media.log.clear();
    Music().Notify();
    EXPECT_TRUE(media.log.empty());
    PlayFor(std::chrono::minutes(3));
    EXPECT_EQ(media.log, (Log{"music rewind", "music play"}));

    // Stopping closes the song, so that nothing holds the device or a
    // synthesizer; a late notice then finds the music off.
    media.log.clear();
    s.StopMusic();
    EXPECT_EQ(media.log, Log{"music close"});
    EXPECT_FALSE(Music().IsOpen());
    Music().Notify();
    s.StopMusic();  // nothing left to close
    EXPECT_EQ(media.log, Log{"music close"});
}

TEST_F(SoundsTest, TheMusicPausesWhileInactiveOnlyWhenAskedTo) {
    Sounds& s = Make();
    settings.CycleMusic = false;
    settings.MusicPath = "/songs/only.mid";
    s.StartMusic();
    media.log.clear();
    s.DXTimer1Deactivate();
    s.DXTimer1Activate();
    EXPECT_TRUE(media.log.empty());
    EXPECT_TRUE(s.MusicOn());

    settings.PauseMusic = true;
    s.DXTimer1Deactivate();
    EXPECT_TRUE(s.MusicPausedByDeactivate);
    EXPECT_FALSE(s.MusicOn());
    EXPECT_EQ(Music().Mode(), PlayerMode::Paused);
    s.DXTimer1Activate();
    EXPECT_FALSE(s.MusicPausedByDeactivate);
    EXPECT_TRUE(s.MusicOn());
    EXPECT_EQ(media.log, (Log{"music pause", "music play"}));
}

TEST_F(SoundsTest, ANoticePendingAcrossASwitchAwayIsHarmless) {
    Sounds& s = Make();
    settings.CycleMusic = false;
    settings.PauseMusic = true;
    settings.MusicPath = "/songs/only.mid";
    s.StartMusic();
    Music().Finish();  // the song has just ended; its notice is still queued
    media.log.clear();
    s.DXTimer1Deactivate();  // the pause finds nothing playing
    Music().Notify();        // and the notice finds the music off
    s.DXTimer1Activate();    // the same file plays again
    EXPECT_EQ(media.log, (Log{"music pause", "music play"}));
    EXPECT_EQ(Music().Mode(), PlayerMode::Playing);
    EXPECT_TRUE(s.MusicOn());
}

TEST_F(SoundsTest, MusicStoppedFromTheOptionsStaysStopped) {
    // Music on with an empty path: the options stop the player, and the
    // notice of the play they cut short must not start it again.
    Sounds& s = Make();
    settings.CycleMusic = false;
    settings.MusicPath = "/songs/only.mid";
    s.StartMusic();
    settings.MusicPath.clear();
    s.StopMusic();
    media.log.clear();
    Music().Notify();
    EXPECT_TRUE(media.log.empty());
    EXPECT_EQ(Music().Mode(), PlayerMode::NotReady);
    s.StartMusic();  // a new start brings the notices back
    EXPECT_FALSE(errors.empty());
}

TEST(ListDir, NamesOfFilesWithOrWithoutATrailingSeparator) {
    const fs::path folder = fs::temp_directory_path() / "zorvane-listdir";
    fs::remove_all(folder);
    fs::create_directories(folder / "sub.mid");
    std::ofstream(folder / ".hidden.mid") << "x";
    std::ofstream(folder / "b.wav") << "x";
    std::vector<std::string> plain;
    std::vector<std::string> slash;
    ListFiles(folder.string(), plain);
    ListFiles(folder.string() + "/", slash);
    std::sort(plain.begin(), plain.end());
    EXPECT_EQ(plain, (std::vector<std::string>{".hidden.mid", "b.wav"}));
    std::sort(slash.begin(), slash.end());
    EXPECT_EQ(slash, plain);

    // Each file is drawn once, whole name and all, then the list is spent.
    RandomSource random;
    std::vector<std::string> files = FolderFiles(folder.string() + "/");
    std::vector<std::string> drawn;
    for (int i = 0; i < 3; ++i) {
        drawn.push_back(DrawFile(files, random));
    }
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, (std::vector<std::string>{"", folder.string() + "/.hidden.mid",
                                               folder.string() + "/b.wav"}));
    EXPECT_EQ(FolderFiles(folder.string(), {folder.string() + "/b.wav"}),
              (std::vector<std::string>{folder.string() + "/.hidden.mid"}));
    EXPECT_TRUE(FolderFiles("").empty());
    EXPECT_TRUE(FolderFiles((folder / "sub.mid").string()).empty());
    fs::remove_all(folder);
}

}  // namespace
}  // namespace zorvane::test

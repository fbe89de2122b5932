#include "audio/Sounds.h"

#include <unistd.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "audio/ListDir.h"
#include "persistence/FileCheck.h"
#include "persistence/FileReasons.h"

namespace zorvane {

Sounds::Sounds(MediaService& service, Settings& settings, std::string programFolder,
               std::unique_ptr<RandomSource> songPicks)
    : service_(service),
      settings_(settings),
      programFolder_(std::move(programFolder)),
      songPicks_(songPicks ? std::move(songPicks) : std::make_unique<RandomSource>(ClockSeed())) {}

Sounds::~Sounds() {
    if (!prepared_) {
        return;
    }
    music_->OnNotify = nullptr;
    for (MediaPlayer* player : {&*wump_, &*subping_, &*explode_, &*clicker_, &*music_}) {
        player->Close();
    }
}

void Sounds::Prepare() {
    if (prepared_) {
        return;
    }
    prepared_ = true;
    wump_ = service_.CreatePlayer(false);
    subping_ = service_.CreatePlayer(false);
    explode_ = service_.CreatePlayer(false);
    clicker_ = service_.CreatePlayer(false);
    music_ = service_.CreatePlayer(true);
    music_->OnNotify = [this] { MusicPlayerNotify(); };
    for (const EffectSlot slot : kEffectSlots) {
        const bool report = std::exchange(reportFailure_[static_cast<std::size_t>(slot)], false);
        OpenPlayer(PlayerOf(slot), settings_.EffectFile(slot), !report);
    }
}

void Sounds::Report(const std::string& text) {
    if (ShowError) {
        ShowError("Error", text);
    }
}

std::string Sounds::Resolve(const std::string& file) const {
    std::error_code error;
    if (!file.empty() && file.find('/') == std::string::npos &&
        !std::filesystem::exists(file, error) &&
        std::filesystem::exists(programFolder_ + file, error)) {
        return programFolder_ + file;
    }
    return file;
}

std::string Sounds::OpenFile(MediaPlayer& player, const std::string& file) {
    return player.Open(Resolve(file));
}

bool Sounds::OpenPlayer(MediaPlayer& player, const std::string& file, bool quiet) {
    const std::string failure = OpenFile(player, file);
    if (failure.empty()) {
        return true;
    }
    if (!quiet && service_.DeviceOpen()) {
        Report(file.empty() ? failure : file + ": " + failure);
    }
    return false;
}

void Sounds::PlayEffect(MediaPlayer& player, bool enabled) {
    // A player whose file failed to open was reported then; the game plays
    // on without that sound rather than repeating the message at every move.
    if (!enabled || !player.IsOpen()) {
        return;
    }
    if (player.Mode() == PlayerMode::Playing) {
        player.Stop();
        player.Rewind();
    }
    player.Play();
}

MediaPlayer& Sounds::PlayerOf(EffectSlot slot) {
    switch (slot) {
        case EffectSlot::Bad:
            return *wump_;
        case EffectSlot::Good:
            return *subping_;
        case EffectSlot::Explode:
            return *explode_;
        case EffectSlot::Row:
            break;
    }
    return *clicker_;
}

void Sounds::PlayEffect(Effect effect) {
    if (!settings_.EffectOn(effect)) {
        return;
    }
    Prepare();
    PlayEffect(PlayerOf(effect), true);
}

void Sounds::SetEffectFile(EffectSlot slot, const std::string& file) {
    settings_.EffectFile(slot) = file;
    if (!prepared_) {
        // Opened with the others, and reported like a file changed now.
        reportFailure_[static_cast<std::size_t>(slot)] = true;
        Prepare();
        return;
    }
    MediaPlayer& player = PlayerOf(slot);
    player.Close();
    OpenPlayer(player, file, false);
}

void Sounds::NameEffectFile(EffectSlot slot, const std::string& file) {
    if (prepared_) {
        SetEffectFile(slot, file);
        return;
    }
    settings_.EffectFile(slot) = file;
    // Whether the device works is not known yet; a file that cannot be read
    // at all is worth saying either way.
    int fd = -1;
    std::int64_t size = 0;
    const FileResult checked = OpenRegularFile(Resolve(file), kEffectFileCap, fd, size);
    if (fd >= 0) {
        ::close(fd);
    }
    reportFailure_[static_cast<std::size_t>(slot)] = checked.ok;
    if (!checked.ok) {
        Report(file.empty() ? checked.reason : file + ": " + checked.reason);
    }
}

void Sounds::StartMusic() {
    Prepare();
    // Notifications caused by the switch find the music off.
    musicOn_ = false;
    stoppedByUs_ = false;
    gaveUp_ = false;
    triedSongs_.clear();
    if (settings_.CycleMusic) {
        if (!LoadMusicFile()) {
            return;
        }
    } else {
        if (music_->Mode() == PlayerMode::Playing) {
            music_->Stop();
        }
        music_->Close();
        if (!OpenPlayer(*music_, settings_.MusicPath, false)) {
            return;
        }
    }
    musicOn_ = true;
    PlayMusicFile();
}

void Sounds::PlayMusicFile() {
    playStarted_ = Now();
    music_->Play();
}

void Sounds::GiveUpMusic(const std::string& text) {
    gaveUp_ = true;
    musicOn_ = false;
    music_->Close();
    if (service_.DeviceOpen()) {
        Report(text);
    }
}

void Sounds::StopMusic() {
    if (!prepared_ || !music_->IsOpen()) {
        return;
    }
    // The notice of a play cut short, or of one that has just ended, must
    // not start the next song.
    stoppedByUs_ = true;
    musicOn_ = false;
    music_->Close();
}

bool Sounds::LoadMusicFile() {
    Prepare();
    if (!settings_.CycleMusic) {
        return true;
    }
    if (music_->Mode() == PlayerMode::Playing) {
        music_->Stop();
    }
    music_->Close();
    const std::string& folder = settings_.MusicPath;
    // Listed once for all the tries: a folder of thousands of songs that all
    // fail is gone through in one pass, not one listing per song.
    std::vector<std::string> songs = FolderFiles(folder, triedSongs_);
    std::string song = DrawFile(songs, *songPicks_);
    if (song.empty() && triedSongs_.empty()) {
        // No file at all: the player's own text says so.
        return OpenPlayer(*music_, song, false);
    }
    for (; !song.empty(); song = DrawFile(songs, *songPicks_)) {
        triedSongs_.insert(song);
        const std::string failure = OpenFile(*music_, song);
        if (failure.empty()) {
            if (SongOpened) {
                SongOpened(song);
            }
            return true;
        }
        if (!service_.DeviceOpen()) {
            return false;  // no file's fault, and a game without sound needs no message
        }
        lastFailure_ = song + ": " + failure;
    }
    GiveUpMusic(folder + ": " + kNoSongPlays + "\r" + lastFailure_);
    return false;
}

void Sounds::MusicPlayerNotify() {
    // A late notice of a play cut short finds the music off or a new song
    // sounding, and does nothing.
    if (!musicOn_ || stoppedByUs_ || gaveUp_ || music_->Mode() == PlayerMode::Playing) {
        return;
    }
    if (Now() - playStarted_ < kShortestPlay) {
        lastFailure_ = music_->FileName() + ": " + kSongEndedAtOnce;
        if (!settings_.CycleMusic) {
            GiveUpMusic(lastFailure_);
            return;
        }
    } else {
        triedSongs_.clear();  // it really played: every song may come again
    }
    if (!settings_.CycleMusic) {
        music_->Rewind();
        PlayMusicFile();
    } else if (LoadMusicFile()) {
        PlayMusicFile();
    }
}

void Sounds::DXTimer1Deactivate() {
    if (musicOn_ && settings_.PauseMusic) {
        MusicPausedByDeactivate = true;
        musicOn_ = false;
        if (prepared_) {
            music_->Pause();
        }
    } else {
        MusicPausedByDeactivate = false;
    }
}

void Sounds::DXTimer1Activate() {
    if (MusicPausedByDeactivate && settings_.PauseMusic) {
        MusicPausedByDeactivate = false;
        musicOn_ = true;
        if (prepared_) {
            music_->Play();
        }
    }
}

}  // namespace zorvane

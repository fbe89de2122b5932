#include "audio/Sounds.h"

#include <filesystem>

#include "audio/ListDir.h"

namespace zorvane {

Sounds::Sounds(MediaService& service, Settings& settings, RandomSource& random,
               std::string programFolder)
    : service_(service),
      settings_(settings),
      random_(random),
      programFolder_(std::move(programFolder)),
      wump_(service.CreatePlayer(false)),
      subping_(service.CreatePlayer(false)),
      explode_(service.CreatePlayer(false)),
      clicker_(service.CreatePlayer(false)),
      music_(service.CreatePlayer(true)) {
    OpenPlayer(*wump_, "wump.wav", true);
    OpenPlayer(*explode_, "explode.wav", true);
    OpenPlayer(*subping_, "subping.wav", true);
    OpenPlayer(*clicker_, "click.wav", true);
    music_->OnNotify = [this] { MusicPlayerNotify(); };
}

Sounds::~Sounds() {
    music_->OnNotify = nullptr;
    for (MediaPlayer* player : {&*wump_, &*subping_, &*explode_, &*clicker_, &*music_}) {
        player->Close();
    }
}

void Sounds::Report(const std::string& text) {
    if (ShowError) {
        ShowError("Error", text);
    }
}

std::string Sounds::OpenFile(MediaPlayer& player, const std::string& file) {
    std::string name = file;
    std::error_code error;
    if (!name.empty() && name.find('/') == std::string::npos &&
        !std::filesystem::exists(name, error) &&
        std::filesystem::exists(programFolder_ + name, error)) {
        name = programFolder_ + name;
    }
    return player.Open(name);
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
    PlayEffect(PlayerOf(effect), settings_.EffectOn(effect));
}

void Sounds::SetEffectFile(EffectSlot slot, const std::string& file) {
    settings_.EffectFile(slot) = file;
    MediaPlayer& player = PlayerOf(slot);
    player.Close();
    OpenPlayer(player, file, false);
}

void Sounds::StartMusic() {
    // Notifications caused by the switch find the music off.
    settings_.PlayMusic = false;
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
    settings_.PlayMusic = true;
    PlayMusicFile();
}

void Sounds::PlayMusicFile() {
    playStarted_ = Now();
    music_->Play();
}

void Sounds::GiveUpMusic(const std::string& text) {
    gaveUp_ = true;
    music_->Close();
    if (service_.DeviceOpen()) {
        Report(text);
    }
}

void Sounds::StopMusic() {
    if (music_->Mode() == PlayerMode::Playing) {
        stoppedByUs_ = true;
        music_->Stop();
    }
}

bool Sounds::LoadMusicFile() {
    if (!settings_.CycleMusic) {
        return true;
    }
    if (music_->Mode() == PlayerMode::Playing) {
        music_->Stop();
    }
    music_->Close();
    const std::string& folder = settings_.MusicPath;
    std::string song = RandomFile(folder, random_, triedSongs_);
    if (song.empty() && triedSongs_.empty()) {
        // No file at all: the player's own text says so.
        return OpenPlayer(*music_, song, false);
    }
    for (; !song.empty(); song = RandomFile(folder, random_, triedSongs_)) {
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
    GiveUpMusic(folder + ": none of the songs in this folder can be played.\r" + lastFailure_);
    return false;
}

void Sounds::MusicPlayerNotify() {
    // A late notice of a play cut short finds the music off or a new song
    // sounding, and does nothing.
    if (!settings_.PlayMusic || stoppedByUs_ || gaveUp_ || music_->Mode() == PlayerMode::Playing) {
        return;
    }
    if (Now() - playStarted_ < kShortestPlay) {
        lastFailure_ = music_->FileName() + ": the song ended as soon as it started";
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
    if (settings_.PlayMusic && settings_.PauseMusic) {
        MusicPausedByDeactivate = true;
        settings_.PlayMusic = false;
        music_->Pause();
    } else {
        MusicPausedByDeactivate = false;
    }
}

void Sounds::DXTimer1Activate() {
    if (MusicPausedByDeactivate && settings_.PauseMusic) {
        MusicPausedByDeactivate = false;
        settings_.PlayMusic = true;
        music_->Play();
    }
}

}  // namespace zorvane

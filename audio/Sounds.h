#pragma once
// The game's five players and what the game asks of them: effects under
// their switches, switching an effect to another file, background music
// from one song or a random song of a folder, and pausing the music while
// the program is not the active application.

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "audio/MediaPlayer.h"
#include "engine/GameHost.h"
#include "engine/Random.h"
#include "persistence/Settings.h"

namespace zorvane {

class Sounds {
  public:
    // `service` and `settings` must outlive the players. Nothing is made or
    // opened here: a game that has not made a sound yet needs no sound
    // library. Songs of a folder are drawn with `songPicks`, a source of the
    // music's own (seeded from the clock when none is given): the game's
    // sequence stays its own, so a seed reproduces a game with music on too.
    Sounds(MediaService& service, Settings& settings, std::string programFolder,
           std::unique_ptr<RandomSource> songPicks = nullptr);
    ~Sounds();

    // Makes the five players and opens the four effects on the settings'
    // files, once: when the game clock starts, when music starts, or at the
    // first effect or file change that needs a player. An effect file that
    // fails stays silent; it is reported only when it was named in the
    // options and its failure was not reported when it was named.
    void Prepare();
    bool Prepared() const { return prepared_; }

    // One effect from its beginning, cutting off its own earlier sounding;
    // nothing is sent while its switch is off or its player has no file.
    void PlayEffect(Effect effect);

    // Stores the name in the slot's setting and reopens its player on it,
    // reporting a file that fails.
    void SetEffectFile(EffectSlot slot, const std::string& file);
    // The same for a name read from the options file, but before Prepare the
    // file is only checked (it exists, is a regular file, is not too large)
    // and reported at once when it fails; decoding waits for Prepare.
    void NameEffectFile(EffectSlot slot, const std::string& file);

    // A play that ends sooner than this held nothing we could sound.
    static constexpr std::chrono::milliseconds kShortestPlay{1000};

    // Music that will not play is given up until the next StartMusic, with
    // one message: a single song that fails to open or ends at once, or a
    // folder whose every song did so since the last real play (each song is
    // tried at most once in that round). The PlayMusic setting is the
    // player's and is never changed here.
    void StartMusic();
    // Closes the song that plays or waits: a loaded song keeps the audio
    // device open, and a MIDI song holds its synthesizer and soundfont.
    void StopMusic();
    // Opens a random song of the music folder, one not yet tried this round,
    // without playing it; false when none could be opened (reported).
    bool LoadMusicFile();
    void MusicPlayerNotify();
    // Pause and resume the music while the program is inactive (the switch
    // is kept even before the players exist).
    void DXTimer1Activate();
    void DXTimer1Deactivate();
    // Whether the music is meant to sound now: started, and neither given
    // up, stopped nor paused while the program is inactive.
    bool MusicOn() const { return musicOn_; }

    bool MusicPausedByDeactivate = false;

    // A failure to report in a message box: caption and text.
    std::function<void(const std::string&, const std::string&)> ShowError;
    // The song just opened, for the options dialog's single-song box.
    std::function<void(const std::string&)> SongOpened;
    // The clock that times each play of the music.
    std::function<std::chrono::steady_clock::time_point()> Now = &std::chrono::steady_clock::now;

  private:
    // Opens a file; a bare name missing from the current folder is looked
    // for in the program's folder. Reports a failure unless `quiet` or the
    // machine has no audio device (a game without sound needs no messages).
    bool OpenPlayer(MediaPlayer& player, const std::string& file, bool quiet);
    // The same without the report: the player's text for a failure, else empty.
    std::string OpenFile(MediaPlayer& player, const std::string& file);
    // The name a player opens: a bare name missing from the current folder
    // as found in the program's folder, else the name as given.
    std::string Resolve(const std::string& file) const;
    void Report(const std::string& text);
    void PlayEffect(MediaPlayer& player, bool enabled);
    void PlayMusicFile();
    // Closes the music player and says why, once, until the next StartMusic.
    void GiveUpMusic(const std::string& text);
    // The player of an effect; its file and switch are in the settings.
    MediaPlayer& PlayerOf(EffectSlot slot);
    bool prepared_ = false;
    // Per effect slot: a failure of its file would be news to the player (the
    // file was named in the options and not reported when it was named).
    std::array<bool, kEffectSlots.size()> reportFailure_{};
    // The notice of a play that StopMusic cut short must not start the
    // next song: the music stays off until StartMusic.
    bool stoppedByUs_ = false;
    bool gaveUp_ = false;
    bool musicOn_ = false;
    // The songs of the folder tried since the last real play, and why the
    // last of them failed.
    std::set<std::string> triedSongs_;
    std::string lastFailure_;
    std::chrono::steady_clock::time_point playStarted_;

    MediaService& service_;
    Settings& settings_;
    std::string programFolder_;
    std::unique_ptr<RandomSource> songPicks_;
    // Made by Prepare; null before.
    std::unique_ptr<MediaPlayer> wump_;
    std::unique_ptr<MediaPlayer> subping_;
    std::unique_ptr<MediaPlayer> explode_;
    std::unique_ptr<MediaPlayer> clicker_;
    std::unique_ptr<MediaPlayer> music_;
};

}  // namespace zorvane

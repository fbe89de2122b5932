#pragma once
// Where the player's own files live: Options.txt, Scores.txt, the saved
// games and the game left at the last close. A copy that is not installed
// keeps them beside the program while it may write there; an installed copy
// (kInstalledMarker beside the program), or one whose folder is read-only,
// keeps them in the player's config and data folders. Reading prefers the
// player's file, then the one beside the program (defaults a packager
// ships); a file in neither place is missing, and the game uses its
// defaults.

#include <functional>
#include <string>

#include "persistence/TextFile.h"

namespace zorvane {

// The empty file an install lays beside the program.
inline constexpr const char* kInstalledMarker = "zorvane.installed";

// The player's folders for this game, each ending with "/", for example
// "/home/ann/.config/zorvane/" and "/home/ann/.local/share/zorvane/".
struct PlayerHomes {
    std::string config;
    std::string data;
    std::string state;  // the desktop's state of the game, such as its window
};

class PlayerFiles {
  public:
    // Answers whether a folder takes new files, or whether a file is there.
    using Probe = std::function<bool(const std::string& path)>;

    // `programFolder` ends with "/". The probes default to asking the file
    // system; `writable` is asked once, here.
    PlayerFiles(std::string programFolder, bool installed, PlayerHomes homes, Probe writable = {},
                Probe exists = {});

    // Where to read each file now, and where to write it: empty when the
    // files belong in the player's home and there is none.
    std::string OptionsToRead() const { return ToRead(homes_.config, "Options.txt"); }
    std::string OptionsToWrite() const { return ToWrite(homes_.config, "Options.txt"); }
    std::string ScoresToRead() const { return ToRead(homes_.data, "Scores.txt"); }
    std::string ScoresToWrite() const { return ToWrite(homes_.data, "Scores.txt"); }
    // The window's size, read and written in one place: the player's own
    // only, never a shipped one.
    std::string WindowFile() const { return ToWrite(homes_.state, "Window.txt"); }
    // Where the Save Game and Open Game choosers start.
    std::string GamesFolder() const { return inHome_ ? homes_.data : programFolder_; }
    // The game left in progress at the last close, beside the scores, and
    // where such a file that would not open is set aside; empty where there
    // is nowhere to keep it.
    std::string ResumeFile() const { return ToWrite(homes_.data, "Resume.SAV"); }
    std::string DamagedResumeFile() const { return ToWrite(homes_.data, "Resume-damaged.SAV"); }
    // The files belong in the player's home, and no home was found.
    bool Homeless() const { return homeless_; }

  private:
    std::string ToRead(const std::string& home, const char* name) const;
    std::string ToWrite(const std::string& home, const char* name) const;

    std::string programFolder_;
    PlayerHomes homes_;
    Probe exists_;
    bool inHome_ = false;
    bool homeless_ = false;
};

// Whether the program in `programFolder` was installed: the marker is there.
bool IsInstalledCopy(const std::string& programFolder);

// Makes the folder that is to hold `file` (a path ending in "/" names the
// folder itself), and any missing parent, for its owner only. Nothing to do
// when it exists; on failure the reason names the folder and the system's
// text.
FileResult CreateFolderFor(const std::string& file);

}  // namespace zorvane

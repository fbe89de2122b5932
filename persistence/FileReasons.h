#pragma once
// The reasons the game itself gives for a file it could not read, write or
// play, in English; the others are the C library's own texts. They are written
// into messages (and by the replay tool) as they are; a window in another
// language words these, and only these, in the player's language.

#include <cstdint>
#include <string>

namespace zorvane {

constexpr const char* kNotRegularFile = "not a regular file";
constexpr const char* kBadFileName = "not a valid file name";
constexpr const char* kNoSavedGame = "the file holds no saved game";
// A lock file in the way.
constexpr const char* kCannotReplace = "it is not a regular file and cannot be replaced";
constexpr const char* kLockedByOther = "another copy of the game kept the file locked";
// Why the music gives up, after the folder or song they name.
constexpr const char* kNoSongPlays = "none of the songs in this folder can be played.";
constexpr const char* kSongEndedAtOnce = "the song ended as soon as it started";
// Added to the reason a high-score save failed.
constexpr const char* kLeftAlone =
    "; the file is left as it is, and new high scores are kept only while the game runs";
constexpr const char* kSavedLater = "; the new high scores are kept and saved later";

// A file of `size` bytes over `cap`: "too large (N MB, at most M MB)", the
// sizes rounded up to a tenth.
std::string TooLargeText(std::int64_t size, std::int64_t cap);
// "Cannot create the folder FOLDER (SYSTEM REASON)".
std::string FolderNotMadeText(const std::string& folder, const std::string& systemReason);

}  // namespace zorvane

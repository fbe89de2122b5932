#pragma once
// Opening a file the game reads: only a regular file within a size cap that
// fits its kind, opened so that a FIFO or a device can never block or flood
// the game. Every file the game reads goes through here.

#include <cstdint>
#include <string>

#include "persistence/FileReasons.h"
#include "persistence/TextFile.h"

namespace zorvane {

constexpr std::int64_t kMegabyte = 1024 * 1024;
// Options.txt, Scores.txt and saved games: a 16-row saved game is about 15 KB.
constexpr std::int64_t kTextFileCap = 1 * kMegabyte;
// A background picture: an uncompressed full-screen bitmap still fits.
constexpr std::int64_t kPictureFileCap = 32 * kMegabyte;
// An effect is decoded whole into memory: a few seconds of sound.
constexpr std::int64_t kEffectFileCap = 16 * kMegabyte;
// A song is streamed, but one that runs to hours is no song.
constexpr std::int64_t kSongFileCap = 64 * kMegabyte;

// Opens `path` for reading. On success `fd` is a blocking, close-on-exec
// descriptor the caller closes, and `size` the file's size. Refused, with
// `fd` at -1 and the reason: a name too long for the system or holding a NUL
// byte (without touching the disk), anything that is not a regular file
// (a FIFO or device is never read), and a file over `cap` bytes ("too large
// (N MB, at most M MB)"). `missing` is set when the file does not exist.
FileResult OpenRegularFile(const std::string& path, std::int64_t cap, int& fd, std::int64_t& size);

// The whole content of the file through OpenRegularFile; a file that grows
// past `cap` while it is read is refused the same way.
FileResult ReadRegularFile(const std::string& path, std::int64_t cap, std::string& bytes);

}  // namespace zorvane

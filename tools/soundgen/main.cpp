// zorvane-soundgen: makes the game's sound effects and songs.
//
//   zorvane-soundgen OUTPUT_FOLDER
//
// writes OUTPUT_FOLDER/sounds/{wump,subping,explode,click}.wav (16-bit mono,
// 44.1 kHz) and OUTPUT_FOLDER/music/*.mid. Every run gives the same bytes.

#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "tools/soundgen/Effects.h"
#include "tools/soundgen/MidiFile.h"
#include "tools/soundgen/Songs.h"
#include "tools/soundgen/WavFile.h"

namespace {

namespace fs = std::filesystem;

bool MakeFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "zorvane-soundgen: cannot create %s: %s\n", folder.string().c_str(),
                     error.message().c_str());
        return false;
    }
    return true;
}

bool SaveWav(const fs::path& path, const zorvane::soundgen::Samples& samples) {
    if (!zorvane::soundgen::WriteWav(path, samples)) {
        std::fprintf(stderr, "zorvane-soundgen: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

bool SaveSong(const fs::path& path, const zorvane::soundgen::MidiSong& song) {
    const std::vector<std::uint8_t> bytes = zorvane::soundgen::EncodeSong(song);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (file.fail()) {
        std::fprintf(stderr, "zorvane-soundgen: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zorvane-soundgen OUTPUT_FOLDER\n");
        return 2;
    }
    namespace sg = zorvane::soundgen;
    const fs::path out(argv[1]);
    const fs::path sounds = out / "sounds";
    const fs::path music = out / "music";
    if (!MakeFolder(sounds) || !MakeFolder(music)) {
        return 1;
    }
    try {
        bool ok = SaveWav(sounds / "wump.wav", sg::MakeWump());
        ok = SaveWav(sounds / "subping.wav", sg::MakeSubping()) && ok;
        ok = SaveWav(sounds / "explode.wav", sg::MakeExplode()) && ok;
        ok = SaveWav(sounds / "click.wav", sg::MakeClick()) && ok;
        ok = SaveSong(music / "Zorvane Theme.mid", sg::MakeZorvaneTheme()) && ok;
        ok = SaveSong(music / "Falling Rows.mid", sg::MakeFallingRows()) && ok;
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        // Only a mistake in a song's written notes can land here.
        std::fprintf(stderr, "zorvane-soundgen: %s\n", e.what());
        return 1;
    }
}

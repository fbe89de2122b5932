// A MIDI song made to flood stderr: far more notes at one instant than the
// synthesizer has voices, each of which it warns about.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QTest>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "audio/SdlMediaService.h"
#include "audio/SoundLibraryLog.h"
#include "tests/persistence/TempFolder.h"

namespace zorvane {
namespace {

std::string BigEndian(std::uint32_t value, int size) {
    std::string bytes;
    for (int i = size - 1; i >= 0; --i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    return bytes;
}

// One track of `notes` note-ons at time 0, then the end of the track.
std::string ChordOf(int notes) {
    std::string track = {0, static_cast<char>(0x90), 60, 100};
    for (int i = 1; i < notes; ++i) {
        // Running status: delta time, key, velocity.
        track += {0, static_cast<char>(i * 7 % 128), static_cast<char>(1 + i % 127)};
    }
    track += {0x60, static_cast<char>(0xFF), 0x2F, 0};
    return "MThd" + BigEndian(6, 4) + BigEndian(0, 2) + BigEndian(1, 2) + BigEndian(96, 2) +
           "MTrk" + BigEndian(static_cast<std::uint32_t>(track.size()), 4) + track;
}

// What this process writes to stderr while `work` runs.
template <typename Work>
std::string StderrOf(const std::string& file, Work work) {
    std::fflush(stderr);
    const int saved = ::dup(2);
    const int out = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ::dup2(out, 2);
    ::close(out);
    work();
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    return test::ReadBytes(file);
}

TEST(HostileSong, TheSynthesizerSaysAFewLinesNotThousands) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    test::TempFolder folder;
    const std::string song = folder.File("chord.mid");
    test::WriteBytes(song, ChordOf(20000));
    SdlMediaService service;
    ASSERT_EQ(service.StartupError(), "");
    auto music = service.CreatePlayer(true);

    const std::string written = StderrOf(folder.File("stderr.txt"), [&] {
        ASSERT_EQ(music->Open(song), "");
        music->Play();
        QTest::qWait(1000);
        music->Close();
    });

    const auto lines = std::count(written.begin(), written.end(), '\n');
    EXPECT_LE(lines, kSoundLibraryLinesPerSong + 1) << written.substr(0, 2000);
    // The warnings did come, and the first of them are still shown.
    EXPECT_EQ(written.rfind("fluidsynth: warning: ", 0), 0u) << written.substr(0, 2000);
}

}  // namespace
}  // namespace zorvane

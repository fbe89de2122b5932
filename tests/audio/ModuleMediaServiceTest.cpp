// The program's media service: the sound module beside the program is loaded
// only when the first player is needed, and plays the game's effects; a
// missing or wrong module leaves the game silent, never broken. This program
// does not link SDL, so what is mapped is what the loader brought in.

#include "audio/ModuleMediaService.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "audio/Sounds.h"
#include "tests/persistence/TempFolder.h"

namespace zorvane {
namespace {

const std::string kBuiltProgramFolder = std::string(ZORVANE_BIN_DIR) + "/";

bool Mapped(const std::string& name) {
    std::ifstream maps("/proc/self/maps");
    std::stringstream text;
    text << maps.rdbuf();
    return text.str().find(name) != std::string::npos;
}

// SDL_mixer's own count of the sounds playing, asked of the copy the module
// brought in.
int ChannelsPlaying() {
    void* mixer = ::dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
    if (mixer == nullptr) {
        return -1;
    }
    auto playing = reinterpret_cast<int (*)(int)>(::dlsym(mixer, "Mix_Playing"));
    const int count = playing != nullptr ? playing(-1) : -1;
    ::dlclose(mixer);
    return count;
}

TEST(ModuleMediaService, TheModuleIsLoadedForTheFirstPlayerAndPlaysTheEffects) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ModuleMediaService service(kBuiltProgramFolder);
    Settings settings = DefaultSettings(kBuiltProgramFolder);
    Sounds sounds(service, settings, kBuiltProgramFolder);
    std::vector<std::string> errors;
    sounds.ShowError = [&](const std::string&, const std::string& text) { errors.push_back(text); };
    sounds.NameEffectFile(EffectSlot::Row, "click.wav");
    EXPECT_FALSE(service.Tried());
    EXPECT_FALSE(Mapped("libSDL2"));

    sounds.PlayEffect(Effect::Row);
    EXPECT_TRUE(service.Tried());
    EXPECT_EQ(service.LoadError(), "");
    EXPECT_TRUE(service.DeviceOpen());
    EXPECT_TRUE(Mapped(kAudioModuleFile));
    EXPECT_TRUE(Mapped("libSDL2_mixer"));
    EXPECT_EQ(ChannelsPlaying(), 1);
    sounds.PlayEffect(Effect::Explode);
    EXPECT_GE(ChannelsPlaying(), 1);
    EXPECT_TRUE(errors.empty());
}

TEST(ModuleMediaService, WithoutAUsableModuleTheGameIsSilentAndSaysNothing) {
    test::TempFolder junk;
    test::WriteBytes(junk.File(kAudioModuleFile), "not a shared object");
    test::TempFolder stranger;
    // A real shared object, but not ours: it has no factory.
    Dl_info math{};
    ASSERT_NE(::dladdr(reinterpret_cast<void*>(static_cast<double (*)(double)>(&std::cos)), &math),
              0);
    std::filesystem::create_symlink(math.dli_fname, stranger.File(kAudioModuleFile));
    // (CTest runs each test in a process of its own; run together with the
    // test above, SDL is there already.)
    const bool sdlBefore = Mapped("libSDL2");
    const std::pair<std::string, std::string> cases[] = {
        {"/nonexistent-zorvane/", "cannot open shared object file"},
        {junk.Path().string() + "/", "file too short"},
        {stranger.Path().string() + "/", std::string("undefined symbol: ") + kAudioModuleFactory},
    };
    for (const auto& [folder, reason] : cases) {
        SCOPED_TRACE(folder);
        ModuleMediaService service(folder);
        EXPECT_TRUE(service.DeviceOpen());  // nothing known against it yet
        auto player = service.CreatePlayer(false);
        EXPECT_FALSE(service.DeviceOpen());
        EXPECT_NE(service.LoadError().find(reason), std::string::npos) << service.LoadError();
        const std::string failure = player->Open(kBuiltProgramFolder + "click.wav");
        EXPECT_EQ(failure, service.LoadError());
        EXPECT_FALSE(player->IsOpen());
        EXPECT_EQ(player->Play(), kNoDeviceOpen);
        EXPECT_EQ(player->Mode(), PlayerMode::NotReady);

        // The game's players: every effect and the music stay silent, and no
        // file is blamed for it.
        Settings settings = DefaultSettings(kBuiltProgramFolder);
        settings.MusicPath = kBuiltProgramFolder + "Music/";
        Sounds sounds(service, settings, kBuiltProgramFolder);
        std::vector<std::string> errors;
        sounds.ShowError = [&](const std::string&, const std::string& text) {
            errors.push_back(text);
        };
        sounds.SetEffectFile(EffectSlot::Bad, "wump.wav");
        sounds.PlayEffect(Effect::Bad);
        sounds.StartMusic();
        EXPECT_FALSE(settings.PlayMusic);
        EXPECT_TRUE(errors.empty());
    }
    EXPECT_EQ(Mapped("libSDL2"), sdlBefore);
}

}  // namespace
}  // namespace zorvane

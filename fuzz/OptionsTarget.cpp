// Fuzz target: Options.txt read over the defaults with every hook watching,
// the settings written and read back unchanged, then a game started and
// played a little with them (board height and starting rows come from here).

#include <string>

#include "engine/Game.h"
#include "engine/QuietHost.h"
#include "fuzz/FuzzSupport.h"
#include "persistence/OptionsFile.h"

namespace {

using namespace zorvane;
using fuzz::Require;

// Checks each hook's promise against the settings at the moment it is called.
// The background picture is refused when its name is odd in length, so both
// answers are seen.
class WatchingHooks : public OptionsHooks {
  public:
    explicit WatchingHooks(const Settings& settings)
        : background(settings.GraphicsBack),
          backgroundSet(settings.GraphicsBackSet),
          settings_(settings) {}

    void SetEffectFile(EffectSlot slot, const std::string& file) override {
        const std::string* held[] = {&settings_.BadSound, &settings_.GoodSound,
                                     &settings_.ExplodeSound, &settings_.RowSound};
        const int index = static_cast<int>(slot);
        Require(index >= 0 && index < 4, "an effect slot outside the four");
        Require(*held[index] == file, "an effect hook before its setting holds the name");
    }
    void StartRowsRead(int startRows) override {
        Require(startRows == settings_.StartRows, "StartRows hook and setting differ");
    }
    void BufferedRead(bool buffered) override {
        Require(buffered == settings_.Buffered, "Buffered hook and setting differ");
    }
    bool LoadBackgroundPicture(const std::string& file) override {
        const bool accept = file.size() % 2 == 0;
        if (accept) {
            background = file;
            backgroundSet = true;
        }
        return accept;
    }
    void TransparentRead(bool transparent) override {
        Require(transparent == settings_.Transparent, "Transparent hook and setting differ");
    }
    void StartMusic() override {
        Require(settings_.PlayMusic && !settings_.MusicPath.empty(),
                "music started while off or without a path");
        ++musicStarts;
    }

    std::string background;
    bool backgroundSet;
    int musicStarts = 0;

  private:
    const Settings& settings_;
};

void PlayALittle(Settings& settings) {
    QuietHost host;
    RandomSource random(1);
    HighScoreTable scores("01/01/26");
    Game game(settings, host, random, scores);
    game.StartUp();
    game.BtnPauseClick();
    for (int i = 0; i < 12 && !host.Closed(); ++i) {
        if (host.ClockEnabled()) {
            game.DXTimer1Timer();
        }
    }
    game.Num1Click({true, 0});
    game.NewSubMenuClick();
    game.Num1Click({true, 11});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Settings settings = DefaultSettings("/opt/zorvane/");
    WatchingHooks hooks(settings);
    ApplyOptionsLines(SplitTextLines(bytes), settings, hooks);

    Require(settings.GraphicsBack == hooks.background &&
                settings.GraphicsBackSet == hooks.backgroundSet,
            "the background setting is not the last picture accepted");
    const bool musicDue = settings.PlayMusic && !settings.MusicPath.empty();
    Require(hooks.musicStarts == (musicDue ? 1 : 0), "music started other than once when due");

    // What Save Options writes must read back as the same file.
    const std::vector<std::string> written = OptionsLines(settings);
    Settings reread = DefaultSettings("/opt/zorvane/");
    OptionsHooks plain;
    ApplyOptionsLines(SplitTextLines(JoinTextLines(written)), reread, plain);
    Require(OptionsLines(reread) == written, "saved options read back differently");

    PlayALittle(settings);
    return 0;
}

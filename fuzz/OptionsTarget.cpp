// Fuzz target: Options.txt read over the defaults, the settings written and
// read back unchanged, then a game started and played a little with them
// (board height and starting rows come from here).

#include <string>

#include "engine/Game.h"
#include "engine/QuietHost.h"
#include "fuzz/FuzzSupport.h"
#include "persistence/OptionsFile.h"

namespace {

using namespace zorvane;
using fuzz::Require;

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
    ReadOptionsLines(SplitTextLines(bytes), settings);

    // What Save Options writes must read back as the same file.
    const std::vector<std::string> written = OptionsLines(settings);
    Settings reread = DefaultSettings("/opt/zorvane/");
    ReadOptionsLines(SplitTextLines(JoinTextLines(written)), reread);
    Require(OptionsLines(reread) == written, "saved options read back differently");

    PlayALittle(settings);
    return 0;
}

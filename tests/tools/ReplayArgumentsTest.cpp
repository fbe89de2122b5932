// The replay tool's command line and its script errors.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "tools/replay/ReplayRunner.h"

namespace zorvane {
namespace {

TEST(ReplayArguments, ReadsEveryOption) {
    ReplayOptions options;
    std::string script;
    std::string error;
    ASSERT_TRUE(ParseReplayArguments(
        {"--options", "o.txt", "--rows", "12", "--start-rows", "5", "--seed", "42", "--random-mode",
         "--play-again", "yes", "--name", "Ann Lee", "--scores", "s.txt", "game.replay"},
        options, script, error))
        << error;
    EXPECT_EQ(options.optionsFile, "o.txt");
    EXPECT_EQ(options.rows, 12);
    EXPECT_EQ(options.startRows, 5);
    EXPECT_EQ(options.seed, 42u);
    EXPECT_TRUE(options.randomMode);
    EXPECT_TRUE(options.playAgain);
    EXPECT_EQ(options.name, "Ann Lee");
    EXPECT_EQ(options.scoresFile, "s.txt");
    EXPECT_EQ(script, "game.replay");
}

TEST(ReplayArguments, RejectsWhatItCannotRead) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--rows"},
                                                 {"--rows", "x"},
                                                 {"--seed", "-1"},
                                                 {"--play-again", "maybe"},
                                                 {"--frobnicate"},
                                                 {"a.replay", "b.replay"}}) {
        ReplayOptions options;
        std::string script;
        std::string error;
        EXPECT_FALSE(ParseReplayArguments(args, options, script, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(ReplayScript, MalformedLinesStopWithStatusTwoAndTheirLineNumber) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"tick x\n", "line 1: 'x' is not a number\n"},
        {"# comment\n\nclick 3\n", "line 3: missing argument to 'click'\n"},
        {"click 0 9\n", "line 1: click outside the board\n"},
        {"board\n..........\n123\n", "line 3: a board row needs 10 cell characters\n"},
        {"board\n..........\n", "line 2: the board ends early\n"},
        {"aux 12345678901\n", "line 1: the preview strip holds at most 10 cells\n"},
        {"aux 12z\n", "line 1: unknown cell character 'z'\n"},
        {"save\n", "line 1: missing file name to 'save'\n"},
        {"fly\n", "line 1: unknown command 'fly'\n"},
    };
    for (const auto& [script, message] : cases) {
        std::istringstream in(script);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunReplay(ReplayOptions{}, in, out, err), 2) << script;
        EXPECT_EQ(err.str(), message) << script;
    }
}

TEST(ReplayScript, AScriptReadsFromAnyStream) {
    std::istringstream in("aux 1a\nprint\n");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunReplay(ReplayOptions{}, in, out, err), 0);
    EXPECT_NE(out.str().find("aux: 1a........ 2\n"), std::string::npos) << out.str();
    EXPECT_TRUE(err.str().empty());
}

TEST(ReplayScript, LinesOfBlanksAreSkippedLikeEmptyLines) {
    std::istringstream in("   \n\t \t\n \r\nprint\n  \n");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunReplay(ReplayOptions{}, in, out, err), 0);
    EXPECT_TRUE(out.str().starts_with("score: 0\n")) << out.str();
    EXPECT_TRUE(err.str().empty()) << err.str();
}

TEST(ReplayScript, NumbersAtTheEndsOfTheRangePlayWithoutFault) {
    const std::filesystem::path options =
        std::filesystem::temp_directory_path() /
        ("zorvane-replay-options-" +
         std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".txt");
    std::ofstream(options, std::ios::binary) << "NumRows=$80000000\r\nStartRows=$80000000\r\n";
    ReplayOptions settings;
    settings.optionsFile = options.string();
    settings.startRows = std::numeric_limits<int>::min();  // overrides the file, as --start-rows
    std::string board = "board\n";
    for (int row = 0; row < 9; ++row) {
        board += "..........\n";
    }
    std::istringstream in(
        board +
        "level 2147483647\nrows-done 2147483647\ncleared 2147483647\nscore 2147483647\n"
        "aux 111.......\npause\ntick\nclick 0 0\nprint\n");
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunReplay(settings, in, out, err);
    std::filesystem::remove(options);
    EXPECT_EQ(status, 0) << err.str();
    // The push brought in three 1s, and the click that took them cleared
    // the board: one more clearing and one more level beyond the bounds.
    const std::string text = out.str();
    EXPECT_NE(text.find("score: 2147483647\n"), std::string::npos) << text;
    EXPECT_NE(text.find("level: 1000001\n"), std::string::npos) << text;
    EXPECT_NE(text.find("cleared: 1000001\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace zorvane

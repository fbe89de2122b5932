// The replay tool's command line and its script errors.

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zorvane

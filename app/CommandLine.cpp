#include "app/CommandLine.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "zorvane/Version.h"

namespace zorvane {

namespace {

struct QtOption {
    std::string_view name;  // without its dash
    bool takesValue;
    bool valueAfterEquals;  // QApplication also reads "-name=value"
};

// The options every Qt program on this desktop takes; QApplication reads
// them from the arguments left untouched here.
constexpr std::array<QtOption, 10> kQtOptions{{
    {"platform", true, false},
    {"platformpluginpath", true, false},
    {"platformtheme", true, false},
    {"plugin", true, false},
    {"display", true, false},
    {"style", true, true},
    {"stylesheet", true, true},
    {"session", true, false},
    {"reverse", false, false},
    {"widgetcount", false, false},
}};

constexpr const char* kUsage =
    "Usage: zorvane [OPTION]... [FILE]\n"
    "Zorvane, a colour-group puzzle game. At start it opens FILE, a saved game\n"
    "(.SAV), or else the game that was in progress when it last closed.\n"
    "\n"
    "Options:\n"
    "  -h, --help                  show this help and exit\n"
    "  -v, --version               show the version and exit\n"
    "\n"
    "Qt's usual options, with one dash or two:\n"
    "  -platform NAME[:OPTIONS]    the window system plugin, such as xcb or wayland\n"
    "  -platformpluginpath FOLDER  a folder to look for window system plugins in\n"
    "  -platformtheme NAME         the platform theme\n"
    "  -plugin NAME                an input plugin to load\n"
    "  -display DISPLAY            the X display to open (xcb)\n"
    "  -style STYLE                the widget style, such as Fusion (or -style=STYLE)\n"
    "  -stylesheet FILE            a style sheet for the widgets (or -stylesheet=FILE)\n"
    "  -session ID                 the desktop session the game is restored into\n"
    "  -reverse                    lay the windows out from right to left\n"
    "  -widgetcount                count the widgets left over at the end\n";

// The Qt option `word` (its dashes taken off) names, if any.
const QtOption* FindQtOption(std::string_view word, bool& valueAttached) {
    valueAttached = false;
    for (const QtOption& option : kQtOptions) {
        if (word == option.name) {
            return &option;
        }
        if (option.valueAfterEquals && word.size() > option.name.size() &&
            word.starts_with(option.name) && word[option.name.size()] == '=') {
            valueAttached = true;
            return &option;
        }
    }
    return nullptr;
}

// One line whatever a file name holds.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    bool help = false;
    bool version = false;
    bool optionsEnded = false;
    auto refuse = [&line](std::string problem) {
        if (line.problem.empty()) {
            line.problem = std::move(problem);
        }
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            if (line.file.empty()) {
                line.file = arg;
            } else {
                refuse("more than one file given: " + line.file + " and " + std::string(arg));
            }
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h" || arg == "--help") {
            help = true;
        } else if (arg == "-v" || arg == "--version") {
            version = true;
        } else {
            const std::string_view word = arg.substr(arg.starts_with("--") ? 2 : 1);
            bool valueAttached = false;
            const QtOption* option = FindQtOption(word, valueAttached);
            if (option == nullptr) {
                refuse("unknown option " + std::string(arg));
            } else if (option->takesValue && !valueAttached && ++i >= argc) {
                refuse("the option " + std::string(arg) + " needs a value");
            }
            line.platformNamed = line.platformNamed || (option && option->name == "platform");
        }
    }
    if (!line.problem.empty()) {
        line.action = CommandLine::Action::Refuse;
    } else if (help) {
        line.action = CommandLine::Action::Help;
    } else if (version) {
        line.action = CommandLine::Action::Version;
    }
    return line;
}

int AnswerCommandLine(const CommandLine& line) {
    switch (line.action) {
        case CommandLine::Action::Help:
            std::fputs(kUsage, stdout);
            return 0;
        case CommandLine::Action::Version:
            std::printf("%s\n", kProgramVersion);
            return 0;
        case CommandLine::Action::Refuse:
            std::fprintf(stderr, "zorvane: %s (see zorvane --help)\n",
                         OneLine(line.problem).c_str());
            return 2;
        case CommandLine::Action::Play:
            break;
    }
    return 0;
}

}  // namespace zorvane

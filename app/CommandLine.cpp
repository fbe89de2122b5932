#include "app/CommandLine.h"

#include <array>
#include <cstdio>
#include <string_view>

#include <QCoreApplication>
#include <QString>

#include "app/Translations.h"
#include "zorvane/Version.h"

namespace zorvane {

namespace {

struct QtOption {
    std::string_view name;  // without its dash
    bool takesValue;
    bool valueAfterEquals;  // QApplication also reads "-name=value"
    const char* value;      // the value as the usage names it
    const char* what;       // what the usage says of it
};

// The options every Qt program on this desktop takes; QApplication reads
// them from the arguments left untouched here.
constexpr std::array<QtOption, 10> kQtOptions{{
    {"platform", true, false, "NAME[:OPTIONS]",
     QT_TRANSLATE_NOOP("CommandLine", "the window system plugin, such as xcb or wayland")},
    {"platformpluginpath", true, false, "FOLDER",
     QT_TRANSLATE_NOOP("CommandLine", "a folder to look for window system plugins in")},
    {"platformtheme", true, false, "NAME", QT_TRANSLATE_NOOP("CommandLine", "the platform theme")},
    {"plugin", true, false, "NAME", QT_TRANSLATE_NOOP("CommandLine", "an input plugin to load")},
    {"display", true, false, "DISPLAY",
     QT_TRANSLATE_NOOP("CommandLine", "the X display to open (xcb)")},
    {"style", true, true, "STYLE",
     QT_TRANSLATE_NOOP("CommandLine", "the widget style, such as Fusion (or -style=STYLE)")},
    {"stylesheet", true, true, "FILE",
     QT_TRANSLATE_NOOP("CommandLine", "a style sheet for the widgets (or -stylesheet=FILE)")},
    {"session", true, false, "ID",
     QT_TRANSLATE_NOOP("CommandLine", "the desktop session the game is restored into")},
    {"reverse", false, false, "",
     QT_TRANSLATE_NOOP("CommandLine", "lay the windows out from right to left")},
    {"widgetcount", false, false, "",
     QT_TRANSLATE_NOOP("CommandLine", "count the widgets left over at the end")},
}};

QString Tr(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

QString UsageLine(const QString& option, const char* what) {
    return QString("  %1 %2\n").arg(option, -27).arg(Tr(what));
}

QString Usage() {
    const QString own =
        UsageLine("-h, --help", QT_TRANSLATE_NOOP("CommandLine", "show this help and exit")) +
        UsageLine("-v, --version", QT_TRANSLATE_NOOP("CommandLine", "show the version and exit"));
    QString qt;
    for (const QtOption& option : kQtOptions) {
        QString syntax = "-" + QString::fromLatin1(option.name.data(), option.name.size());
        if (*option.value) {
            syntax += " " + QString::fromLatin1(option.value);
        }
        qt += UsageLine(syntax, option.what);
    }
    return QCoreApplication::translate("CommandLine", "Usage: zorvane [OPTION]... [FILE]") + "\n" +
           QCoreApplication::translate(
               "CommandLine",
               "Zorvane, a colour-group puzzle game. At start it opens FILE, a saved game\n"
               "(.SAV), or else the game that was in progress when it last closed.") +
           "\n\n" + QCoreApplication::translate("CommandLine", "Options:") + "\n" + own + "\n" +
           QCoreApplication::translate("CommandLine", "Qt's usual options, with one dash or two:") +
           "\n" + qt;
}

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
    auto refuse = [&line](CommandLine::Problem problem, std::string_view named,
                          std::string_view namedToo = {}) {
        if (line.problem == CommandLine::Problem::None) {
            line.problem = problem;
            line.named = named;
            line.namedToo = namedToo;
        }
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            if (line.file.empty()) {
                line.file = arg;
            } else {
                refuse(CommandLine::Problem::SecondFile, line.file, arg);
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
                refuse(CommandLine::Problem::UnknownOption, arg);
            } else if (option->takesValue && !valueAttached && ++i >= argc) {
                refuse(CommandLine::Problem::MissingValue, arg);
            }
            line.platformNamed = line.platformNamed || (option && option->name == "platform");
        }
    }
    if (line.problem != CommandLine::Problem::None) {
        line.action = CommandLine::Action::Refuse;
    } else if (help) {
        line.action = CommandLine::Action::Help;
    } else if (version) {
        line.action = CommandLine::Action::Version;
    }
    return line;
}

int AnswerCommandLine(const CommandLine& line, int& argc, char** argv) {
    QCoreApplication app(argc, argv);
    InstallTranslations(app);
    const auto out = [](FILE* stream, const QString& text) {
        std::fputs(text.toLocal8Bit().constData(), stream);
    };
    // Names as given: the bytes of the command line, one line whatever they hold.
    const auto named = [](const std::string& text) {
        return QString::fromLocal8Bit(OneLine(text));
    };
    switch (line.action) {
        case CommandLine::Action::Help:
            out(stdout, Usage());
            return 0;
        case CommandLine::Action::Version:
            std::printf("%s\n", kProgramVersion);
            return 0;
        case CommandLine::Action::Refuse: {
            QString problem;
            switch (line.problem) {
                case CommandLine::Problem::UnknownOption:
                    problem = QCoreApplication::translate("CommandLine", "unknown option %1")
                                  .arg(named(line.named));
                    break;
                case CommandLine::Problem::MissingValue:
                    problem =
                        QCoreApplication::translate("CommandLine", "the option %1 needs a value")
                            .arg(named(line.named));
                    break;
                case CommandLine::Problem::SecondFile:
                    problem = QCoreApplication::translate("CommandLine",
                                                          "more than one file given: %1 and %2")
                                  .arg(named(line.named), named(line.namedToo));
                    break;
                case CommandLine::Problem::None:
                    break;
            }
            out(stderr, "zorvane: " +
                            QCoreApplication::translate("CommandLine", "%1 (see zorvane --help)")
                                .arg(problem) +
                            "\n");
            return 2;
        }
        case CommandLine::Action::Play:
            break;
    }
    return 0;
}

}  // namespace zorvane

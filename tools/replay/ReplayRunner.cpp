#include "tools/replay/ReplayRunner.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

#include "engine/CellText.h"
#include "engine/Game.h"
#include "persistence/OptionsFile.h"
#include "persistence/ProgramFolder.h"
#include "persistence/SettingsTable.h"
#include "tools/replay/ReplayHost.h"

namespace zorvane {

namespace {

bool ParseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

struct ScriptError {
    std::string reason;
};

class ScriptRunner {
  public:
    ScriptRunner(const ReplayOptions& options, std::istream& script, std::ostream& out)
        : script_(script),
          out_(out),
          settings_(DefaultSettings(ProgramFolder())),
          host_(out, options.playAgain, options.name),
          random_(options.seed) {
        if (!options.optionsFile.empty()) {
            // The tool opens no sound or picture file: the values are all it needs.
            ReportFileError(options.optionsFile, LoadOptions(options.optionsFile, settings_));
        }
        if (options.rows) {
            settings_.NumRowsSetting = *options.rows;
            settings_.NumRows = RunningRows(*options.rows);
        }
        if (options.startRows) {
            settings_.StartRows = *options.startRows;
        }
        if (options.randomMode) {
            settings_.RandomMode = true;
        }
        if (!options.scoresFile.empty()) {
            ReportFileError(options.scoresFile, scores_.LoadScores(options.scoresFile));
        }
        game_.emplace(settings_, host_, random_, scores_);
        game_->SetScoresPath(options.scoresFile);
        host_.AttachGame(&*game_);
        game_->StartUp();
    }

    int Run(std::ostream& err) {
        std::string line;
        int status = 0;
        while (status == 0 && !host_.Closed() && NextLine(line)) {
            try {
                Execute(line);
            } catch (const ScriptError& e) {
                err << "line " << lineNumber_ << ": " << e.reason << '\n';
                status = 2;
            }
        }
        // The end of the script is the game's quit.
        game_->SaveHighScoresAtQuit();
        return status;
    }

  private:
    // Worded as the game words it, so the game's failures read the same.
    void ReportFileError(const std::string& file, const FileResult& result) {
        const std::string text = FileErrorText(file, result);
        if (!text.empty()) {
            host_.ShowMessage("Error", text);
        }
    }

    bool NextLine(std::string& line) {
        while (std::getline(script_, line)) {
            ++lineNumber_;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            // A line of blanks is as empty as an empty one.
            const bool blank = std::all_of(line.begin(), line.end(),
                                           [](unsigned char c) { return std::isspace(c) != 0; });
            if (!blank && line[0] != '#') {
                return true;
            }
        }
        return false;
    }

    static std::vector<std::string> Words(const std::string& line) {
        std::istringstream in(line);
        std::vector<std::string> words;
        for (std::string w; in >> w;) {
            words.push_back(w);
        }
        return words;
    }

    // The rest of the line after the command word, for file names with blanks.
    static std::string Rest(const std::string& line, const std::string& command) {
        std::string rest = line.substr(line.find(command) + command.size());
        const auto first = rest.find_first_not_of(" \t");
        if (first == std::string::npos) {
            return "";
        }
        const auto last = rest.find_last_not_of(" \t");
        return rest.substr(first, last - first + 1);
    }

    static int Number(const std::vector<std::string>& words, std::size_t i) {
        int value = 0;
        if (i >= words.size()) {
            throw ScriptError{"missing argument to '" + words[0] + "'"};
        }
        if (!ParseInt(words[i], value)) {
            throw ScriptError{"'" + words[i] + "' is not a number"};
        }
        return value;
    }

    void Execute(const std::string& line) {
        const std::vector<std::string> words = Words(line);
        const std::string& command = words[0];
        Game& game = *game_;
        if (command == "board") {
            ReadBoard();
        } else if (command == "aux") {
            SetAux(words.size() > 1 ? words[1] : "");
        } else if (command == "level") {
            // Counters keep the bounds a saved game's counters are held to.
            game.SetLevel(BoundedLevel(Number(words, 1)));
            host_.SetClockInterval(SpeedForLevel(game.State().Level));
        } else if (command == "score") {
            game.ArrangeScore(Number(words, 1));
        } else if (command == "rows-done") {
            game.ArrangeRowsDone(BoundedCount(Number(words, 1)));
        } else if (command == "cleared") {
            game.ArrangeClearedCount(BoundedCount(Number(words, 1)));
        } else if (command == "click") {
            const int col = Number(words, 1);
            const int row = Number(words, 2);
            if (col < 0 || col >= kColumns || row < 0 || row >= game.NumRows()) {
                throw ScriptError{"click outside the board"};
            }
            game.Num1Click({true, row * 10 + col});
        } else if (command == "tick") {
            const int count = words.size() > 1 ? Number(words, 1) : 1;
            for (int i = 0; i < count && !host_.Closed(); ++i) {
                if (host_.ClockEnabled()) {
                    game.DXTimer1Timer();
                }
            }
        } else if (command == "pause") {
            game.BtnPauseClick();
        } else if (command == "undo") {
            game.UndoSubMenuClick();
        } else if (command == "new") {
            game.NewSubMenuClick();
        } else if (command == "save" || command == "load" || command == "save-options") {
            const std::string file = Rest(line, command);
            if (file.empty()) {
                throw ScriptError{"missing file name to '" + command + "'"};
            }
            FileCommand(command, file);
        } else if (command == "options") {
            PrintOptions();
        } else if (command == "print") {
            PrintState();
        } else {
            throw ScriptError{"unknown command '" + command + "'"};
        }
    }

    void FileCommand(const std::string& command, const std::string& file) {
        if (command == "save") {
            game_->SaveGameTo(file);
        } else if (command == "load") {
            game_->LoadGameFrom(file);
        } else {
            ReportFileError(file, SaveOptions(file, settings_));
        }
    }

    void ReadBoard() {
        Game& game = *game_;
        CellGrid board{};
        for (int row = game.NumRows() - 1; row >= 0; --row) {
            std::string text;
            if (!std::getline(script_, text)) {
                throw ScriptError{"the board ends early"};
            }
            ++lineNumber_;
            if (!text.empty() && text.back() == '\r') {
                text.pop_back();
            }
            if (text.size() != kColumns) {
                throw ScriptError{"a board row needs 10 cell characters"};
            }
            for (int col = 0; col < kColumns; ++col) {
                const auto cell = CellFromChar(text[col]);
                if (!cell) {
                    throw ScriptError{std::string("unknown cell character '") + text[col] + "'"};
                }
                board[col][row] = *cell;
            }
        }
        game.ArrangeBoard(board);
    }

    void SetAux(const std::string& text) {
        if (text.size() > kColumns) {
            throw ScriptError{"the preview strip holds at most 10 cells"};
        }
        AuxRow strip{};
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto cell = CellFromChar(text[i]);
            if (!cell) {
                throw ScriptError{std::string("unknown cell character '") + text[i] + "'"};
            }
            strip[i] = *cell;
        }
        game_->ArrangeAux(strip, static_cast<std::int32_t>(text.size()));
    }

    void PrintOptions() {
        for (const SettingRow& row : SettingsTable()) {
            out_ << row.name << ": " << SettingText(row, settings_) << '\n';
        }
    }

    void PrintState() {
        const Game& game = *game_;
        out_ << "score: " << game.State().Score << '\n'
             << "digits: " << game.State().Status.DigitText() << '\n'
             << "level: " << game.State().Level << '\n'
             << "rows-done: " << game.State().RowsDone << '\n'
             << "cleared: " << game.State().ClearedCount << '\n'
             << "board-bonus: " << game.State().BoardBonus << '\n'
             << "bonus-label: " << game.State().Status.Bonus << '\n'
             << "percent-label: " << game.State().Status.LblRows << '\n'
             << "rows-label: " << game.State().Status.LblRowsDone << '\n'
             << "progress: " << game.State().Status.PBRows << '\n'
             << "pause-button: " << game.State().Status.BtnPause << '\n'
             << "paused: " << (game.State().Paused ? "true" : "false") << '\n'
             << "clock: " << (host_.ClockEnabled() ? "running " : "stopped ")
             << host_.ClockInterval() << '\n'
             << "undo: " << (game.State().UndoAllowed ? "allowed" : "refused") << '\n'
             << "aux: ";
        for (const TCell& slot : game.State().Aux) {
            out_ << CharFromCell(slot);
        }
        out_ << ' ' << game.State().AuxCount << '\n' << "board:\n";
        for (int row = game.NumRows() - 1; row >= 0; --row) {
            for (int col = 0; col < kColumns; ++col) {
                out_ << CharFromCell(game.State().Board[col][row]);
            }
            out_ << '\n';
        }
    }

    std::istream& script_;
    std::ostream& out_;
    Settings settings_;
    ReplayHost host_;
    RandomSource random_;
    HighScoreTable scores_;
    std::optional<Game> game_;
    int lineNumber_ = 0;
};

}  // namespace

bool ParseReplayArguments(const std::vector<std::string>& args, ReplayOptions& options,
                          std::string& script, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string text;
        int number = 0;
        if (arg == "--random-mode") {
            options.randomMode = true;
        } else if (arg == "--options") {
            if (!value(options.optionsFile))
                return false;
        } else if (arg == "--scores") {
            if (!value(options.scoresFile))
                return false;
        } else if (arg == "--name") {
            if (!value(options.name))
                return false;
        } else if (arg == "--play-again") {
            if (!value(text))
                return false;
            if (text != "yes" && text != "no") {
                error = "--play-again takes yes or no";
                return false;
            }
            options.playAgain = text == "yes";
        } else if (arg == "--rows" || arg == "--start-rows" || arg == "--seed") {
            if (!value(text))
                return false;
            if (!ParseInt(text, number) || (arg == "--seed" && number < 0)) {
                error = arg + " takes a whole number";
                return false;
            }
            if (arg == "--rows") {
                options.rows = number;
            } else if (arg == "--start-rows") {
                options.startRows = number;
            } else {
                options.seed = static_cast<unsigned>(number);
            }
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            error = "unknown option " + arg;
            return false;
        } else if (script.empty()) {
            script = arg;
        } else {
            error = "only one script may be given";
            return false;
        }
    }
    return true;
}

int RunReplay(const ReplayOptions& options, std::istream& script, std::ostream& out,
              std::ostream& err) {
    ScriptRunner runner(options, script, out);
    return runner.Run(err);
}

}  // namespace zorvane

#pragma once
// A main window in a temporary program folder, with every modal window
// answered from a script and recorded.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <deque>
#include <filesystem>
#include <fstream>

#include "WindowParts.h"
#include "app/MainUnit1.h"
#include "dialogs/Name1.h"
#include "engine/CellText.h"
#include "resources/Resources.h"
#include "support/BoardRows.h"
#include "support/FakeMedia.h"

namespace zorvane::test {

class ScriptedDialogs : public DialogService {
  public:
    void Message(QWidget*, const QString& caption, const QString& text) override {
        log.push_back("message: " + caption + ": " + text);
    }
    bool Question(QWidget*, const QString& caption, const QString& text) override {
        log.push_back("question: " + caption + ": " + text);
        const bool answer = answers.empty() || answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
    QString SaveGameFileName(QWidget*, const QString& folder) override {
        log.push_back("save dialog in " + folder);
        return NextFile();
    }
    QString OpenGameFileName(QWidget*, const QString& folder) override {
        log.push_back("open dialog in " + folder);
        return NextFile();
    }
    // Shows the window (so it fills itself), lets the test act on it, and
    // closes it with `modalResult`.
    int RunModal(QDialog& dialog) override {
        log.push_back("window: " + dialog.windowTitle());
        dialog.show();
        if (auto* name = qobject_cast<TFrmName*>(&dialog); name && !typedName.isEmpty()) {
            name->findChild<QLineEdit*>("EdtName")->setText(typedName);
        }
        if (duringModal) {
            duringModal(dialog);
        }
        dialog.hide();
        return modalResult;
    }
    std::optional<QColor> ChooseColor(QWidget*, const QColor& initial) override {
        log.push_back("colour chooser at " + initial.name());
        return chosenColour;
    }
    QString ChooseSoundFile(QWidget*, const QString& folder) override {
        log.push_back("sound chooser in " + folder);
        return NextFile();
    }
    QString ChoosePicture(QWidget*, const QString& folder) override {
        log.push_back("picture chooser in " + folder);
        return NextFile();
    }
    QString ChooseFolder(QWidget*, const QString& start) override {
        log.push_back("folder chooser at " + start);
        return NextFile();
    }

    QString NextFile() {
        if (files.empty()) {
            return {};
        }
        const QString file = files.front();
        files.pop_front();
        return file;
    }

    QStringList log;
    std::deque<bool> answers;
    std::deque<QString> files;
    QString typedName;
    std::function<void(QDialog&)> duringModal;
    int modalResult = QDialog::Accepted;
    std::optional<QColor> chosenColour;
};

class AppTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { InitResources(); }

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() /
                 (std::string("zorvane-app-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        board.reset();
        std::filesystem::remove_all(folder);
    }

    void WriteFile(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    }
    std::string ProgramFolder() const { return folder.string() + "/"; }

    // Creates the window and runs its start-up, as the first activation does;
    // `file` is the saved game named on the command line.
    TMainBoard& Start(const std::string& file = {}) {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        auto fakeMedia = std::make_unique<FakeMediaService>();
        fakeMedia->unreadable = unreadableSounds;
        media = fakeMedia.get();
        board = std::make_unique<TMainBoard>(std::move(scripted), std::move(fakeMedia),
                                             ProgramFolder());
        board->OpenAtStart(file);
        board->show();
        board->FormActivate();
        return *board;
    }
    Game& game() { return *board->CurrentGame(); }

    // Rows of 10 cell characters, top row first; clears the rest of the board.
    void SetBoard(const std::vector<std::string>& rows) { game().ArrangeBoard(GridFromRows(rows)); }
    // A piece in the top row and a full strip: the tick pushes, and the game
    // is over.
    void EndTheGameWithAPush() {
        std::vector<std::string> rows(game().NumRows(), "..........");
        rows[0] = "4.........";
        SetBoard(rows);
        game().ArrangeAux(StripFromText("2222222222"), kColumns);
        game().DXTimer1Timer();
    }
    std::string BottomRow() {
        std::string text;
        for (int col = 0; col < kColumns; ++col) {
            text += CharFromCell(game().State().Board[col][0]);
        }
        return text;
    }

    std::filesystem::path folder;
    std::unique_ptr<TMainBoard> board;
    ScriptedDialogs* dialogs = nullptr;
    FakeMediaService* media = nullptr;
    std::set<std::string> unreadableSounds;
};

}  // namespace zorvane::test

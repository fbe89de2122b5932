// The commands of the menus, the shortcuts and the pause button, and the
// modal windows they open.

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "AppFixture.h"

namespace zorvane::test {
namespace {

using Commands = AppTest;

QAction* MenuItem(TMainBoard& b, const QString& caption) {
    for (QAction* action : b.findChildren<QAction*>()) {
        if (action->text() == caption) {
            return action;
        }
    }
    return nullptr;
}

TEST_F(Commands, MenuCaptionsAndShortcuts) {
    TMainBoard& b = Start();
    const std::vector<std::pair<QString, QString>> items = {
        {"&New Game", "Ctrl+N"},  {"&Undo", "Ctrl+Z"},         {"&Save Game", "Ctrl+S"},
        {"&Open Game", "Ctrl+O"}, {"&High Scores", "Ctrl+H"},  {"E&xit", ""},
        {"&Pause", "Ctrl+P"},     {"&Edit Options", "Ctrl+E"}, {"S&ave Options", ""},
        {"&Zorvane Help", "F1"},  {"&About", "Ctrl+A"}};
    for (const auto& [caption, keys] : items) {
        QAction* action = MenuItem(b, caption);
        ASSERT_NE(action, nullptr) << caption.toStdString();
        EXPECT_EQ(action->shortcut().toString(), keys) << caption.toStdString();
    }
    QStringList menus;
    for (QAction* menu : b.menuBar()->actions()) {
        menus << menu->text();
    }
    EXPECT_EQ(menus, (QStringList{"&Game", "&Options", "&Help"}));
}

TEST_F(Commands, EachShortcutRunsItsCommand) {
    TMainBoard& b = Start();
    std::vector<QUrl> opened;
    b.SetUrlOpener([&](const QUrl& url, const std::function<void()>&) { opened.push_back(url); });
    const auto logged = [this](const QString& line) {
        return [this, line] { return dialogs->log.contains(line); };
    };
    struct Shortcut {
        const char* keys;
        std::function<void()> arrange;
        std::function<bool()> ran;
    };
    const std::vector<Shortcut> shortcuts = {
        {"Ctrl+P", {}, [&] { return b.Clock().Enabled(); }},  // it starts paused
        {"Ctrl+N", [&] { game().SetLevel(5); }, [&] { return game().State().Level == 1; }},
        {"Ctrl+Z",
         [&] {
             SetBoard({"2.........", "111......."});
             game().Num1Click({true, 0});
         },
         [&] { return game().State().Score == 0 && BottomRow() == "111......."; }},
        {"Ctrl+S", {}, logged("save dialog in " + QString::fromStdString(ProgramFolder()))},
        {"Ctrl+O", {}, logged("open dialog in " + QString::fromStdString(ProgramFolder()))},
        {"Ctrl+H", {}, logged("window: High Scores")},
        {"Ctrl+E", {}, logged("window: Edit Options")},
        {"F1", {}, [&] { return !opened.empty() && opened[0].fileName() == "index.html"; }},
        {"Ctrl+A", {}, logged("window: About Zorvane!")},
    };
    for (const Shortcut& shortcut : shortcuts) {
        SCOPED_TRACE(shortcut.keys);
        dialogs->log.clear();
        if (shortcut.arrange) {
            shortcut.arrange();
        }
        ASSERT_FALSE(shortcut.ran());
        b.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
        QTest::keySequence(&b, QKeySequence(shortcut.keys));
        EXPECT_TRUE(shortcut.ran());
    }
}

TEST_F(Commands, PauseFromTheButtonTheMenuAndTheShortcut) {
    TMainBoard& b = Start();
    PauseButton(b)->click();
    EXPECT_TRUE(b.Clock().Enabled());
    EXPECT_EQ(PauseButton(b)->text(), "Pause");
    MenuItem(b, "&Pause")->trigger();
    EXPECT_FALSE(b.Clock().Enabled());
    EXPECT_EQ(PauseButton(b)->text(), "Start");
    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    QTest::keyClick(&b, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(b.Clock().Enabled());
    EXPECT_FALSE(game().State().Paused);
}

TEST_F(Commands, UndoAndNewGameFromMenuAndShortcut) {
    TMainBoard& b = Start();
    SetBoard({"2.........", "111......."});
    game().Num1Click({true, 0});
    EXPECT_EQ(game().State().Score, 30);
    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    QTest::keyClick(&b, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game().State().Score, 0);
    EXPECT_EQ(BottomRow(), "111.......");

    game().SetLevel(5);
    MenuItem(b, "&New Game")->trigger();
    EXPECT_EQ(game().State().Level, 1);
    EXPECT_EQ(PauseButton(b)->text(), "Start");
    game().SetLevel(5);
    QTest::keyClick(&b, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(game().State().Level, 1);
}

TEST_F(Commands, ModalWindowsStopTheClockAndKeepThePauseState) {
    TMainBoard& b = Start();
    bool clockDuringModal = true;
    dialogs->duringModal = [&](QDialog&) { clockDuringModal = b.Clock().Enabled(); };
    b.HighSubMenuClick();  // paused
    EXPECT_EQ(dialogs->log.back(), "window: High Scores");
    EXPECT_FALSE(b.Clock().Enabled());
    b.BtnPauseClick();  // running
    b.HighSubMenuClick();
    EXPECT_FALSE(clockDuringModal);
    EXPECT_TRUE(b.Clock().Enabled());
    // Cancelled file choosers restart a running clock too.
    b.SaveSubMenuClick();
    EXPECT_TRUE(b.Clock().Enabled());
    dialogs->answers = {false};
    b.LoadSubMenuClick();
    EXPECT_TRUE(b.Clock().Enabled());
}

TEST_F(Commands, SaveThenOpenRestoresTheBoard) {
    TMainBoard& b = Start();
    SetBoard({"A.........", "k5b.......", "1234561234"});
    game().SetScore(4321);
    const QString file = QString::fromStdString((folder / "my game.SAV").string());
    dialogs->files = {file};
    b.SaveSubMenuClick();
    EXPECT_TRUE(dialogs->log.contains("save dialog in " + QString::fromStdString(ProgramFolder())));
    EXPECT_TRUE(std::filesystem::exists(folder / "my game.SAV"));

    b.NewSubMenuClick();
    EXPECT_NE(BottomRow(), "1234561234");
    // The new game's strip fills; the opened game starts with none of it.
    game().ArrangeAux(StripFromText("123456123"), 9);
    dialogs->answers = {true};
    dialogs->files = {file};
    b.LoadSubMenuClick();
    EXPECT_EQ(game().State().AuxCount, 0);
    EXPECT_TRUE(
        dialogs->log.contains("question: Confirm: Are you sure you want to load an old game?\n"
                              "The game in progress will be ended. Continue?"));
    EXPECT_EQ(BottomRow(), "1234561234");
    EXPECT_EQ(game().State().Score, 4321);
    EXPECT_TRUE(game().State().Paused);
}

TEST_F(Commands, TheEndOfAGameAsksTheNameShowsTheTableAndOffersAnotherGame) {
    TMainBoard& b = Start();
    dialogs->typedName = "Ann";
    dialogs->answers = {true};
    game().SetScore(4600);
    EndTheGameWithAPush();
    EXPECT_EQ(dialogs->log, (QStringList{"message: Confirm: The game is over!",
                                         "window: Enter Name", "window: High Scores",
                                         "question: Confirm: Would you like to play again?"}));
    EXPECT_EQ(b.Scores().Row(1).Name, "Ann");
    // The table reached the file at once.
    std::ifstream scores(folder / "Scores.txt", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(scores)), {});
    EXPECT_NE(text.find("4600|"), std::string::npos);
    EXPECT_NE(text.find("|1|Ann\r\n"), std::string::npos) << text;
    EXPECT_EQ(game().State().Level, 1);
    EXPECT_TRUE(game().State().Paused);
}

TEST_F(Commands, ALowScoreGoesStraightToTheQuestionAndNoClosesTheWindow) {
    TMainBoard& b = Start();
    dialogs->answers = {false};
    EndTheGameWithAPush();
    EXPECT_EQ(dialogs->log, (QStringList{"message: Confirm: The game is over!",
                                         "question: Confirm: Would you like to play again?"}));
    EXPECT_FALSE(b.isVisible());
}

TEST_F(Commands, StartRowsAndSaveOptions) {
    WriteFile("Options.txt", "StartRows=4\r\n");
    TMainBoard& b = Start();
    EXPECT_TRUE(StartRowsItem(b, 4)->isChecked());
    EXPECT_FALSE(StartRowsItem(b, 3)->isChecked());
    StartRowsItem(b, 2)->trigger();
    for (int rows = 1; rows <= 5; ++rows) {
        EXPECT_EQ(StartRowsItem(b, rows)->isChecked(), rows == 2) << rows;
    }
    EXPECT_EQ(b.GameSettings().StartRows, 2);
    b.NewSubMenuClick();
    EXPECT_EQ(BottomRow().find('.'), std::string::npos);
    EXPECT_FALSE(IsOccupied(game().State().Board[0][2]));

    MenuItem(b, "S&ave Options")->trigger();
    std::ifstream options(folder / "Options.txt", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(options)), {});
    EXPECT_NE(text.find("\r\nStartRows=2\r\n"), std::string::npos) << text;

    // A folder that cannot be written: a message, and the game goes on.
    std::filesystem::remove(folder / "Options.txt");
    std::filesystem::create_directories(folder / "Options.txt" / "blocked");
    MenuItem(b, "S&ave Options")->trigger();
    EXPECT_TRUE(dialogs->log.back().startsWith("message: Error: "))
        << dialogs->log.back().toStdString();
}

}  // namespace
}  // namespace zorvane::test

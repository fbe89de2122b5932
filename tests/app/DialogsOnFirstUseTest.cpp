// The main window builds none of its dialogs before they are needed: each
// appears on its first use, as a window of its own owned by the main window,
// and shows what it would have shown had it been there from the start.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "AppFixture.h"
#include "options/Options1.h"
#include "options/PathText.h"

namespace zorvane::test {
namespace {

using DialogsOnFirstUse = AppTest;

// Presses a shortcut on the active main window, as the player does.
void Press(TMainBoard& b, const char* keys) {
    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    QTest::keySequence(&b, QKeySequence(keys));
}

TEST_F(DialogsOnFirstUse, EachDialogIsBuiltWhenThePlayerFirstNeedsIt) {
    TMainBoard& b = Start();
    EXPECT_TRUE(b.findChildren<QDialog*>().isEmpty());

    const std::vector<std::pair<const char*, QString>> commands = {
        {"Ctrl+E", "Edit Options"}, {"Ctrl+H", "High Scores"}, {"Ctrl+A", "About Zorvane!"}};
    QList<QDialog*> built;
    for (const auto& [keys, title] : commands) {
        SCOPED_TRACE(keys);
        QDialog* shown = nullptr;
        dialogs->duringModal = [&](QDialog& dialog) {
            shown = &dialog;
            EXPECT_TRUE(dialog.isVisible());
        };
        Press(b, keys);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->windowTitle(), title);
        EXPECT_EQ(shown->parentWidget(), &b);
        EXPECT_TRUE(shown->isWindow());
        EXPECT_FALSE(built.contains(shown));
        built.push_back(shown);
        EXPECT_EQ(b.findChildren<QDialog*>().size(), built.size());
    }
    // Opened again, each is the one built the first time.
    for (const auto& [keys, title] : commands) {
        SCOPED_TRACE(keys);
        dialogs->duringModal = [&, title = title](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), title);
            EXPECT_TRUE(built.contains(&dialog));
        };
        Press(b, keys);
    }
    EXPECT_EQ(b.findChildren<QDialog*>().size(), built.size());

    // The name dialog waits for a high score.
    dialogs->duringModal = nullptr;
    dialogs->typedName = "Ann";
    game().SetScore(4600);
    EndTheGameWithAPush();
    EXPECT_TRUE(dialogs->log.contains("window: Enter Name"));
    EXPECT_EQ(b.Scores().Row(1).Name, "Ann");
    EXPECT_EQ(b.findChildren<QDialog*>().size(), built.size() + 1);
}

TEST_F(DialogsOnFirstUse, TheOptionsDialogShowsTheSettingsAndTheSongOpenedBeforeIt) {
    std::filesystem::create_directories(folder / "Songs");
    WriteFile("Songs/first.mid", "x");
    WriteFile("Songs/second.mid", "x");
    WriteFile("Options.txt",
              "StartRows=5\r\nSymbols=TRUE\r\nPlayMusic=TRUE\r\nCycleMusic=TRUE\r\n"
              "MusicFolder=" +
                  (folder / "Songs").string() + "\r\n");
    TMainBoard& b = Start();
    const auto lastSongOpened = [this] {
        std::string song;
        for (const std::string& line : media->log) {
            if (line.starts_with("music open ")) {
                song = line.substr(std::string("music open ").size());
            }
        }
        return song;
    };
    // The start-up opened a song while no options dialog existed.
    const std::string before = lastSongOpened();
    ASSERT_FALSE(before.empty());
    ASSERT_TRUE(b.findChildren<TFrmOptions*>().isEmpty());

    bool shown = false;
    dialogs->duringModal = [&](QDialog& dialog) {
        auto* options = qobject_cast<TFrmOptions*>(&dialog);
        ASSERT_NE(options, nullptr);
        shown = true;
        EXPECT_EQ(options->SEStartRows->value(), 5);
        EXPECT_TRUE(options->CBSymbols->isChecked());
        EXPECT_FALSE(options->CBMuteBackground->isChecked());
        EXPECT_EQ(options->CBMusicType->currentIndex(), 1);
        EXPECT_EQ(PathText(*options->EdBackground), (folder / "Songs").string());
        EXPECT_EQ(PathText(*options->EdSingleSong), before);
    };
    dialogs->modalResult = QDialog::Rejected;
    Press(b, "Ctrl+E");
    ASSERT_TRUE(shown);

    // The song ends at once: the player moves on to the other one, and the
    // dialog, built now, follows it.
    media->Player(4).Finish();
    media->Player(4).Notify();
    const std::string after = lastSongOpened();
    ASSERT_NE(after, before);
    EXPECT_EQ(PathText(*b.OptionsWindow().EdSingleSong), after);
    EXPECT_EQ(b.findChildren<TFrmOptions*>().size(), 1);
}

}  // namespace
}  // namespace zorvane::test

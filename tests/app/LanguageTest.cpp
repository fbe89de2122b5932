// The game in the player's language. This program runs once per language,
// with the desktop's locale set (see CMakeLists.txt): ZORVANE_TEST_LANGUAGE
// names the language the run expects ("C" for English). The run under C
// reads back the files the German run wrote.

#include <QAction>
#include <QCheckBox>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "AppFixture.h"
#include "app/MessageWords.h"
#include "app/StatusWords.h"
#include "app/Translations.h"
#include "components/ReasonWords.h"
#include "options/Options1.h"
#include "persistence/FileReasons.h"

namespace zorvane::test {
namespace {

QString ExpectedLanguage() {
    return qEnvironmentVariable("ZORVANE_TEST_LANGUAGE", "C");
}

bool English() {
    return ExpectedLanguage() == "C";
}

// A few captions agreed for each language.
struct Words {
    QStringList menus;
    QString newGame;
    QString confirm;
    QString options;
    QString animations;
};

Words Expected() {
    const QString language = ExpectedLanguage();
    if (language == "de") {
        return {{"&Spiel", "&Optionen", "&Hilfe"},
                "&Neues Spiel",
                "Bestätigen",
                "Optionen bearbeiten",
                "Animationen"};
    }
    if (language == "fr") {
        return {{"&Partie", "&Options", "&Aide"},
                "&Nouvelle partie",
                "Confirmation",
                "Modifier les options",
                "Animations"};
    }
    if (language == "es") {
        return {{"&Juego", "&Opciones", "&Ayuda"},
                "&Nuevo juego",
                "Confirmar",
                "Editar opciones",
                "Animaciones"};
    }
    return {{"&Game", "&Options", "&Help"}, "&New Game", "Confirm", "Edit Options", "Animations"};
}

class InLanguage : public AppTest {
  protected:
    static void SetUpTestSuite() {
        AppTest::SetUpTestSuite();
        static const QString chosen = InstallTranslations(*QCoreApplication::instance());
        language = chosen;
    }
    static QString language;
};
QString InLanguage::language;

TEST_F(InLanguage, TheDesktopsLanguageIsChosen) {
    EXPECT_EQ(language, English() ? QString() : ExpectedLanguage());
    // Qt's own buttons come in the same language.
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    EXPECT_EQ(yes == "&Yes", English()) << yes.toStdString();
}

TEST_F(InLanguage, MenusMessagesAndTheOptionsDialogSpeakIt) {
    const Words words = Expected();
    TMainBoard& b = Start();
    QStringList menus;
    for (QAction* menu : b.menuBar()->actions()) {
        menus << menu->text();
    }
    EXPECT_EQ(menus, words.menus);
    EXPECT_EQ(b.menuBar()->actions()[0]->menu()->actions()[0]->text(), words.newGame);

    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    // Open Game asks first; the answer No leaves it there.
    dialogs->answers = {false};
    QTest::keyClick(&b, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialogs->log.size(), 1);
    EXPECT_TRUE(dialogs->log[0].startsWith("question: " + words.confirm + ": "))
        << dialogs->log[0].toStdString();
    EXPECT_EQ(dialogs->log[0].contains("Are you sure"), English());

    QStringList tabs;
    QString animations;
    dialogs->duringModal = [&](QDialog& dialog) {
        auto& options = static_cast<TFrmOptions&>(dialog);
        for (int i = 0; i < options.PageControl->count(); ++i) {
            tabs << options.PageControl->tabText(i);
        }
        animations = options.CBAnimations->text();
    };
    dialogs->modalResult = QDialog::Rejected;
    QTest::keyClick(&b, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(dialogs->log.last(), "window: " + words.options);
    EXPECT_EQ(animations, words.animations);
    EXPECT_EQ(tabs.contains("Pieces"), English()) << tabs.join(' ').toStdString();
    EXPECT_EQ(tabs.size(), 5);
}

// The window words every message the engine names: under C exactly as the
// engine's English, in another language none of them in English.
TEST_F(InLanguage, EveryMessageOfTheEngineIsWordedInIt) {
    const std::string reason = std::string("/tmp/Scores.txt.lock: ") + kLockedByOther + kSavedLater;
    const std::vector<std::string> sample = {"3", reason, "5000 by Ann, level 3, 01/02/26"};
    for (const MessageKind kind : kMessageKinds) {
        const GameMessage message{kind, sample};
        SCOPED_TRACE(EnglishText(message));
        const QString caption = MessageWords::Caption(kind);
        const QString text = MessageWords::Text(message);
        if (English()) {
            EXPECT_EQ(caption.toStdString(), EnglishCaption(kind));
            EXPECT_EQ(text.toStdString(), EnglishText(message));
        } else {
            EXPECT_NE(text.toStdString(), EnglishText(message));
        }
    }

    const std::vector<std::string> reasons = {kNotRegularFile,
                                              kBadFileName,
                                              kNoSavedGame,
                                              kCannotReplace,
                                              reason,
                                              kNoSongPlays,
                                              kSongEndedAtOnce,
                                              TooLargeText(3 << 20, 1 << 20),
                                              std::string("a/b: ") + kNotRegularFile + kLeftAlone,
                                              FolderNotMadeText("/x/y", "Permission denied")};
    for (const std::string& english : reasons) {
        const QString worded = ReasonWords::Reason(english);
        EXPECT_EQ(worded.toStdString() == english, English()) << english;
    }
    // The C library's texts are left as they are.
    EXPECT_EQ(ReasonWords::Reason("/a: No such file or directory"),
              "/a: No such file or directory");

    StatusPanel status;
    status.ShowLevel(7);
    status.ShowBonus(12000);
    status.ShowProgress(58, 23);
    const std::pair<QString, std::string> captions[] = {
        {StatusWords::Level(status), status.LevelLabel},
        {StatusWords::Bonus(status), status.Bonus},
        {StatusWords::Percent(status), status.LblRows},
        {StatusWords::RowsDone(status), status.LblRowsDone},
        {StatusWords::PauseButton(status), status.BtnPause}};
    for (const auto& [worded, english] : captions) {
        // German says "Bonus" and "Pause" too.
        const bool same = English() || english == "Bonus: 12000" || english == "Pause";
        if (English() || ExpectedLanguage() == "de") {
            EXPECT_EQ(worded.toStdString() == english, same) << english;
        }
    }
}

// What the German run wrote, read back here under C: the same settings,
// scores and game, and written again byte for byte.
std::string Summary(TMainBoard& b, Game& game) {
    std::ostringstream out;
    out << "start rows " << b.GameSettings().StartRows << '\n';
    for (int i = 0; i < HighScoreTable::kRows; ++i) {
        const ScoreRow& row = b.Scores().Row(i);
        out << row.Score << '|' << row.Date << '|' << row.Level << '|' << row.Name << '\n';
    }
    out << "score " << game.State().Score << " level " << game.State().Level << '\n';
    for (int row = game.NumRows() - 1; row >= 0; --row) {
        for (int col = 0; col < kColumns; ++col) {
            out << CharFromCell(game.State().Board[col][row]);
        }
        out << '\n';
    }
    return out.str();
}

std::string Bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(InLanguage, FilesWrittenInGermanReadBackTheSameUnderC) {
    const std::filesystem::path shared =
        qEnvironmentVariable("ZORVANE_TEST_LANGUAGE_FILES").toStdString();
    if (shared.empty() || (ExpectedLanguage() != "de" && !English())) {
        GTEST_SKIP() << "the German run writes, the run under C reads";
    }
    const std::vector<std::string> files = {"Options.txt", "Scores.txt", "Game.SAV"};
    const QString saved = QString::fromStdString((folder / "Game.SAV").string());
    if (!English()) {
        std::filesystem::remove_all(shared);
        std::filesystem::create_directories(shared);
        TMainBoard& b = Start();
        b.StartRowsClick(4);
        b.SaveOptions1Click();
        dialogs->typedName = "Jürgen Ölçer";
        game().SetScore(4600);
        EndTheGameWithAPush();
        SetBoard({"..........", "3.........", "1a2....k.A"});
        game().SetScore(4321);
        dialogs->files = {saved, saved};
        b.SaveSubMenuClick();
        b.LoadSubMenuClick();
        for (const std::string& file : files) {
            std::filesystem::copy_file(folder / file, shared / file);
        }
        std::ofstream(shared / "summary.txt", std::ios::binary) << Summary(b, game());
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(shared / "summary.txt"));
    std::filesystem::copy_file(shared / "Options.txt", folder / "Options.txt");
    std::filesystem::copy_file(shared / "Scores.txt", folder / "Scores.txt");
    TMainBoard& b = Start();
    dialogs->files = {QString::fromStdString((shared / "Game.SAV").string()), saved};
    b.LoadSubMenuClick();
    EXPECT_EQ(Summary(b, game()), Bytes(shared / "summary.txt"));
    EXPECT_NE(Bytes(shared / "Scores.txt").find("Jürgen Ölçer"), std::string::npos);

    b.SaveOptions1Click();
    game().SaveHighScores();
    b.SaveSubMenuClick();
    for (const std::string& file : files) {
        EXPECT_EQ(Bytes(folder / file), Bytes(shared / file)) << file;
    }
}

}  // namespace
}  // namespace zorvane::test

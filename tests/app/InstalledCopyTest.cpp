// An installed copy keeps the player's files in the player's home: what the
// player saves goes there, survives a restart, and nothing is written beside
// the program.

#include <QAction>
#include <QFontDatabase>

#include "AppFixture.h"
#include "persistence/PlayerFiles.h"

namespace zorvane::test {
namespace {

class InstalledCopy : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        home = folder.string() + "-home";
        std::filesystem::remove_all(home);
        std::filesystem::create_directories(home);
        // Fontconfig reads its own settings once, from the real home; under
        // a home without them it leaks a little.
        QFontDatabase::families();
        PointHome("XDG_CONFIG_HOME", home / "config");
        PointHome("XDG_DATA_HOME", home / "data");
        WriteFile(kInstalledMarker, "");
    }
    void TearDown() override {
        AppTest::TearDown();
        for (const auto& [name, value] : savedEnvironment) {
            if (value) {
                qputenv(name, *value);
            } else {
                qunsetenv(name);
            }
        }
        std::filesystem::remove_all(home);
    }

    void PointHome(const char* name, const std::filesystem::path& path) {
        savedEnvironment.emplace_back(
            name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        qputenv(name, QByteArray::fromStdString(path.string()));
    }

    std::set<std::string> ProgramFolderListing() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            names.insert(entry.path().lexically_relative(folder).string());
        }
        return names;
    }

    static std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    void SaveOptions(TMainBoard& b) {
        for (QAction* action : b.findChildren<QAction*>()) {
            if (action->text() == "S&ave Options") {
                action->trigger();
            }
        }
    }

    std::filesystem::path home;
    std::vector<std::pair<const char*, std::optional<QByteArray>>> savedEnvironment;
};

TEST_F(InstalledCopy, WritesIntoThePlayersHomeAndReadsItBackAfterARestart) {
    // Defaults a packager ships beside the program.
    WriteFile("Options.txt", "StartRows=4\r\n");
    const std::set<std::string> shipped = ProgramFolderListing();

    TMainBoard& b = Start();
    EXPECT_TRUE(StartRowsItem(b, 4)->isChecked());
    StartRowsItem(b, 2)->trigger();
    SaveOptions(b);

    // A new high score at the end of a game.
    dialogs->typedName = "Ann";
    dialogs->answers = {true};
    game().SetScore(4600);
    EndTheGameWithAPush();
    ASSERT_EQ(b.Scores().Row(1).Name, "Ann");

    const QString data = QString::fromStdString((home / "data" / "zorvane").string() + "/");
    b.SaveSubMenuClick();
    EXPECT_TRUE(dialogs->log.contains("save dialog in " + data))
        << dialogs->log.join('\n').toStdString();
    for (const QString& line : dialogs->log) {
        EXPECT_FALSE(line.startsWith("message: Error")) << line.toStdString();
    }

    EXPECT_NE(Read(home / "config" / "zorvane" / "Options.txt").find("\r\nStartRows=2\r\n"),
              std::string::npos);
    EXPECT_NE(Read(home / "data" / "zorvane" / "Scores.txt").find("|1|Ann\r\n"), std::string::npos);
    EXPECT_EQ(ProgramFolderListing(), shipped);
    EXPECT_EQ(Read(folder / "Options.txt"), "StartRows=4\r\n");

    // The next start reads the player's files, not the shipped ones.
    board.reset();
    TMainBoard& again = Start();
    EXPECT_TRUE(StartRowsItem(again, 2)->isChecked());
    EXPECT_EQ(again.Scores().Row(1).Name, "Ann");
}

TEST_F(InstalledCopy, AFolderThatCannotBeMadeGivesOneMessageAndTheGameGoesOn) {
    std::ofstream(home / "taken") << "a file, not a folder";
    PointHome("XDG_CONFIG_HOME", home / "taken");
    TMainBoard& b = Start();
    SaveOptions(b);
    ASSERT_EQ(dialogs->log.size(), 1);
    // Long paths are shortened in the box, so look for the parts that matter.
    const std::string message = dialogs->log[0].toStdString();
    EXPECT_TRUE(message.starts_with("message: Error: ")) << message;
    EXPECT_NE(message.find("Options.txt"), std::string::npos) << message;
    EXPECT_NE(message.find("Cannot create the folder"), std::string::npos) << message;
    EXPECT_TRUE(message.ends_with("zorvane (Not a directory)")) << message;
    EXPECT_TRUE(b.CurrentGame() != nullptr);
    EXPECT_EQ(ProgramFolderListing(), (std::set<std::string>{kInstalledMarker}));
}

}  // namespace
}  // namespace zorvane::test

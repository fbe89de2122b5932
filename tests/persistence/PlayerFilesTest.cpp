#include "persistence/PlayerFiles.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <set>

#include "persistence/PlayerHomes.h"

#include "TempFolder.h"

namespace zorvane {
namespace {

const std::string kProgram = "/usr/lib/zorvane/";
const PlayerHomes kHomes{"/home/ann/.config/zorvane/", "/home/ann/.local/share/zorvane/",
                         "/home/ann/.local/state/zorvane/"};
const std::string kOwnOptions = kHomes.config + "Options.txt";
const std::string kOwnScores = kHomes.data + "Scores.txt";
const std::string kShippedOptions = kProgram + "Options.txt";
const std::string kShippedScores = kProgram + "Scores.txt";

TEST(PlayerFiles, EachCopyReadsAndWritesWhereItsPlayerExpects) {
    struct Case {
        const char* what;
        bool installed;
        bool programFolderWritable;
        std::set<std::string> present;
        std::string optionsRead, optionsWrite, scoresRead, scoresWrite, games;
    };
    const Case cases[] = {
        {"not installed: beside the program, whatever the home holds",
         false,
         true,
         {kOwnOptions, kOwnScores},
         kShippedOptions,
         kShippedOptions,
         kShippedScores,
         kShippedScores,
         kProgram},
        {"installed, nothing anywhere: nothing to read, write the player's",
         true,
         true,
         {},
         kShippedOptions,
         kOwnOptions,
         kShippedScores,
         kOwnScores,
         kHomes.data},
        {"installed, shipped defaults only: read them, write the player's",
         true,
         true,
         {kShippedOptions, kShippedScores},
         kShippedOptions,
         kOwnOptions,
         kShippedScores,
         kOwnScores,
         kHomes.data},
        {"installed, the player's own files win over the shipped ones",
         true,
         true,
         {kShippedOptions, kShippedScores, kOwnOptions, kOwnScores},
         kOwnOptions,
         kOwnOptions,
         kOwnScores,
         kOwnScores,
         kHomes.data},
        {"installed, each file chosen on its own",
         true,
         true,
         {kShippedOptions, kOwnScores},
         kShippedOptions,
         kOwnOptions,
         kOwnScores,
         kOwnScores,
         kHomes.data},
        {"read-only folder: the player's folders, shipped files still read",
         false,
         false,
         {kShippedOptions, kShippedScores},
         kShippedOptions,
         kOwnOptions,
         kShippedScores,
         kOwnScores,
         kHomes.data},
        {"read-only folder, the player's own files",
         false,
         false,
         {kShippedOptions, kOwnOptions, kOwnScores},
         kOwnOptions,
         kOwnOptions,
         kOwnScores,
         kOwnScores,
         kHomes.data},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::set<std::string> probed;
        const PlayerFiles files(
            kProgram, c.installed, kHomes,
            [&](const std::string& folder) {
                probed.insert(folder);
                return c.programFolderWritable;
            },
            [&](const std::string& file) { return c.present.count(file) > 0; });
        EXPECT_EQ(files.OptionsToRead(), c.optionsRead);
        EXPECT_EQ(files.OptionsToWrite(), c.optionsWrite);
        EXPECT_EQ(files.ScoresToRead(), c.scoresRead);
        EXPECT_EQ(files.ScoresToWrite(), c.scoresWrite);
        EXPECT_EQ(files.GamesFolder(), c.games);
        // The game left at the last close lives beside the scores written.
        const std::string scoresFolder = c.scoresWrite.substr(0, c.scoresWrite.rfind('/') + 1);
        EXPECT_EQ(files.ResumeFile(), scoresFolder + "Resume.SAV");
        EXPECT_EQ(files.DamagedResumeFile(), scoresFolder + "Resume-damaged.SAV");
        if (!c.installed) {
            EXPECT_EQ(probed, std::set<std::string>{kProgram});
        }
    }
}

TEST(PlayerFiles, TheMarkerBesideTheProgramMakesAnInstalledCopy) {
    test::TempFolder folder;
    const std::string program = folder.Path().string() + "/";
    EXPECT_FALSE(IsInstalledCopy(program));
    test::WriteBytes(folder.File(kInstalledMarker), "");
    EXPECT_TRUE(IsInstalledCopy(program));
    // The real probes: a writable folder that is installed still sends the files home.
    EXPECT_EQ(PlayerFiles(program, true, kHomes).OptionsToWrite(), kOwnOptions);
    EXPECT_EQ(PlayerFiles(program, false, kHomes).OptionsToWrite(), program + "Options.txt");
}

// Sets environment variables for one test and puts them back after it.
class Environment {
  public:
    ~Environment() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                ::setenv(name.c_str(), value->c_str(), 1);
            } else {
                ::unsetenv(name.c_str());
            }
        }
    }
    void Set(const std::string& name, const char* value) {
        const char* old = std::getenv(name.c_str());
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value) {
            ::setenv(name.c_str(), value, 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }

  private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// A service, root's shell or a broken login may have no HOME: the user
// database names the home, and a relative XDG folder counts for nothing.
// Without any home an installed copy writes nothing at all.
TEST(PlayerFiles, HomesNeverFallBackToTheRootOrTheCurrentFolder) {
    const passwd* user = ::getpwuid(::getuid());
    ASSERT_NE(user, nullptr);
    const std::string home = user->pw_dir;
    if (!std::filesystem::is_directory(home) || home == "/") {
        GTEST_SKIP() << "this user has no home folder";
    }
    Environment environment;
    environment.Set("XDG_CONFIG_HOME", "relative/config");
    environment.Set("XDG_DATA_HOME", "/srv/data/");
    for (const char* unset : {static_cast<const char*>(nullptr), "", "/", "/no/such/home"}) {
        SCOPED_TRACE(unset ? unset : "unset");
        environment.Set("HOME", unset);
        EXPECT_EQ(PlayerHome(), home);
        const PlayerHomes homes = StandardPlayerHomes();
        EXPECT_EQ(homes.config, home + "/.config/zorvane/");
        EXPECT_EQ(homes.data, "/srv/data/zorvane/");
    }

    const PlayerFiles homeless(kProgram, true, {"", "", ""});
    EXPECT_TRUE(homeless.Homeless());
    EXPECT_EQ(homeless.OptionsToWrite(), "");
    EXPECT_EQ(homeless.ScoresToWrite(), "");
    EXPECT_EQ(homeless.ResumeFile(), "");
    EXPECT_EQ(homeless.ScoresToRead(), kShippedScores);
}

TEST(PlayerFiles, FoldersAreMadeWithTheirParentsForTheOwnerOnly) {
    test::TempFolder folder;
    const std::string file = folder.File("home/.local/share/zorvane/Scores.txt");
    ASSERT_TRUE(CreateFolderFor(file).ok);
    struct stat info {};
    ASSERT_EQ(::stat(folder.File("home/.local/share/zorvane").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat(folder.File("home").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_TRUE(CreateFolderFor(file).ok);  // there already

    // A file where a folder should be: the reason names the folder.
    test::WriteBytes(folder.File("blocked"), "");
    const FileResult result = CreateFolderFor(folder.File("blocked/zorvane/Options.txt"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason,
              "Cannot create the folder " + folder.File("blocked/zorvane") + " (Not a directory)");
}

}  // namespace
}  // namespace zorvane

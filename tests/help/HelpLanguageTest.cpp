// Which language's page the help commands open, on the pages laid beside the
// built program.

#include "help/HelpLanguage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "help/HelpLinks.h"

namespace zorvane {
namespace {

const std::string kProgramFolder = ZORVANE_BIN_DIR "/";

std::string PageFor(const QStringList& languages, const QString& page = kHelpIndexPage) {
    return HelpPageInLanguage(kProgramFolder, page, languages).toStdString();
}

TEST(HelpLanguage, TheDesktopsLanguageWhenTheHelpHasIt) {
    EXPECT_EQ(PageFor({"de-AT"}), "Help/de/index.html");
    EXPECT_EQ(PageFor({"de_DE", "en-US"}), "Help/de/index.html");
    EXPECT_EQ(PageFor({"fr-CA", "fr"}), "Help/fr/index.html");
    EXPECT_EQ(PageFor({"es-MX"}, kRandomModePage), "Help/es/randommode.html");
    EXPECT_EQ(PageFor({"ES"}, "Help/about.html"), "Help/es/about.html");
    // A language the help lacks gives way to the next one the player reads.
    EXPECT_EQ(PageFor({"it-IT", "fr-FR"}), "Help/fr/index.html");
}

TEST(HelpLanguage, EnglishOtherwise) {
    EXPECT_EQ(PageFor({"C"}), "Help/index.html");
    EXPECT_EQ(PageFor({}), "Help/index.html");
    EXPECT_EQ(PageFor({"pt-BR", "ja"}), "Help/index.html");
    // English before German: the player prefers English.
    EXPECT_EQ(PageFor({"en-GB", "de-DE"}), "Help/index.html");
    // Nothing from the environment reaches the path but a language code.
    EXPECT_EQ(PageFor({"../de", "images", "de/.."}, "Help/B1.png"), "Help/B1.png");

    // A page not (yet) translated opens in English, the others translated.
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath("Help/de"));
    QFile page(folder.filePath("Help/de/index.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    const std::string other = folder.path().toStdString();
    EXPECT_EQ(HelpPageInLanguage(other, kHelpIndexPage, {"de"}).toStdString(),
              "Help/de/index.html");
    EXPECT_EQ(HelpPageInLanguage(other, kRandomModePage, {"de"}).toStdString(),
              "Help/randommode.html");
}

}  // namespace
}  // namespace zorvane

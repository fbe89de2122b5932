#include <gtest/gtest.h>

#include <QDir>
#include <set>

#include "help/HelpLinks.h"
#include "help/WebLinks.h"

namespace zorvane {
namespace {

TEST(HelpPageUrl, FolderWithBlanksNamesExactlyThatFile) {
    const QUrl url = HelpPageUrl("/home/player/My Games/Zorvane 1.0/", kHelpIndexPage);
    ASSERT_TRUE(url.isValid());
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile(), "/home/player/My Games/Zorvane 1.0/Help/index.html");
    // The browser is handed one address, with the blanks escaped.
    EXPECT_EQ(url.toString(QUrl::FullyEncoded),
              "file:///home/player/My%20Games/Zorvane%201.0/Help/index.html");
}

TEST(HelpPageUrl, FolderNamesOutsideAsciiAndSpecialCharacters) {
    const QUrl url = HelpPageUrl("/home/jos\xC3\xA9/50% #1 games/", kRandomModePage);
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile(),
              QString::fromUtf8("/home/jos\xC3\xA9/50% #1 games/Help/randommode.html"));
    EXPECT_TRUE(url.fragment().isEmpty());
}

TEST(HelpPageUrl, AddsTheMissingSeparatorAndResolvesARelativeFolder) {
    EXPECT_EQ(HelpPageUrl("/opt/zorvane", kHelpIndexPage).toLocalFile(),
              "/opt/zorvane/Help/index.html");
    EXPECT_EQ(HelpPageUrl("", kHelpIndexPage).toLocalFile(),
              QDir::current().absoluteFilePath("Help/index.html"));
}

TEST(WebLinks, HomePageIsTheAboutPageBesideTheProgram) {
    const QUrl url = HomePageUrl("/opt/my zorvane/");
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile(), "/opt/my zorvane/Help/about.html");
}

TEST(WebLinks, WebAddressesStayWebAddresses) {
    const QUrl url = LinkUrl("/opt/zorvane/", "https://zorvane.example/games/");
    EXPECT_FALSE(url.isLocalFile());
    EXPECT_EQ(url.toString(), "https://zorvane.example/games/");
    EXPECT_FALSE(LinkUrl("/opt/zorvane/", "HTTP://zorvane.example/").isLocalFile());
}

TEST(WebLinks, FourDistinctSecureMusicPages) {
    std::set<QString> seen;
    for (int n = 1; n <= 4; ++n) {
        const QUrl url = MusicDownloadUrl(n);
        SCOPED_TRACE(n);
        ASSERT_TRUE(url.isValid()) << url.errorString().toStdString();
        EXPECT_EQ(url.scheme(), "https");
        EXPECT_FALSE(url.host().isEmpty());
        seen.insert(url.toString());
    }
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_TRUE(MusicDownloadUrl(0).isEmpty());
    EXPECT_TRUE(MusicDownloadUrl(5).isEmpty());
}

}  // namespace
}  // namespace zorvane

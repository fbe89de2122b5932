#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>
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

// A shell script standing in for xdg-open.
QString WriteLauncher(const QTemporaryDir& dir, const QString& name, const QByteArray& body) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body);
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// xdg-open starts whether or not there is a browser; only its exit status
// tells a page that opened from one that did not.
TEST(DesktopOpener, ReportsALauncherThatIsMissingOrGivesUpAndNoOther) {
    QTemporaryDir dir;
    const QString opens = WriteLauncher(dir, "opens", "printf '%s' \"$1\" > \"$0.asked\"\n");
    const QString givesUp = WriteLauncher(dir, "gives-up", "exit 3\n");
    const QUrl page = HelpPageUrl("/opt/my zorvane/", kHelpIndexPage);
    QObject owner;
    int opensFailed = 0;
    int givesUpFailed = 0;
    DesktopOpener(&owner, opens)(page, [&] { ++opensFailed; });
    DesktopOpener(&owner, givesUp)(page, [&] { ++givesUpFailed; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return owner.findChildren<QProcess*>().isEmpty(); }));
    QCoreApplication::processEvents();  // the reports come through the event loop
    EXPECT_EQ(opensFailed, 0);
    EXPECT_EQ(givesUpFailed, 1);
    EXPECT_EQ(Contents(opens + ".asked"), "file:///opt/my%20zorvane/Help/index.html");

    int missingFailed = 0;
    DesktopOpener(&owner, dir.filePath("no-such-launcher"))(page, [&] { ++missingFailed; });
    EXPECT_EQ(missingFailed, 1);
}

// The launcher may wait for the browser it started until the player closes
// it; the game may be closed first.
TEST(DesktopOpener, AnOwnerThatGoesStopsTheLauncherQuietlyAndLeavesItsBrowserOpen) {
    QTemporaryDir dir;
    const QString waits =
        WriteLauncher(dir, "waits", "sleep 60 &\necho $! > \"$0.pid\"\nwait\nexit 3\n");
    auto owner = std::make_unique<QWidget>();
    bool failed = false;
    DesktopOpener(owner.get(), waits)(QUrl("https://zorvane.example/"), [&] { failed = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return Contents(waits + ".pid").endsWith('\n'); }));
    const pid_t browser = Contents(waits + ".pid").trimmed().toInt();
    ASSERT_GT(browser, 0);

    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    QElapsedTimer timer;
    timer.start();
    owner.reset();
    qInstallMessageHandler(previous);
    EXPECT_LT(timer.elapsed(), 5000);
    QTest::qWait(50);
    EXPECT_FALSE(failed);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    // Alive, not a zombie: a killed orphan may stay unreaped.
    const QByteArray stat = Contents(QString("/proc/%1/stat").arg(browser));
    const qsizetype state = stat.lastIndexOf(')') + 2;
    ASSERT_GT(state, 1) << "the browser is gone";
    EXPECT_NE(stat.at(state), 'Z') << stat.toStdString();
    kill(browser, SIGTERM);
}

}  // namespace
}  // namespace zorvane

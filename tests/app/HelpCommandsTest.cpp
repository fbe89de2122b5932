// Help, the about box and the web links: what they open, and that the game
// clock keeps its state.

#include <QLabel>
#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "AppFixture.h"
#include "help/HelpLinks.h"
#include "help/HelpWindow.h"
#include "help/WebLinks.h"
#include "options/Options1.h"

namespace zorvane::test {
namespace {

class HelpCommands : public AppTest {
  protected:
    TMainBoard& StartWithOpener() {
        TMainBoard& b = Start();
        b.SetUrlOpener([this](const QUrl& url, const std::function<void()>& failed) {
            opened.push_back(url);
            if (!desktopOpens) {
                failed();
            }
        });
        return b;
    }
    std::vector<QUrl> opened;
    bool desktopOpens = true;
};

TEST_F(HelpCommands, HelpOpensTheIndexAndKeepsTheClockState) {
    TMainBoard& b = StartWithOpener();
    b.HelpMenuClick();  // paused
    EXPECT_FALSE(b.Clock().Enabled());
    b.BtnPauseClick();
    b.HelpMenuClick();  // running: restarted at once
    EXPECT_TRUE(b.Clock().Enabled());
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].toLocalFile().toStdString(), ProgramFolder() + "Help/index.html");
}

TEST_F(HelpCommands, TheAboutBoxStopsTheClockWhileShown) {
    TMainBoard& b = StartWithOpener();
    b.BtnPauseClick();
    bool clockWhileShown = true;
    dialogs->duringModal = [&](QDialog&) { clockWhileShown = b.Clock().Enabled(); };
    b.AboutSubMenuClick();
    EXPECT_EQ(dialogs->log.back(), "window: About Zorvane!");
    EXPECT_FALSE(clockWhileShown);
    EXPECT_TRUE(b.Clock().Enabled());
    b.BtnPauseClick();
    b.AboutSubMenuClick();
    EXPECT_FALSE(b.Clock().Enabled());
}

TEST_F(HelpCommands, TheLogoAndTheOptionsLinksOpenTheirPagesWithoutTouchingTheClock) {
    TMainBoard& b = StartWithOpener();
    b.BtnPauseClick();
    b.Image1Click();
    EXPECT_TRUE(b.Clock().Enabled());
    b.OptionsWindow().LBLHelpRandomClick();
    b.OptionsWindow().LblMusicClick(1);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0].toLocalFile().toStdString(), ProgramFolder() + "Help/about.html");
    EXPECT_EQ(opened[1].toLocalFile().toStdString(), ProgramFolder() + "Help/randommode.html");
    EXPECT_EQ(opened[2].scheme(), "https");
}

// A click in the middle of a label that is one link.
void ClickLink(QLabel* link) {
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
}

TEST_F(HelpCommands, ClicksOnTheLogoAndTheOptionsLinksOpenTheirPages) {
    TMainBoard& b = StartWithOpener();
    QTest::mouseClick(b.findChild<QLabel*>("Image1"), Qt::LeftButton);
    dialogs->duringModal = [](QDialog& dialog) {
        auto& options = static_cast<TFrmOptions&>(dialog);
        options.PageControl->setCurrentIndex(0);
        ClickLink(options.LBLHelpRandom);
        options.PageControl->setCurrentIndex(4);
        for (QLabel* link : options.LblMusic) {
            ClickLink(link);
        }
    };
    b.EditSubMenuClick();
    ASSERT_EQ(opened.size(), 6u);
    EXPECT_EQ(opened[0].toLocalFile().toStdString(), ProgramFolder() + "Help/about.html");
    EXPECT_EQ(opened[1].toLocalFile().toStdString(), ProgramFolder() + "Help/randommode.html");
    for (std::size_t page = 0; page < kMusicDownloadPages.size(); ++page) {
        EXPECT_EQ(opened[2 + page].toString(QUrl::FullyEncoded).toStdString(),
                  kMusicDownloadPages[page]);
    }
}

TEST_F(HelpCommands, WithoutABrowserF1ShowsTheIndexInTheGamesOwnWindow) {
    desktopOpens = false;
    TMainBoard& b = StartWithOpener();
    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    QTest::keyClick(&b, Qt::Key_F1);
    ASSERT_EQ(dialogs->log.size(), 1);  // no pages beside the program
    EXPECT_EQ(dialogs->log[0].toStdString(),
              "message: Error: " + ProgramFolder() + "Help/index.html: the help page is missing");
    EXPECT_EQ(HelpViewer(b), nullptr);

    std::filesystem::create_directories(folder / "Help");
    WriteFile("Help/index.html",
              "<html><head><title>Zorvane Help</title></head><body>"
              "<a href=\"about.html\">About</a></body></html>");
    WriteFile("Help/about.html", "<html><body>About</body></html>");
    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    QTest::keyClick(&b, Qt::Key_F1);
    ASSERT_NE(HelpViewer(b), nullptr);
    EXPECT_TRUE(HelpViewer(b)->isVisible());
    EXPECT_EQ(HelpBrowser(b)->source().toLocalFile().toStdString(),
              ProgramFolder() + "Help/index.html");
    EXPECT_EQ(HelpViewer(b)->windowTitle(), "Zorvane Help");
    EXPECT_EQ(opened.size(), 2u);       // the desktop was asked first each time
    EXPECT_FALSE(b.Clock().Enabled());  // paused before, paused after

    // The logo's page goes to the same window.
    b.Image1Click();
    EXPECT_EQ(HelpBrowser(b)->source().toLocalFile().toStdString(),
              ProgramFolder() + "Help/about.html");
    EXPECT_EQ(dialogs->log.size(), 1);
}

// F1, the logo and the options' Random Mode link under the desktop language
// that its own CTest entries set, with the help folder they expect in
// ZORVANE_TEST_HELP_FOLDER ("de/", or nothing for English).
TEST_F(HelpCommands, TheHelpOpensInTheDesktopsLanguage) {
    if (!qEnvironmentVariableIsSet("ZORVANE_TEST_HELP_FOLDER")) {
        GTEST_SKIP() << "runs under a desktop language of its own";
    }
    const std::string expected =
        "Help/" + qEnvironmentVariable("ZORVANE_TEST_HELP_FOLDER").toStdString();
    for (const std::string language : {"", "de/", "fr/", "es/"}) {
        std::filesystem::create_directories(folder / "Help" / language);
        for (const char* page : {"index.html", "about.html", "randommode.html"}) {
            WriteFile("Help/" + language + page, "<html><body>" + language + "</body></html>");
        }
    }
    desktopOpens = false;
    TMainBoard& b = StartWithOpener();
    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    QTest::keyClick(&b, Qt::Key_F1);
    ASSERT_NE(HelpViewer(b), nullptr);
    EXPECT_EQ(HelpBrowser(b)->source().toLocalFile().toStdString(),
              ProgramFolder() + expected + "index.html");
    b.Image1Click();
    b.OptionsWindow().LBLHelpRandomClick();
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0].toLocalFile().toStdString(), ProgramFolder() + expected + "index.html");
    EXPECT_EQ(opened[1].toLocalFile().toStdString(), ProgramFolder() + expected + "about.html");
    EXPECT_EQ(opened[2].toLocalFile().toStdString(),
              ProgramFolder() + expected + "randommode.html");
}

// As xdg-open does when it finds no browser: it starts, then ends with a
// failing status.
TEST_F(HelpCommands, ALauncherThatGivesUpStillGetsTheHelpWindowAndTheAddressShown) {
    WriteFile("launcher", "#!/bin/sh\necho \"$1\" >> \"$0.asked\"\nexit 3\n");
    std::filesystem::permissions(folder / "launcher", std::filesystem::perms::owner_all);
    std::filesystem::create_directories(folder / "Help");
    WriteFile("Help/index.html", "<html><head><title>Zorvane Help</title></head></html>");
    TMainBoard& b = Start();
    b.SetUrlOpener(DesktopOpener(&b, QString::fromStdString(folder.string() + "/launcher")));
    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    QTest::keyClick(&b, Qt::Key_F1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return HelpViewer(b) && HelpViewer(b)->isVisible(); }));
    EXPECT_EQ(HelpBrowser(b)->source().toLocalFile().toStdString(),
              ProgramFolder() + "Help/index.html");

    b.OptionsWindow().LblMusicClick(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs->log.empty(); }));
    EXPECT_TRUE(dialogs->log[0].startsWith("message: Web Link: "));
    EXPECT_TRUE(dialogs->log[0].contains(kMusicDownloadPages[1])) << dialogs->log[0].toStdString();
    std::ifstream asked(folder / "launcher.asked");
    std::string first, second;
    std::getline(asked, first);
    std::getline(asked, second);
    EXPECT_EQ(first, "file://" + ProgramFolder() + "Help/index.html");
    EXPECT_EQ(second, kMusicDownloadPages[1]);
}

TEST_F(HelpCommands, AWebAddressTheDesktopCannotOpenIsShownToCopy) {
    desktopOpens = false;
    TMainBoard& b = StartWithOpener();
    b.OptionsWindow().LblMusicClick(3);
    ASSERT_EQ(dialogs->log.size(), 1);
    EXPECT_TRUE(dialogs->log[0].startsWith("message: Web Link: "));
    EXPECT_TRUE(dialogs->log[0].contains("\n" + QString(kMusicDownloadPages[2]) + "\n"))
        << dialogs->log[0].toStdString();
    EXPECT_EQ(HelpViewer(b), nullptr);

    // The real message box lets the player select the address, also in a
    // style whose boxes are not selectable by themselves.
    const QString style = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create("Windows"));
    QtDialogService service;
    Qt::TextInteractionFlags flags;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        flags = box->textInteractionFlags();
        shown = box->text();
        box->accept();
    });
    service.Message(&b, "Web Link", kMusicDownloadPages[2]);
    QApplication::setStyle(QStyleFactory::create(style));
    EXPECT_EQ(shown, kMusicDownloadPages[2]);
    EXPECT_TRUE(flags.testFlag(Qt::TextSelectableByMouse));
}

}  // namespace
}  // namespace zorvane::test

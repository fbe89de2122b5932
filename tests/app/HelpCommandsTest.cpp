// Help, the about box and the web links: what they open, and that the game
// clock keeps its state.

#include "AppFixture.h"
#include "options/Options1.h"

namespace zorvane::test {
namespace {

class HelpCommands : public AppTest {
  protected:
    TMainBoard& StartWithOpener() {
        TMainBoard& b = Start();
        b.SetUrlOpener([this](const QUrl& url) { opened.push_back(url); });
        return b;
    }
    std::vector<QUrl> opened;
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

}  // namespace
}  // namespace zorvane::test

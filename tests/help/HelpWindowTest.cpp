// The game's own help window on the real pages: pictures found, links
// between pages followed by a click, Back and Forward, web addresses handed
// on instead of shown.

#include "help/HelpWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include "help/HelpLinks.h"
#include "support/Child.h"

namespace zorvane {
namespace {

const std::string kProgramFolder = ZORVANE_BIN_DIR "/";

// The first place in the page that links to `href`, or an empty cursor.
QTextCursor LinkTo(QTextDocument* document, const QString& href) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() == href && fragment.length() >= 2) {
                QTextCursor cursor(document);
                cursor.setPosition(fragment.position() + fragment.length() / 2);
                return cursor;
            }
        }
    }
    return {};
}

QTextBrowser* Browser(const HelpWindow& window) {
    return test::Child<QTextBrowser>(window, "HelpBrowser");
}
QPushButton* Button(const HelpWindow& window, const char* name) {
    return test::Child<QPushButton>(window, name);
}

// Clicks the link to `href` as the player would.
void ClickLink(QTextBrowser* browser, const QString& href) {
    const QTextCursor link = LinkTo(browser->document(), href);
    ASSERT_FALSE(link.isNull()) << href.toStdString();
    browser->setTextCursor(link);
    browser->ensureCursorVisible();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(link).center());
}

QStringList Pictures(QTextDocument* document) {
    QStringList names;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) {
                names << it.fragment().charFormat().toImageFormat().name();
            }
        }
    }
    return names;
}

TEST(HelpWindow, ShowsThePagesWithTheirPicturesAndFollowsTheirLinks) {
    HelpWindow window;
    std::vector<QUrl> handedOn;
    window.OpenWebLink = [&](const QUrl& url) { handedOn.push_back(url); };
    const QUrl index = HelpPageUrl(kProgramFolder, kHelpIndexPage);
    window.ShowPage(index);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTextBrowser* browser = Browser(window);
    EXPECT_EQ(window.windowTitle(), "Zorvane Help");
    EXPECT_FALSE(Button(window, "BtnBack")->isEnabled());

    const QStringList pictures = Pictures(browser->document());
    EXPECT_GE(pictures.size(), 10);
    for (const QString& name : pictures) {
        EXPECT_FALSE(browser->loadResource(QTextDocument::ImageResource, QUrl(name)).isNull())
            << name.toStdString();
    }

    ClickLink(browser, "about.html");
    EXPECT_EQ(browser->source(), HelpPageUrl(kProgramFolder, "Help/about.html"));
    EXPECT_TRUE(Button(window, "BtnBack")->isEnabled());
    QTest::mouseClick(Button(window, "BtnBack"), Qt::LeftButton);
    EXPECT_EQ(browser->source(), index);
    QTest::mouseClick(Button(window, "BtnForward"), Qt::LeftButton);
    EXPECT_EQ(browser->source(), HelpPageUrl(kProgramFolder, "Help/about.html"));

    QTest::mouseClick(Button(window, "BtnClose"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST(HelpWindow, AWebAddressIsHandedOnAndThePageStays) {
    QTemporaryDir folder;
    const QString page = folder.filePath("links.html");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "<html><body><p><a href=\"https://example.org/zorvane?a=1\">our site</a></p>"
        "</body></html>");
    file.close();

    HelpWindow window;
    std::vector<QUrl> handedOn;
    window.OpenWebLink = [&](const QUrl& url) { handedOn.push_back(url); };
    window.ShowPage(QUrl::fromLocalFile(page));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ClickLink(Browser(window), "https://example.org/zorvane?a=1");
    EXPECT_EQ(handedOn, std::vector<QUrl>{QUrl("https://example.org/zorvane?a=1")});
    EXPECT_EQ(Browser(window)->source(), QUrl::fromLocalFile(page));
    EXPECT_FALSE(Button(window, "BtnBack")->isEnabled());
}

TEST(HelpWindow, OpenedFromAModalDialogItTakesInputItself) {
    HelpWindow window;
    QDialog options;
    QWidget* modalWhileShown = nullptr;
    QTimer::singleShot(0, &options, [&] {
        window.ShowPage(HelpPageUrl(kProgramFolder, kRandomModePage));
        modalWhileShown = QApplication::activeModalWidget();
        window.close();
        options.reject();
    });
    options.exec();
    EXPECT_EQ(modalWhileShown, &window);

    // Opened from the main window it leaves the game playable.
    window.ShowPage(HelpPageUrl(kProgramFolder, kHelpIndexPage));
    EXPECT_EQ(window.windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace zorvane

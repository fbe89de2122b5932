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
    QTextBrowser* browser = window.Browser();
    EXPECT_EQ(window.windowTitle(), "Zorvane Help");
    EXPECT_FALSE(window.BackButton()->isEnabled());

    const QStringList pictures = Pictures(browser->document());
    EXPECT_GE(pictures.size(), 10);
    for (const QString& name : pictures) {
        EXPECT_FALSE(browser->loadResource(QTextDocument::ImageResource, QUrl(name)).isNull())
            << name.toStdString();
    }

    ClickLink(browser, "about.html");
    EXPECT_EQ(browser->source(), HelpPageUrl(kProgramFolder, "Help/about.html"));
    EXPECT_TRUE(window.BackButton()->isEnabled());
    QTest::mouseClick(window.BackButton(), Qt::LeftButton);
    EXPECT_EQ(browser->source(), index);
    QTest::mouseClick(window.ForwardButton(), Qt::LeftButton);
    EXPECT_EQ(browser->source(), HelpPageUrl(kProgramFolder, "Help/about.html"));

    QTest::mouseClick(window.CloseButton(), Qt::LeftButton);
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
    ClickLink(window.Browser(), "https://example.org/zorvane?a=1");
    EXPECT_EQ(handedOn, std::vector<QUrl>{QUrl("https://example.org/zorvane?a=1")});
    EXPECT_EQ(window.Browser()->source(), QUrl::fromLocalFile(page));
    EXPECT_FALSE(window.BackButton()->isEnabled());
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

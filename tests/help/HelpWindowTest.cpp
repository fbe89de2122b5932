// The game's own help window on the real pages: pictures found and sharp,
// table columns apart, links between pages followed by a click, Back and
// Forward, web addresses handed on instead of shown.

#include "help/HelpWindow.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>
#include <QTimer>
#include <algorithm>
#include <vector>

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

std::vector<QTextImageFormat> Pictures(QTextDocument* document) {
    std::vector<QTextImageFormat> pictures;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) {
                pictures.push_back(it.fragment().charFormat().toImageFormat());
            }
        }
    }
    return pictures;
}

std::vector<QTextTable*> Tables(QTextFrame* frame) {
    std::vector<QTextTable*> tables;
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            tables.push_back(table);
        }
        for (QTextTable* inner : Tables(child)) {
            tables.push_back(inner);
        }
    }
    return tables;
}

QString CellText(const QTextTableCell& cell) {
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText().remove(QChar::ObjectReplacementCharacter).trimmed();
}

// Where the text of a cell that holds some starts and ends on the laid-out
// page.
struct Span {
    qreal left = 1e9;
    qreal right = -1e9;
};
Span TextSpan(QTextDocument* document, const QTextTableCell& cell) {
    Span span;
    const int end = cell.lastCursorPosition().position();
    for (QTextBlock block = cell.firstCursorPosition().block();
         block.isValid() && block.position() <= end; block = block.next()) {
        const QTextLayout* layout = block.layout();
        // The block's box on the page, less where its lines start inside it.
        const QPointF origin = document->documentLayout()->blockBoundingRect(block).topLeft() -
                               layout->boundingRect().topLeft();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QRectF line = layout->lineAt(i).naturalTextRect().translated(origin);
            if (line.width() > 0) {
                span.left = std::min(span.left, line.left());
                span.right = std::max(span.right, line.right());
            }
        }
    }
    return span;
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

    const std::vector<QTextImageFormat> pictures = Pictures(browser->document());
    EXPECT_GE(pictures.size(), 10u);
    for (const QTextImageFormat& picture : pictures) {
        EXPECT_FALSE(
            browser->loadResource(QTextDocument::ImageResource, QUrl(picture.name())).isNull())
            << picture.name().toStdString();
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

// Each picture fills its place on the page pixel for pixel: drawn from its
// @2x file on a screen of two device pixels per pixel, from the plain file
// otherwise. The tests run this once more with QT_SCALE_FACTOR=2.
TEST(HelpWindow, PicturesHaveThePixelsOfTheScreen) {
    HelpWindow window;
    window.ShowPage(HelpPageUrl(kProgramFolder, kHelpIndexPage));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTextBrowser* browser = Browser(window);
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        ASSERT_EQ(browser->devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    const bool sharp = browser->devicePixelRatioF() > 1.0;
    const QDir help(QString::fromStdString(kProgramFolder + "Help"));

    const std::vector<QTextImageFormat> pictures = Pictures(browser->document());
    ASSERT_GE(pictures.size(), 10u);
    for (const QTextImageFormat& picture : pictures) {
        const QString name = picture.name();
        const QPixmap shown = browser->document()
                                  ->resource(QTextDocument::ImageResource, QUrl(name))
                                  .value<QPixmap>();
        const QString file = sharp ? QString(name).replace(".png", "@2x.png") : name;
        const QImage expected =
            QImage(help.filePath(file)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_FALSE(expected.isNull()) << file.toStdString();
        EXPECT_EQ(shown.devicePixelRatio(), sharp ? 2.0 : 1.0) << name.toStdString();
        EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(picture.width(), picture.height()))
            << name.toStdString();
        EXPECT_TRUE(shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                    expected)
            << name.toStdString() << " is not the pixels of " << file.toStdString();
    }
}

// Neighbouring columns of every table keep a clear gap between their texts,
// so the key table reads "Ctrl+N   New game", not "Ctrl+NNew game".
TEST(HelpWindow, TableColumnsStandApart) {
    constexpr qreal kGap = 8;  // about a letter's width
    HelpWindow window;
    int measured = 0;
    QStringList crowded;
    const QDir help(QString::fromStdString(kProgramFolder + "Help"));
    for (const QString& page : help.entryList({"*.html"}, QDir::Files)) {
        window.ShowPage(QUrl::fromLocalFile(help.filePath(page)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTextDocument* document = Browser(window)->document();
        for (QTextTable* table : Tables(document->rootFrame())) {
            for (int row = 0; row < table->rows(); ++row) {
                for (int column = 0; column + 1 < table->columns(); ++column) {
                    const QTextTableCell left = table->cellAt(row, column);
                    const QTextTableCell right = table->cellAt(row, column + 1);
                    if (CellText(left).isEmpty() || CellText(right).isEmpty() || left == right) {
                        continue;  // a picture, an empty place or a spanning cell
                    }
                    ++measured;
                    const qreal gap =
                        TextSpan(document, right).left - TextSpan(document, left).right;
                    if (gap < kGap) {
                        crowded << QString("%1: \"%2\" %3 px from \"%4\"")
                                       .arg(page, CellText(left))
                                       .arg(gap)
                                       .arg(CellText(right));
                    }
                }
            }
        }
    }
    EXPECT_GE(measured, 9);  // the key table at least
    EXPECT_TRUE(crowded.isEmpty()) << crowded.join('\n').toStdString();
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

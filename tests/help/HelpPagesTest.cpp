#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "help/HelpLinks.h"
#include "help/WebLinks.h"
#include "zorvane/Version.h"

namespace zorvane {
namespace {

// The build's program folder, where the pages are copied at configure time.
const std::string kProgramFolder = ZORVANE_BIN_DIR "/";
const QString kHelpFolder = QStringLiteral(ZORVANE_BIN_DIR "/Help");

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

// Every address a page refers to: href, src and each candidate of srcset.
QStringList References(const QString& html) {
    static const QRegularExpression attribute(
        QStringLiteral("\\b(href|src|srcset)\\s*=\\s*\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    for (const auto& match : attribute.globalMatch(html)) {
        if (match.captured(1).compare("srcset", Qt::CaseInsensitive) == 0) {
            for (const QString& candidate : match.captured(2).split(',', Qt::SkipEmptyParts)) {
                found << candidate.trimmed().section(' ', 0, 0);
            }
        } else {
            found << match.captured(2);
        }
    }
    return found;
}

bool HasAnchor(const QString& html, const QString& name) {
    return html.contains(QStringLiteral("id=\"%1\"").arg(name));
}

// Every page, English and translated, relative to the help folder.
QStringList AllPages() {
    QStringList pages;
    QDirIterator it(kHelpFolder, {"*.html"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        pages << QDir(kHelpFolder).relativeFilePath(it.next());
    }
    return pages;
}

// The languages the help is translated into, each a folder of pages.
const QStringList kLanguages = {"de", "fr", "es"};

TEST(HelpPages, TheCommandsFindTheirPagesInTheProgramFolder) {
    for (const QUrl& url :
         {HelpPageUrl(kProgramFolder, kHelpIndexPage), HelpPageUrl(kProgramFolder, kRandomModePage),
          HomePageUrl(kProgramFolder)}) {
        EXPECT_TRUE(QFileInfo::exists(url.toLocalFile())) << url.toLocalFile().toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(kHelpFolder + "/style.css"));
    // The about page names the version the about box shows.
    EXPECT_TRUE(ReadText(kHelpFolder + "/about.html").contains(kVersionLine));
}

TEST(HelpPages, EveryLocalLinkImageAndAnchorExists) {
    const QStringList pages = AllPages();
    ASSERT_GE(pages.size(), 3 * (1 + kLanguages.size()));
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    QStringList broken;
    for (const QString& page : pages) {
        const QString html = ReadText(kHelpFolder + "/" + page);
        const QStringList references = References(html);
        EXPECT_GE(references.size(), 3) << page.toStdString();  // style sheet, icon, logo at least
        for (const QString& reference : references) {
            if (reference.isEmpty()) {
                broken << page + ": empty address";
                continue;
            }
            if (scheme.match(reference).hasMatch()) {
                continue;  // a web address: not ours to check here
            }
            const QString file = reference.section('#', 0, 0);
            const QString anchor = reference.section('#', 1);
            const QString path = kHelpFolder + "/" + page;
            const QString target =
                file.isEmpty() ? path : QFileInfo(path).dir().absoluteFilePath(file);
            if (!QFileInfo(target).isFile()) {
                broken << page + ": " + reference;
            } else if (!anchor.isEmpty() && !HasAnchor(ReadText(target), anchor)) {
                broken << page + ": " + reference + " (no such anchor)";
            }
        }
    }
    EXPECT_TRUE(broken.isEmpty()) << broken.join('\n').toStdString();
}

// One line each, for readable failures.
std::string Lines(const QStringList& list) {
    return list.join('\n').toStdString();
}

QStringList Ids(const QString& html) {
    static const QRegularExpression id(QStringLiteral("\\bid=\"([^\"]*)\""));
    QStringList found;
    for (const auto& match : id.globalMatch(html)) {
        found << match.captured(1);
    }
    found.sort();
    return found;
}

// What a page refers to, in order: pictures and style sheet as paths in the
// help folder, links to a page of the same language as the English page's
// name, so that they compare equal with the English links.
QStringList Targets(const QString& page, const QString& language) {
    const QDir folder = QFileInfo(kHelpFolder + "/" + page).dir();
    QStringList targets;
    for (const QString& reference : References(ReadText(kHelpFolder + "/" + page))) {
        const QString file = reference.section('#', 0, 0);
        QString target = file.isEmpty()
                             ? QString()
                             : QDir(kHelpFolder).relativeFilePath(folder.absoluteFilePath(file));
        if (!language.isEmpty() && target.startsWith(language + "/") && target.endsWith(".html")) {
            target.remove(0, language.size() + 1);
        }
        targets << target + reference.mid(file.size());
    }
    return targets;
}

// A translation is the English page in other words: the same anchors, the
// same links and the same pictures, in the same order, the pictures shared
// with the English pages rather than copied.
TEST(HelpPages, EachTranslationHasTheEnglishPagesAnchorsLinksAndPictures) {
    const QString version = QString(kVersionLine).section(' ', 1);  // "1.0 b"
    for (const QString& english : QDir(kHelpFolder).entryList({"*.html"}, QDir::Files)) {
        const QStringList ids = Ids(ReadText(kHelpFolder + "/" + english));
        const QStringList targets = Targets(english, {});
        ASSERT_FALSE(ids.isEmpty()) << english.toStdString();
        for (const QString& language : kLanguages) {
            const QString page = language + "/" + english;
            SCOPED_TRACE(page.toStdString());
            const QString html = ReadText(kHelpFolder + "/" + page);
            ASSERT_FALSE(html.isEmpty()) << "missing";
            EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"%1\">").arg(language)));
            EXPECT_EQ(Lines(Ids(html)), Lines(ids));
            EXPECT_EQ(Lines(Targets(page, language)), Lines(targets));
            if (english == "about.html") {
                EXPECT_TRUE(html.contains(version)) << "no version " << version.toStdString();
            }
        }
    }
}

TEST(HelpPages, ReferencesAreFoundInEveryForm) {
    const QStringList found = References(
        "<link rel=\"stylesheet\" href=\"style.css\"><A HREF=\"a.html#x\">"
        "<img src=\"images/B1.png\" srcset=\"images/B1@2x.png 2x, images/B1@3x.png 3x\">");
    EXPECT_EQ(found, QStringList({"style.css", "a.html#x", "images/B1.png", "images/B1@2x.png",
                                  "images/B1@3x.png"}));
}

}  // namespace
}  // namespace zorvane

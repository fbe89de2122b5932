#pragma once
// Where the help pages live and how a page or web address reaches the
// player's browser.

#include <QString>
#include <QUrl>
#include <functional>
#include <string>

namespace zorvane {

// The help pages, relative to the program's folder.
inline const QString kHelpIndexPage = QStringLiteral("Help/index.html");
inline const QString kRandomModePage = QStringLiteral("Help/randommode.html");

// The local file `programFolder` + `relativeName` as a file URL. The folder
// is taken as the file system's bytes, may hold blanks or any other
// character, and gets a "/" when it lacks one; an empty folder means the
// current folder.
QUrl HelpPageUrl(const std::string& programFolder, const QString& relativeName);

// Hands a page or address to whatever the desktop opens it with, and returns
// without waiting: false when the desktop has nothing to open it with.
// Injected so that the commands can be tested without a browser.
using UrlOpener = std::function<bool(const QUrl&)>;

// QDesktopServices::openUrl. Once the desktop has taken the page, a missing
// page is the browser's to report.
UrlOpener DesktopOpener();

}  // namespace zorvane

#pragma once
// Where the help pages live and how a page or web address reaches the
// player's browser.

#include <QString>
#include <QUrl>
#include <functional>
#include <string>

class QObject;

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
// without waiting. `failed` runs when the desktop cannot open it: at once
// when there is no launcher, or later when the launcher gives up (no
// browser, nothing that opens the page). Injected so that the commands can
// be tested without a browser.
using UrlOpener = std::function<void(const QUrl& url, std::function<void()> failed)>;

// Runs `launcher` (looked up in PATH unless it is a path) with the address,
// as a child of `owner`: a launcher that cannot start or ends with a failing
// exit status calls `failed`. One still running when `owner` goes (a
// browser it waits for) is stopped without a report; what it started stays
// open.
UrlOpener DesktopOpener(QObject* owner, const QString& launcher = QStringLiteral("xdg-open"));

}  // namespace zorvane

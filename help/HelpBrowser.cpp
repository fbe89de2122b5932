#include "help/HelpBrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>

namespace zorvane {

namespace {

// Qt skips the pages' own style sheet: it reads only a link that says
// type="text/css", and gives up on the whole sheet at the first custom
// property. These rules repeat what the sheet does to tables, in the part of
// CSS that Qt follows, with a little less room to suit the window's smaller
// type. The example boards keep their pictures touching.
constexpr char kTableStyle[] =
    "th, td { padding: 3px 12px; vertical-align: middle; }"
    "th { text-align: left; }"
    "table.numbers th, table.numbers td { text-align: center; }"
    "table.board td { padding: 0; }";

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    document()->setDefaultStyleSheet(QString::fromLatin1(kTableStyle));
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource && devicePixelRatioF() > 1.0) {
        const QUrl url = source().resolved(name);
        if (url.isLocalFile()) {
            const QFileInfo file(url.toLocalFile());
            QPixmap sharp(file.dir().filePath(file.completeBaseName() + "@2x." + file.suffix()));
            if (!sharp.isNull()) {
                // Drawn into the picture's own size on the page, so it fills
                // it pixel for pixel.
                sharp.setDevicePixelRatio(2.0);
                return sharp;
            }
        }
    }
    return QTextBrowser::loadResource(type, name);
}

}  // namespace zorvane

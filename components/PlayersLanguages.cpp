#include "components/PlayersLanguages.h"

#include <QLocale>

namespace zorvane {

namespace {

// The locale that decides messages, as the C library reads it: LANGUAGE is
// not looked at when this is C.
bool MessagesInC() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty()) {
            return value == "C" || value == "POSIX" || value.startsWith("C.");
        }
    }
    return true;
}

}  // namespace

QStringList PlayersLanguages() {
    return MessagesInC() ? QStringList() : QLocale::system().uiLanguages();
}

}  // namespace zorvane

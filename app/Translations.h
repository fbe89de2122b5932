#pragma once
// The player's language: the game's own texts and Qt's (standard buttons,
// file dialogs) follow the desktop's list of languages (LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG), in the first language of that list the game
// has; English where it has none of them, where English comes first, and
// where the messages locale is C or POSIX, as every other program does.

#include <QString>

class QCoreApplication;

namespace zorvane {

// Installs the translators on `app`, whose children they become: run it
// before any text is made (the command line's help, the first window).
// Returns the language chosen ("de"), empty for English. Qt's own
// translations are added for that language when they are installed.
QString InstallTranslations(QCoreApplication& app);

}  // namespace zorvane

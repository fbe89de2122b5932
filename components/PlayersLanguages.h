#pragma once
// The player's languages, most wanted first, as the desktop gives them
// (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG). The game's texts and its help
// pages both follow this one list.

#include <QStringList>

namespace zorvane {

// Empty when the messages locale is C or POSIX: then everything is English,
// LANGUAGE or not, as the C library has it.
QStringList PlayersLanguages();

}  // namespace zorvane

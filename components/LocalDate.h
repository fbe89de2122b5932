#pragma once
// Today's date as the player's desktop writes it short. A new high score and
// a cleared high-score table are dated with it, so the window and the
// high-score window date their rows alike.

#include <string>

namespace zorvane {

// The system locale's short date format, in the locale's 8-bit encoding like
// every other text of the high-score table.
std::string ShortDateToday();

}  // namespace zorvane

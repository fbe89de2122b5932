#pragma once
// Every address outside the program that the game opens, each defined once,
// here.

#include <QUrl>
#include <array>
#include <string>

namespace zorvane {

// "Good place to download music #1" .. "#4" on the options dialog's Music page.
inline constexpr std::array<const char*, 4> kMusicDownloadPages = {
    "https://freemusicarchive.org/",
    "https://musopen.org/music/",
    "https://opengameart.org/art-search-advanced?field_art_type_tid%5B%5D=12",
    "https://incompetech.com/music/royalty-free/",
};

// The page the main window's logo opens: what else the Zorvane team makes.
// We have no web site yet, so it is our own about page beside the program,
// relative to the program's folder. When a web site exists, put its https://
// address here: this is the one place to change.
inline constexpr const char* kHomePage = "Help/about.html";

// An address as the browser needs it: http:// and https:// addresses as they
// are, anything else a file relative to `programFolder`.
QUrl LinkUrl(const std::string& programFolder, const std::string& address);

// kHomePage for the program in `programFolder`; our own page in the
// desktop's language when it has been translated into it.
QUrl HomePageUrl(const std::string& programFolder);

// Music download page `number`, 1..4; any other number gives an empty URL,
// which opens nothing.
QUrl MusicDownloadUrl(int number);

}  // namespace zorvane

#pragma once
// Plain 8-bit text files: CR LF on writing; on reading a line ends at CR LF,
// LF or CR, a Ctrl-Z ends the file and empty lines are skipped. Writing goes
// through a temporary file in the same folder so a failed write never
// destroys the file that was there.

#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

struct FileResult {
    bool ok = true;
    bool missing = false;  // the file does not exist (only set on reading)
    std::string reason;    // the system's text when !ok
};

std::vector<std::string> SplitTextLines(std::string_view bytes);
std::string JoinTextLines(const std::vector<std::string>& lines);

FileResult ReadTextFile(const std::string& path, std::vector<std::string>& lines);
// The same, but a file that does not exist yet is no failure: ok, with
// missing set and no lines.
FileResult ReadTextFileIfPresent(const std::string& path, std::vector<std::string>& lines);
FileResult WriteTextFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace zorvane

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
    // The same failure was returned before and reported then; saying it again
    // would only repeat the message.
    bool alreadyReported = false;
};

// What the player is told of a failed file: "path: reason". Empty when there
// is nothing to tell: the file did not fail, or its failure was reported.
std::string FileErrorText(const std::string& path, const FileResult& result);

std::vector<std::string> SplitTextLines(std::string_view bytes);
std::string JoinTextLines(const std::vector<std::string>& lines);

// Only a regular file of at most kTextFileCap bytes is read (FileCheck.h).
FileResult ReadTextFile(const std::string& path, std::vector<std::string>& lines);
// The same, but a file that does not exist yet is no failure: ok, with
// missing set and no lines.
FileResult ReadTextFileIfPresent(const std::string& path, std::vector<std::string>& lines);
// The temporary is ".<name>.zorvane-<digits>.tmp"; those an interrupted save
// of the same file left (untouched for a minute) are removed first. The new
// file keeps the permission bits of the regular file it replaces, with at
// least read and write for its owner; in place of a link or of nothing it gets
// 0666 less the umask.
FileResult WriteTextFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace zorvane

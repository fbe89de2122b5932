#include "persistence/FileReasons.h"

#include <cstdio>

#include "persistence/FileCheck.h"

namespace zorvane {

namespace {

std::string Megabytes(std::int64_t size) {
    // Rounded up to a tenth, so a file just over the cap never reads as the cap.
    const std::int64_t tenths = (size * 10 + kMegabyte - 1) / kMegabyte;
    char text[32];
    if (tenths % 10 == 0 || tenths >= 1000) {
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>((tenths + 9) / 10));
    } else {
        std::snprintf(text, sizeof text, "%lld.%lld", static_cast<long long>(tenths / 10),
                      static_cast<long long>(tenths % 10));
    }
    return text;
}

}  // namespace

std::string TooLargeText(std::int64_t size, std::int64_t cap) {
    return "too large (" + Megabytes(size) + " MB, at most " + Megabytes(cap) + " MB)";
}

std::string FolderNotMadeText(const std::string& folder, const std::string& systemReason) {
    return "Cannot create the folder " + folder + " (" + systemReason + ")";
}

}  // namespace zorvane

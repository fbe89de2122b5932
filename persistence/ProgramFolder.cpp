#include "persistence/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace zorvane {

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !program.has_parent_path()) {
        // Without /proc the current folder is the best guess left.
        return "./";
    }
    std::string folder = program.parent_path().string();
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

}  // namespace zorvane

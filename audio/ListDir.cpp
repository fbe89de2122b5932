#include "audio/ListDir.h"

#include <filesystem>

namespace zorvane {

void ListFiles(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    std::error_code error;
    std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::error_code kindError;
        if (!entries->is_directory(kindError)) {
            names.push_back(entries->path().filename().string());
        }
    }
}

std::string RandomFile(const std::string& folder, RandomSource& random) {
    random.Seed(ClockSeed());
    if (folder.empty()) {
        return {};
    }
    std::vector<std::string> names;
    ListFiles(folder, names);
    if (names.empty()) {
        return {};
    }
    const std::string& name = names[random.Random(static_cast<int>(names.size()))];
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace zorvane

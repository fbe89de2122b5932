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

std::string RandomFile(const std::string& folder, RandomSource& random,
                       const std::set<std::string>& skip) {
    random.Seed(ClockSeed());
    if (folder.empty()) {
        return {};
    }
    std::vector<std::string> names;
    ListFiles(folder, names);
    const std::string prefix = folder.back() == '/' ? folder : folder + "/";
    std::erase_if(names, [&](const std::string& name) { return skip.count(prefix + name) != 0; });
    if (names.empty()) {
        return {};
    }
    return prefix + names[random.Random(static_cast<int>(names.size()))];
}

}  // namespace zorvane

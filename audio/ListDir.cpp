#include "audio/ListDir.h"

#include <filesystem>
#include <utility>

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

std::vector<std::string> FolderFiles(const std::string& folder, const std::set<std::string>& skip) {
    if (folder.empty()) {
        return {};
    }
    std::vector<std::string> files;
    ListFiles(folder, files);
    const std::string prefix = folder.back() == '/' ? folder : folder + "/";
    for (std::string& name : files) {
        name.insert(0, prefix);
    }
    std::erase_if(files, [&](const std::string& file) { return skip.count(file) != 0; });
    return files;
}

std::string DrawFile(std::vector<std::string>& files, RandomSource& random) {
    if (files.empty()) {
        return {};
    }
    const auto pick = static_cast<std::size_t>(random.Random(static_cast<int>(files.size())));
    std::string file = std::move(files[pick]);
    files[pick] = std::move(files.back());
    files.pop_back();
    return file;
}

}  // namespace zorvane

// Replays saved fuzz inputs through a target's entry point without libFuzzer:
// every regular file of the folders given (a missing folder holds none), in
// name order. Each name is printed before its run, so a crash names its input.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        // Absolute now: a target may change the working folder.
        const fs::path folder = fs::absolute(argv[i]);
        for (const auto& entry : fs::directory_iterator(folder, error)) {
            if (entry.is_regular_file()) {
                inputs.push_back(entry.path());
            }
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::cerr << "no inputs found\n";
        return 1;
    }
    for (const fs::path& input : inputs) {
        std::cout << input.string() << std::endl;
        std::ifstream file(input, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        if (!file.good() && !file.eof()) {
            std::cerr << "cannot read " << input << "\n";
            return 1;
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << inputs.size() << " inputs replayed" << std::endl;
    return 0;
}

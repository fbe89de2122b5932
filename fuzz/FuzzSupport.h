#pragma once
// What the fuzz targets share: the libFuzzer entry point each one defines,
// a private scratch folder on a memory file system, and a check that stops
// the run loudly. A game runs on the engine's own QuietHost.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace zorvane::fuzz {

// A broken promise of the code under test: print it and abort, so libFuzzer
// and the corpus replay both report the input.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

inline void Require(bool holds, const char* what) {
    if (!holds) {
        Fail(what);
    }
}

// A folder of this process only, made on first use (on /dev/shm when there
// is one, so the saves' fsync costs nothing) and removed at exit.
const std::string& ScratchFolder();
// Removes everything inside the scratch folder.
void EmptyScratchFolder();
// Writes `size` bytes to `path` as they are; false when it cannot.
bool WriteBytes(const std::string& path, const std::uint8_t* data, std::size_t size);

}  // namespace zorvane::fuzz

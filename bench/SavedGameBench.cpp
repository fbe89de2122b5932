// Writing and reading a 16-row saved game through the file system.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "BenchGame.h"

namespace zorvane::bench {
namespace {

std::string BenchFile() {
    return (std::filesystem::temp_directory_path() /
            ("zorvane-bench-" + std::to_string(::getpid()) + ".SAV"))
        .string();
}

void BM_WriteSavedGame16Rows(benchmark::State& state) {
    BenchGame b(16, 3);
    const std::string path = BenchFile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(b.game->SaveGameTo(path));
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteSavedGame16Rows)->Unit(benchmark::kMicrosecond);

void BM_ReadSavedGame16Rows(benchmark::State& state) {
    BenchGame b(16, 3);
    const std::string path = BenchFile();
    b.game->SaveGameTo(path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(b.game->LoadGameFrom(path));
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadSavedGame16Rows)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zorvane::bench

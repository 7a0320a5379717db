// Timings of the one save path: a data file's worth of text replacing an old file, flushed
// to the disk as the document's save does, and deferred as the data file commands do.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "base/FileWriting.h"

namespace {

namespace fs = std::filesystem;

void BM_SaveFile(benchmark::State& state) {
    std::string pattern = (fs::temp_directory_path() / "ql-bench-save-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const fs::path folder(pattern);
    const fs::path file = folder / "saved.icf";
    const std::string text(10029, '0');  // as long as a data file
    const auto durability =
        state.range(0) != 0 ? ql::Durability::Flushed : ql::Durability::Deferred;
    for (auto _ : state) {
        if (!ql::SaveFile(file, text, durability).Ok()) {
            state.SkipWithError("the file could not be saved");
            break;
        }
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}
BENCHMARK(BM_SaveFile)
    ->ArgName("flushed")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

}  // namespace

// Timings of the radio data model at the places the user interface leans on: a single query,
// the rebuild, one list rebuild of 106 rows, and a data file saved and read back.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "FullRadio.h"
#include "model/CRigCheckpoint.h"
#include "model/ChannelPath.h"

namespace {

using ql::bench::FullRadio;

namespace fs = std::filesystem;

class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "ql-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) ::abort();
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    [[nodiscard]] const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

void BM_CommonQuery(benchmark::State& state) {
    FullRadio radio;
    for (auto _ : state) {
        benchmark::DoNotOptimize(radio->Command("COMMON.BEEP"));
    }
}
BENCHMARK(BM_CommonQuery);

void BM_HealFull(benchmark::State& state) {
    FullRadio radio;
    for (auto _ : state) {
        benchmark::DoNotOptimize(radio->Command("HEAL"));
    }
}
BENCHMARK(BM_HealFull)->Unit(benchmark::kMicrosecond);

// What the window program pays after each edit: one channel changed, then the rebuild that
// the modified query makes.
void BM_HealAfterOneEdit(benchmark::State& state) {
    FullRadio radio;
    int n = 0;
    for (auto _ : state) {
        radio->Command(n++ % 2 == 0 ? "CH.MCH_144.50.FREQUENCY=146.5200"
                                    : "CH.MCH_144.50.FREQUENCY=146.5400");
        benchmark::DoNotOptimize(radio->Command("HEAL"));
    }
}
BENCHMARK(BM_HealAfterOneEdit)->Unit(benchmark::kMicrosecond);

// Every channel decoded, healed and written again, as after loading a file.
void BM_HealWhole(benchmark::State& state) {
    FullRadio radio;
    const auto checkpoint = radio->TakeCheckpoint();
    checkpoint->healed.Forget();
    for (auto _ : state) {
        radio->RestoreCheckpoint(*checkpoint);
        benchmark::DoNotOptimize(radio->Command("HEAL"));
    }
}
BENCHMARK(BM_HealWhole)->Unit(benchmark::kMicrosecond);

void BM_ChannelListRebuild(benchmark::State& state) {
    static const char* const kItems[] = {"APPEAR",
                                         "FREQUENCY",
                                         "ISLEGAL",
                                         "DUPLEX_SELECTION",
                                         "REPEATER_FREQUENCY",
                                         "NAME",
                                         "TONE_SELECTION",
                                         "REPEATER_TONE_FREQUENCY",
                                         "TSQL_FREQUENCY",
                                         "SKIP",
                                         "TUNING_STEP_SELECTION",
                                         "MODE"};
    FullRadio radio;
    const auto band = static_cast<ql::Band>(state.range(0));
    for (auto _ : state) {
        for (unsigned row = 1; row <= 106; ++row) {
            const std::string prefix = ql::ChannelPath(band, row);
            for (const char* item : kItems) {
                benchmark::DoNotOptimize(radio->Command(prefix + item));
            }
        }
    }
}
BENCHMARK(BM_ChannelListRebuild)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_IcfSaveLoad(benchmark::State& state) {
    FullRadio radio;
    TempFolder folder;
    const std::string file = (folder.Path() / "bench.icf").string();
    std::string save = "FILE.SAVE.\"";
    save += file;
    save += '"';
    std::string load = "FILE.LOAD.\"";
    load += file;
    load += '"';
    for (auto _ : state) {
        if (radio->Command(save) != "OK" || radio->Command(load) != "OK") {
            state.SkipWithError("the data file could not be saved or loaded");
            break;
        }
    }
}
BENCHMARK(BM_IcfSaveLoad)->Unit(benchmark::kMicrosecond);

}  // namespace

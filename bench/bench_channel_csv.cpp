// Channel lists out and in: both bands exported from a full data set, and the 198 rows of
// that export planned and applied again (the window's File > Import CSV as one step).

#include <benchmark/benchmark.h>

#include <string>

#include "FullRadio.h"
#include "document/ChannelExport.h"
#include "document/ChannelImport.h"

namespace {

using ql::bench::FullRadio;

void BM_ExportBothBands(benchmark::State& state) {
    FullRadio radio;
    const ql::CommandQuery query = radio.Query();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ql::ExportBands(query, ql::BandChoice::kBoth, ql::TextFormat::kCsv));
    }
}
BENCHMARK(BM_ExportBothBands)->Unit(benchmark::kMillisecond);

void BM_ImportBothBands(benchmark::State& state) {
    FullRadio source;
    const std::string csv =
        ql::ExportBands(source.Query(), ql::BandChoice::kBoth, ql::TextFormat::kCsv);
    FullRadio target;
    const ql::CommandQuery query = target.Query();
    for (auto _ : state) {
        const ql::ChannelImportPlan plan = ql::PlanChannelImport(csv, query);
        for (const std::string& command : plan.commands) (*target).Command(command);
        if (plan.channels.size() != 198 || !plan.refused.empty()) {
            state.SkipWithError("the export did not import whole");
            break;
        }
    }
}
BENCHMARK(BM_ImportBothBands)->Unit(benchmark::kMillisecond);

}  // namespace

// Timings of the channel list as the user sees it, through the real view on the offscreen
// platform: model, view and delegate together. A whole band rebuilt and repainted, one row
// rebuilt and repainted, and a switch of bands with the whole list repainted; each ends when
// the view has painted what the change made it repaint.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "FullRadio.h"
#include "support/DirectDoc.h"
#include "ui/CChannelListModel.h"
#include "ui/StringTable.h"

namespace {

using ShownList = ql::bench::ShownList<ql::test::DirectDoc>;

void BM_ListRefreshWholeBand(benchmark::State& state) {
    ShownList list;
    for (auto _ : state) {
        list->Refresh();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ListRefreshWholeBand)->Unit(benchmark::kMillisecond);

void BM_ListRefreshOneRow(benchmark::State& state) {
    ShownList list;
    for (auto _ : state) {
        list->ListModel().RefreshChannel(5);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ListRefreshOneRow)->Unit(benchmark::kMicrosecond);

void BM_ListSwitchBands(benchmark::State& state) {
    ShownList list;
    bool uhf = false;
    for (auto _ : state) {
        uhf = !uhf;
        list->Execute(uhf ? ql::ui::cmd::kUhfMemory : ql::ui::cmd::kVhfMemory);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ListSwitchBands)->Unit(benchmark::kMillisecond);

}  // namespace

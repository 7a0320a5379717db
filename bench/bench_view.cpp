// Timings of the channel list as the user sees it, through the real view on the offscreen
// platform: model, view and delegate together. A whole band rebuilt and repainted, one row
// rebuilt and repainted, and a switch of bands with the whole list repainted; each ends when
// the view has painted what the change made it repaint.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <memory>

#include "FullRadio.h"
#include "model/C7400RadioData.h"
#include "support/CMemorySettingsStore.h"
#include "support/DirectDoc.h"
#include "support/FullDataSet.h"
#include "ui/CChannelListModel.h"
#include "ui/CQL7400View.h"
#include "ui/CQtUserPrompts.h"
#include "ui/StringTable.h"

namespace {

using ql::bench::Application;

// The one application object of the run, made when a benchmark first needs widgets.

// The channel list of the main window's default size over a full data set.
class ShownList {
  public:
    ShownList() : doc_(radio_) {
        Application();
        radio_.Reset();
        ql::test::FillAllMemoryChannels(radio_, "\tTONE_SELECTION=TONE\tDUPLEX_SELECTION=Dup-");
        radio_.Command("HEAL");
        view_ = std::make_unique<ql::ui::CQL7400View>(doc_, settings_, prompts_, nullptr);
        view_->resize(620, 300);
        view_->show();
        view_->setFocus();
        QApplication::processEvents();
    }

    ql::ui::CQL7400View& operator*() { return *view_; }
    ql::ui::CQL7400View* operator->() { return view_.get(); }

  private:
    ql::CMemorySettingsStore settings_;
    ql::C7400RadioData radio_{settings_};
    ql::test::DirectDoc doc_;
    ql::ui::CQtUserPrompts prompts_;
    std::unique_ptr<ql::ui::CQL7400View> view_;
};

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

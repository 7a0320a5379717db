// The undo history through the real channel list: a step taken back and made again with the
// list rebuilt and repainted, for the smallest and the largest kinds of step; and what a
// history of 200 steps costs in memory.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "FullRadio.h"
#include "app/CEditHistory.h"
#include "model/C7400RadioData.h"
#include "ui/CRadioCommands.h"
#include "ui/CUserAction.h"
#include "ui/StepNames.h"
#include "ui/StringTable.h"

namespace {

// The document's part that the list uses, with the document's undo history.
class HistoryDoc final : public ql::ui::CRadioCommands {
  public:
    explicit HistoryDoc(ql::C7400RadioData& radio) : radio_(radio), history_(radio) {}

    std::vector<std::string> Apply(std::span<const std::string> commands) override {
        std::vector<std::string> answers;
        for (const std::string& command : commands) answers.push_back(radio_.Command(command));
        return answers;
    }
    [[nodiscard]] std::string Query(std::string_view command) override {
        return radio_.Command(command);
    }
    void BeginAction() override { history_.Begin(); }
    void EndAction(std::unique_ptr<ql::ui::CDataSetStep> step) override {
        history_.End(std::move(step));
    }
    ql::CEditHistory& History() { return history_; }

  private:
    ql::C7400RadioData& radio_;
    ql::CEditHistory history_;
};

// The list over a full data set, with the document's undo history.
class ShownHistory {
  public:
    // One user action of the given step's kind.
    void Act(const QString& stepName, const std::vector<std::string>& commands) {
        const ql::ui::CUserAction action(list_.Document(), stepName);
        (void)list_.Document().Apply(commands);
    }
    // Back and forth through the last step, each time with the list rebuilt and repainted.
    void UndoRedo() {
        History().Undo();
        list_->Refresh();
        QApplication::processEvents();
        History().Redo();
        list_->Refresh();
        QApplication::processEvents();
    }
    ql::CEditHistory& History() { return list_.Document().History(); }

  private:
    ql::bench::ShownList<HistoryDoc> list_;
};

// 144.000 to 147.950 MHz in 50 kHz steps, on every channel raster: a channel never gets the
// frequency it has.
std::string Frequency(int step) {
    const int khz = 144000 + 50 * (step % 80);
    std::string text = std::to_string(khz);
    return text.substr(0, 3) + "." + text.substr(3) + "0";
}

std::string Channel(int n) {
    return "CH.MCH_144." + std::to_string(n) + ".";
}

// One channel's frequency: the smallest step.
void BM_UndoRedoEditMemoryStep(benchmark::State& state) {
    ShownHistory list;
    list.Act(ql::ui::EditMemoryStepName(ql::Band::kVhf, 12), {Channel(12) + "FREQUENCY=146.5000"});
    for (auto _ : state) list.UndoRedo();
    state.SetLabel("undo + redo, each with the list repainted");
}
BENCHMARK(BM_UndoRedoEditMemoryStep)->Unit(benchmark::kMillisecond);

// Every memory channel of the band cleared: the largest step.
void BM_UndoRedoClearOfNinetyNineRows(benchmark::State& state) {
    ShownHistory list;
    std::vector<std::string> commands;
    for (int n = 1; n <= 99; ++n) commands.push_back(Channel(n) + "CLEAR");
    list.Act(ql::ui::PlainMenuText(ql::ui::cmd::kClear), commands);
    for (auto _ : state) list.UndoRedo();
    state.SetLabel("undo + redo, each with the list repainted");
}
BENCHMARK(BM_UndoRedoClearOfNinetyNineRows)->Unit(benchmark::kMillisecond);

// 200 steps of the kinds a session makes (mostly channel edits, some bulk edits of ten
// channels and settings), measured as heap growth.
void BM_HistoryOf200Steps(benchmark::State& state) {
    ShownHistory list;
    std::size_t heap = 0;
    std::size_t estimate = 0;
    for (auto _ : state) {
        state.PauseTiming();
        list.History().Forget(true);
        const std::size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        // Until the history holds 200 steps: an action that changes nothing leaves none.
        for (int step = 0; list.History().Steps() < 200; ++step) {
            const int n = 1 + step % 99;
            if (step % 20 == 0) {
                std::vector<std::string> commands;
                for (int k = 0; k < 10; ++k) {
                    commands.push_back(Channel(1 + (n + k) % 99) +
                                       "SKIP=" + (step % 40 == 0 ? "SKIP" : "PROGRAM_SKIP"));
                }
                list.Act(ql::ui::BulkEditStepName(10), commands);
            } else if (step % 10 == 5) {
                list.Act(
                    ql::ui::PlainMenuText(ql::ui::cmd::kCommonSetting),
                    {std::string("COMMON.RF_POWER_VHF=") + (step % 20 == 5 ? "MID-L" : "HIGH")});
            } else {
                list.Act(ql::ui::EditMemoryStepName(ql::Band::kVhf, n),
                         {Channel(n) + "FREQUENCY=" + Frequency(step)});
            }
        }
        state.PauseTiming();
        heap = mallinfo2().uordblks - before;
        estimate = list.History().Footprint();
        state.ResumeTiming();
    }
    state.counters["steps"] = list.History().Steps();
    state.counters["heap_kB"] = static_cast<double>(heap) / 1024.0;
    state.counters["estimate_kB"] = static_cast<double>(estimate) / 1024.0;
}
BENCHMARK(BM_HistoryOf200Steps)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

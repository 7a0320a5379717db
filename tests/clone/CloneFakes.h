#pragma once

// Fakes for the clone tests: a clock on which sleeping only advances the time, a tone
// player that records, and a user interface that records and answers by script.

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "clone/CClock.h"
#include "clone/CCloneUi.h"
#include "clone/CTonePlayer.h"

namespace ql::test {

using std::chrono::milliseconds;

class FakeClock final : public CClock {
  public:
    [[nodiscard]] std::int64_t WholeSeconds() override { return now_.count() / 1'000'000; }
    void Sleep(milliseconds duration) override {
        sleeps.push_back(duration);
        now_ += duration;
    }
    void Advance(std::chrono::microseconds duration) { now_ += duration; }
    void AdvanceTo(std::chrono::microseconds time) { now_ = std::max(now_, time); }
    [[nodiscard]] milliseconds Now() override {
        return std::chrono::duration_cast<milliseconds>(now_);
    }
    [[nodiscard]] std::chrono::microseconds Precise() override { return now_; }

    std::vector<milliseconds> sleeps;

  private:
    std::chrono::microseconds now_{0};
};

class RecordingTones final : public CTonePlayer {
  public:
    void Play(std::span<const Tone> signal) override {
        signals.emplace_back(signal.begin(), signal.end());
    }
    std::vector<std::vector<Tone>> signals;
};

// Every call as one line of text ("status: ...", "box!: ..." with the warning icon,
// "box: ..." without), so a test compares the whole conversation at once.
class ScriptedUi final : public CCloneUi {
  public:
    void ShowStatus(std::string_view text) override { Log("status: ", text); }
    void BeginProgress(std::string_view caption) override { Log("progress: ", caption); }
    void SetProgress(int percent) override {
        ++progressCalls;
        if (percents.empty() || percents.back() != percent) percents.push_back(percent);
    }
    [[nodiscard]] bool CancelRequested() override {
        ++cancelChecks;
        return cancelAtPercent && !percents.empty() && percents.back() >= *cancelAtPercent;
    }
    void EndProgress() override { Log("progress end", ""); }
    [[nodiscard]] bool ConfirmOkCancel(std::string_view question) override {
        Log("confirm: ", question);
        return answerOk;
    }
    void ShowMessage(std::string_view text, bool warning) override {
        Log(warning ? "box!: " : "box: ", text);
    }
    void BeginWaitCursor() override { ++waitDepth; }
    void EndWaitCursor() override { --waitDepth; }
    void ShowInformation(std::string_view model, std::string_view comment) override {
        Log("information: ", std::string(model) + "|" + std::string(comment));
    }
    void DataLoaded() override { Log("data loaded", ""); }
    void ShowCause(std::string_view line) override { Log("cause: ", line); }
    void WithDataSet(const std::function<void()>& access) override {
        ++dataSetAccesses;
        ++dataSetDepth;
        access();
        --dataSetDepth;
    }

    // Only the status texts and boxes, the report of an operation.
    [[nodiscard]] std::vector<std::string> Report() const;

    bool answerOk = true;
    std::optional<int> cancelAtPercent;
    int waitDepth = 0;
    // How often the operations asked for the data set, and whether they are inside now.
    int dataSetAccesses = 0;
    int dataSetDepth = 0;
    std::vector<std::string> log;
    std::vector<int> percents;
    // How often the link called SetProgress and CancelRequested, where a window would
    // process its events.
    int progressCalls = 0;
    int cancelChecks = 0;

  private:
    void Log(std::string_view kind, std::string_view text) {
        log.push_back(std::string(kind) + std::string(text));
    }
};

}  // namespace ql::test

#pragma once

#include <atomic>
#include <functional>

#include "base/CWakeSignal.h"
#include "clone/CCloneUi.h"

namespace ql {

class CWorkerBridge;

// The window's clone user interface as an exchange on a worker thread reaches it. Every
// call crosses to the window's thread through the bridge, in the order the exchange makes
// them: the progress, the status texts and the wait cursor without waiting; the question,
// the boxes, the Information dialog, the news of a completed read and every access to the
// data set wait until the window's thread has carried them out. The user's cancel command
// comes back through an atomic flag that CancelRequested reads, and wakes the exchange
// through a descriptor.
class CCrossThreadCloneUi final : public CCloneUi {
  public:
    // window belongs to the bridge's window thread.
    CCrossThreadCloneUi(CCloneUi& window, CWorkerBridge& bridge);
    ~CCrossThreadCloneUi() override;
    CCrossThreadCloneUi(const CCrossThreadCloneUi&) = delete;
    CCrossThreadCloneUi& operator=(const CCrossThreadCloneUi&) = delete;

    // From any thread: the user asked the exchange to stop.
    void RequestCancel() {
        cancel_.store(true);
        wake_.Raise();
    }

    void ShowStatus(std::string_view text) override;
    void BeginProgress(std::string_view caption) override;
    // Crosses only when the percentage changed.
    void SetProgress(int percent) override;
    [[nodiscard]] bool CancelRequested() override;
    [[nodiscard]] int CancelDescriptor() override { return wake_.Descriptor(); }
    void EndProgress() override;

    [[nodiscard]] bool ConfirmOkCancel(std::string_view question) override;
    void ShowMessage(std::string_view text, bool warning) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void ShowInformation(std::string_view modelName, std::string_view comment) override;
    void DataLoaded() override;
    void ShowCause(std::string_view line) override;
    void WithDataSet(const std::function<void()>& access) override;

  private:
    CCloneUi& window_;
    CWorkerBridge& bridge_;
    std::atomic<bool> cancel_{false};
    CWakeSignal wake_;
    int shownPercent_ = -1;  // the exchange's thread only
};

}  // namespace ql

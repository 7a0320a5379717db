#pragma once

#include <functional>
#include <string_view>

namespace ql {

// What the clone link reaches of the user interface while an exchange runs: the status
// bar message and the progress display with its cancel command. The link calls SetProgress
// when the percentage changes and CancelRequested when the cancel descriptor woke it (or,
// without one, about every 20 ms, where a window on the same thread processes its events).
class CCloneProgress {
  public:
    CCloneProgress() = default;
    CCloneProgress(const CCloneProgress&) = delete;
    CCloneProgress& operator=(const CCloneProgress&) = delete;
    virtual ~CCloneProgress() = default;

    virtual void ShowStatus(std::string_view text) = 0;
    virtual void BeginProgress(std::string_view caption) = 0;
    virtual void SetProgress(int percent) = 0;
    // True once after the user asked to cancel.
    [[nodiscard]] virtual bool CancelRequested() = 0;
    // A descriptor that turns readable when the user asks to cancel, so that the link can
    // sleep until the line or the user has something for it; -1 when there is none, and the
    // link then looks at CancelRequested (and the display) every slice instead.
    [[nodiscard]] virtual int CancelDescriptor() { return -1; }
    virtual void EndProgress() = 0;
};

// What the clone operations need of the user interface beyond the progress display. The
// application's document, the command-line tool and tests each provide one.
class CCloneUi : public CCloneProgress {
  public:
    // An OK/Cancel question; true for OK.
    [[nodiscard]] virtual bool ConfirmOkCancel(std::string_view question) = 0;
    // A message box, with the warning icon when warning is set.
    virtual void ShowMessage(std::string_view text, bool warning) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    // The Information dialog of a matching transceiver.
    virtual void ShowInformation(std::string_view modelName, std::string_view comment) = 0;
    // A completed read changed the data set: mark the document modified, update the views.
    virtual void DataLoaded() = 0;
    // Just before the box of a failure: one line naming the device and the likely cause (see
    // DiagnoseFailure), once per finding. A window adds the lines to the box that follows (a
    // terminal prints them after it); ignoring them loses only the hint.
    virtual void ShowCause(std::string_view /*line*/) {}
    // Runs access, which reads or changes the data set, on the thread that owns the data
    // set, and returns when it is done. Here that is the caller's; a window that runs the
    // exchange on a thread of its own runs access on the window's thread, so that the data
    // set and its command trace are only ever touched there.
    virtual void WithDataSet(const std::function<void()>& access) { access(); }
};

// The wait cursor for the lifetime of the guard.
class CWaitScope {
  public:
    explicit CWaitScope(CCloneUi& ui) : ui_(ui) { ui_.BeginWaitCursor(); }
    ~CWaitScope() { ui_.EndWaitCursor(); }
    CWaitScope(const CWaitScope&) = delete;
    CWaitScope& operator=(const CWaitScope&) = delete;

  private:
    CCloneUi& ui_;
};

}  // namespace ql

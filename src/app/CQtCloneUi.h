#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

#include "clone/CCloneUi.h"

namespace ql::ui {
class CProgressDlg;
class CUserPrompts;
}  // namespace ql::ui

namespace ql {

// The clone operations' user interface in the application: message boxes through the
// prompts, the status text to the main window's message pane, the wait cursor, the
// progress dialog over the main window and the Information dialog. It lives on the window's
// thread; an exchange on a worker thread reaches it through CCrossThreadCloneUi.
class CQtCloneUi final : public CCloneUi {
  public:
    using StatusSink = std::function<void(const QString&)>;
    using LoadedSink = std::function<void()>;
    using CancelSink = std::function<void()>;

    explicit CQtCloneUi(ui::CUserPrompts& prompts);
    ~CQtCloneUi() override;
    CQtCloneUi(const CQtCloneUi&) = delete;
    CQtCloneUi& operator=(const CQtCloneUi&) = delete;

    // The main window (none during start-up: status texts are then dropped).
    void SetWindow(QWidget* window) { window_ = window; }
    void SetStatusSink(StatusSink sink) { status_ = std::move(sink); }
    void SetLoadedSink(LoadedSink sink) { loaded_ = std::move(sink); }
    // Told of the user's cancel command in the progress dialog, as the user gives it.
    void SetCancelSink(CancelSink sink) { cancel_ = std::move(sink); }

    void ShowStatus(std::string_view text) override;
    void BeginProgress(std::string_view caption) override;
    void SetProgress(int percent) override;
    [[nodiscard]] bool CancelRequested() override;
    void EndProgress() override;

    [[nodiscard]] bool ConfirmOkCancel(std::string_view question) override;
    void ShowMessage(std::string_view text, bool warning) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void ShowInformation(std::string_view modelName, std::string_view comment) override;
    void DataLoaded() override;
    // Kept for the failure box that follows, which shows them below its text.
    void ShowCause(std::string_view line) override;

    // The progress dialog while a read or write runs.
    [[nodiscard]] ui::CProgressDlg* Progress() const { return progress_.get(); }

  private:
    ui::CUserPrompts& prompts_;
    QPointer<QWidget> window_;
    StatusSink status_;
    LoadedSink loaded_;
    CancelSink cancel_;
    std::unique_ptr<ui::CProgressDlg> progress_;
    QStringList causes_;
};

}  // namespace ql

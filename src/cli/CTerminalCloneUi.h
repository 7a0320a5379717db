#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "clone/CCloneUi.h"

namespace ql::cli {

class CInterruptWatch;

// The clone operations' user interface on a terminal. Questions are answered OK (the
// command line was the confirmation), status texts and message boxes are kept for the
// command to print at its end, and while a read or write runs a progress bar is drawn on
// standard error when that is a terminal. Ctrl-C is the cancel command.
class CTerminalCloneUi final : public CCloneUi {
  public:
    struct Message {
        std::string text;
        bool warning = false;
    };

    CTerminalCloneUi(std::ostream& progressOut, bool drawProgress, CInterruptWatch* interrupts);

    void ShowStatus(std::string_view text) override { status_ = std::string(text); }
    void BeginProgress(std::string_view caption) override;
    void SetProgress(int percent) override;
    [[nodiscard]] bool CancelRequested() override;
    [[nodiscard]] int CancelDescriptor() override;
    void EndProgress() override;

    [[nodiscard]] bool ConfirmOkCancel(std::string_view /*question*/) override { return true; }
    void ShowMessage(std::string_view text, bool warning) override {
        messages_.push_back({std::string(text), warning});
    }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void ShowInformation(std::string_view modelName, std::string_view comment) override;
    void DataLoaded() override {}
    void ShowCause(std::string_view line) override { causes_.emplace_back(line); }

    // The last status text, as the status bar would show it.
    [[nodiscard]] const std::string& Status() const { return status_; }
    [[nodiscard]] const std::vector<Message>& Messages() const { return messages_; }
    // The likely causes of a failure, one line each.
    [[nodiscard]] const std::vector<std::string>& Causes() const { return causes_; }
    // The Information dialog's content, once shown.
    [[nodiscard]] const std::string& Information() const { return information_; }

  private:
    void Draw();

    std::ostream& out_;
    bool draw_;
    CInterruptWatch* interrupts_;
    std::string status_;
    std::vector<Message> messages_;
    std::vector<std::string> causes_;
    std::string information_;
    std::string caption_;
    int percent_ = -1;
    bool active_ = false;
};

// A text of the string table as a terminal line: blanks around it and carriage returns
// removed, and a line end after it.
[[nodiscard]] std::string TerminalText(std::string_view text);

}  // namespace ql::cli

#pragma once

// The application's message boxes and file dialogs answered by script: each question takes
// the next answer given in advance, and everything shown is kept as one line of text
// ("question: ...", "exclamation: ...", "warning: ...", "information: ...", "open: ...", "save:
// ...").

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/CUserPrompts.h"

namespace ql::test {

class ScriptedPrompts final : public ui::CUserPrompts {
  public:
    void SetOwner(QWidget* /*owner*/) override {}
    [[nodiscard]] Answer OkCancel(const QString& text) override;
    [[nodiscard]] Answer YesNoCancel(const QString& text) override;
    [[nodiscard]] Answer YesNo(const QString& text) override;
    void Warning(const QString& text) override;
    // Shown as a warning; the cause is kept apart in causes.
    void WarningWithCause(const QString& text, const QString& cause) override;
    void Information(const QString& text) override;
    [[nodiscard]] std::optional<QString> OpenFile(const QString& filter,
                                                  const QString& folder) override;
    [[nodiscard]] std::optional<QString> SaveFile(const QString& suggested, const QString& filter,
                                                  const QString& extension,
                                                  const QString& folder) override;

    // Answers to the coming questions, in order.
    std::deque<Answer> answers;
    // Names chosen in the coming file dialogs; an empty name cancels the dialog.
    std::deque<QString> files;
    // Called as each box or dialog opens, to look at the windows around it.
    std::function<void()> onShow;
    // Everything shown so far.
    std::vector<std::string> shown;
    // The folders the file dialogs started in, in order.
    std::vector<QString> folders;
    // The cause texts shown below warnings, in order.
    std::vector<std::string> causes;

    // The lines shown since the last call.
    std::vector<std::string> Take();

  private:
    Answer Next(Answer fallback);
    void Shown(std::string line);
};

}  // namespace ql::test

#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ql::ui {

class CDataSetStep;

// What a dialog may do with the radio data: ask with queries for what it shows, and hand
// over the assignments of one user action (a page left, an OK pressed) as one step, which
// the document runs in order and follows with a single refresh of the views.
class CRadioCommands {
  public:
    CRadioCommands() = default;
    CRadioCommands(const CRadioCommands&) = delete;
    CRadioCommands& operator=(const CRadioCommands&) = delete;
    virtual ~CRadioCommands() = default;

    [[nodiscard]] virtual std::string Query(std::string_view command) = 0;
    // Runs each command text in order and returns the answers.
    virtual std::vector<std::string> Apply(std::span<const std::string> commands) = 0;

    // One user action that may apply several times (a dialog's pages, a row command over
    // several rows): what the Apply calls between BeginAction and EndAction change becomes
    // one step of the undo history, named by step. Actions nest; only the outermost one
    // makes a step, and one that changed nothing makes none. See CUserAction.
    virtual void BeginAction() {}
    virtual void EndAction(std::unique_ptr<CDataSetStep> step) { (void)step; }
};

}  // namespace ql::ui

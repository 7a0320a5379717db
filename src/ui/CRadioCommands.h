#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ql::ui {

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
};

}  // namespace ql::ui

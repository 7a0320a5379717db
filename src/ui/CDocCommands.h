#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ql {
class C7400RadioData;
}

namespace ql::ui {

// The document as the views and dialogs see it: queries for display, and one entry point
// through which every change a user makes reaches the radio data object as command texts.
class CDocCommands {
  public:
    CDocCommands() = default;
    CDocCommands(const CDocCommands&) = delete;
    CDocCommands& operator=(const CDocCommands&) = delete;
    virtual ~CDocCommands() = default;

    // One user action: runs each command text in order and returns the answers.
    virtual std::vector<std::string> Apply(std::span<const std::string> commands) = 0;
    // A query for display; changes nothing.
    [[nodiscard]] virtual std::string Query(std::string_view command) = 0;
    // The radio data object, for what is no command text (the current band, channel paths).
    [[nodiscard]] virtual C7400RadioData& RadioData() = 0;
};

}  // namespace ql::ui

#pragma once

// The document's part that views and dialogs use, straight over a radio data object: every
// command goes to the object as it is, and each user action is counted and its command
// texts are kept.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/C7400RadioData.h"
#include "ui/CRadioCommands.h"

namespace ql::test {

class DirectDoc final : public ui::CRadioCommands {
  public:
    explicit DirectDoc(C7400RadioData& radio) : radio_(radio) {}

    std::vector<std::string> Apply(std::span<const std::string> commands) override {
        steps.emplace_back(commands.begin(), commands.end());
        std::vector<std::string> answers;
        for (const std::string& command : commands) answers.push_back(radio_.Command(command));
        return answers;
    }
    [[nodiscard]] std::string Query(std::string_view command) override {
        return radio_.Command(command);
    }

    // The command texts of each user action so far.
    std::vector<std::vector<std::string>> steps;

  private:
    C7400RadioData& radio_;
};

}  // namespace ql::test

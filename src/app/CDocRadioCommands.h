#pragma once

#include "ui/CRadioCommands.h"

namespace ql {

class CQL7400Doc;

// The dialogs' way to the radio data: queries straight to the document, each step of
// assignments through the document's single entry point for changes.
class CDocRadioCommands final : public ui::CRadioCommands {
  public:
    explicit CDocRadioCommands(CQL7400Doc& doc) : doc_(doc) {}

    [[nodiscard]] std::string Query(std::string_view command) override;
    void Apply(std::span<const std::string> commands) override;

  private:
    CQL7400Doc& doc_;
};

}  // namespace ql

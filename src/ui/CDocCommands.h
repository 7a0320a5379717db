#pragma once

#include "ui/CRadioCommands.h"

namespace ql {
class C7400RadioData;
}

namespace ql::ui {

// The document as the views see it: the dialogs' queries and single entry point for changes,
// and the radio data object itself for what is no command text.
class CDocCommands : public CRadioCommands {
  public:
    // The radio data object, for what is no command text (the current band, channel paths).
    [[nodiscard]] virtual C7400RadioData& RadioData() = 0;
};

}  // namespace ql::ui

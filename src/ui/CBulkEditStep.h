#pragma once

#include <cstddef>
#include "ui/CDataSetStep.h"

namespace ql::ui {

// A Bulk Edit OK over several channels: "Bulk Edit (7 channels)".
class CBulkEditStep final : public CDataSetStep {
  public:
    explicit CBulkEditStep(std::size_t channels);
};

}  // namespace ql::ui

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/QueryForm.h"

#include "model/CRangeValueList.h"

namespace ql {

// A setting whose stored number (what the image holds) comes from a range list.
class CRangeSetting {
  public:
    explicit CRangeSetting(const CRangeValueList& list) : list_(&list) {}

    void SetNumber(std::int32_t n) { current_ = list_->Resolve(n); }
    // Unchanged when no allowed number has this text.
    bool SetText(std::string_view text);
    [[nodiscard]] std::int32_t Number() const { return current_; }
    [[nodiscard]] const std::string& Text() const { return list_->Text(current_); }

    // Assigns value (when not empty) in the given form; answers the value held afterwards.
    std::string Handle(QueryForm form, std::string_view value);

    friend bool operator==(const CRangeSetting&, const CRangeSetting&) = default;

  private:
    const CRangeValueList* list_;  // shared, not owned
    std::int32_t current_ = 0;
};

}  // namespace ql

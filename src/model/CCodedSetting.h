#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/QueryForm.h"

#include "model/CCodedValueList.h"

namespace ql {

// A setting that holds a position in a coded list; the image holds the entry's code.
class CCodedSetting {
  public:
    explicit CCodedSetting(const CCodedValueList& list) : list_(&list) {}

    void SetPosition(std::int32_t p) { current_ = list_->Resolve(p); }
    bool SetText(std::string_view text);
    // An unknown code selects the list's default position.
    void SetCode(std::uint16_t code);
    [[nodiscard]] std::int32_t Position() const { return current_; }
    [[nodiscard]] std::uint16_t Code() const { return list_->Code(current_); }
    [[nodiscard]] const std::string& Text() const { return list_->Text(current_); }

    // Assigns value (when not empty) in the given form; answers the value held afterwards.
    std::string Handle(QueryForm form, std::string_view value);

    friend bool operator==(const CCodedSetting&, const CCodedSetting&) = default;

  private:
    const CCodedValueList* list_;  // shared, not owned
    std::int32_t current_ = 0;
};

}  // namespace ql

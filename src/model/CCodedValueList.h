#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ql {

// An ordered list of entries, each a text and the code that the image stores for it.
class CCodedValueList {
  public:
    // count entries, each "xxxx" with its position as code; the builder overwrites them.
    void SetCount(std::int32_t count);
    void SetEntry(std::int32_t position, std::string text, std::uint16_t code);

    // p when inside the list; else the default position when inside; else 0.
    [[nodiscard]] std::int32_t Resolve(std::int32_t p) const;
    [[nodiscard]] const std::string& Text(std::int32_t p) const;
    [[nodiscard]] std::uint16_t Code(std::int32_t p) const;
    [[nodiscard]] bool FindText(std::string_view text, std::int32_t& p) const;
    [[nodiscard]] bool FindCode(std::uint16_t code, std::int32_t& p) const;

    [[nodiscard]] std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
    [[nodiscard]] std::int32_t DefaultPosition() const { return default_; }

  private:
    struct Entry {
        std::string text;
        std::uint16_t code = 0;
    };
    std::vector<Entry> entries_;
    std::int32_t default_ = 0;
};

}  // namespace ql

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ql {

// A frequency in hertz, never negative; shown as MHz with four decimals.
class CFrequency {
  public:
    CFrequency() = default;
    explicit CFrequency(std::int64_t hz) { SetHz(hz); }

    // Negative values store 0; values beyond 32 bits saturate.
    void SetHz(std::int64_t hz);
    [[nodiscard]] std::int32_t Hz() const { return hz_; }

    // Reads MHz from the first 15 characters (leading blanks and tabs dropped), rounds to
    // the nearest hertz and limits to 2000 MHz. A text that holds no finite number leaves
    // the value unchanged; returns whether it was taken.
    bool SetFromMHzText(std::string_view text);
    // "%ld.%04ld": whole MHz and the four decimals below (hertz below 100 are not shown).
    [[nodiscard]] std::string MHzText() const;

    friend bool operator==(const CFrequency&, const CFrequency&) = default;

  private:
    std::int32_t hz_ = 0;
};

}  // namespace ql

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/CMemoryImage.h"
#include "model/ImageLayout.h"

namespace ql {

// One DTMF autodial memory: up to 16 digits of 4 bits (0-9, A-D, * as E, # as F).
class CDtmfCode {
  public:
    static constexpr int kMaxDigits = 16;

    // The digit a code keeps of the character c, as the code answers it: 0-9 and A-F (a-f
    // in upper case), "*" as E and "#" as F; nullopt for a character the code skips.
    [[nodiscard]] static std::optional<char> KeptDigit(char c);

    // Stores the DTMF digits of text (others are skipped, past 16 ignored). Digit places
    // after the new count keep their old values.
    void SetDigits(std::string_view text);
    [[nodiscard]] std::string DigitText() const;
    [[nodiscard]] int Count() const { return count_; }
    void SetCount(int count);

    void Decode(const CMemoryImage& image, std::int32_t pos);
    void Encode(CMemoryImage& image, std::int32_t pos) const;

  private:
    int count_ = 0;
    std::array<std::uint8_t, 8> digits_{};
};

// The fourteen DTMF autodial memories, answered as "DTMF.<n>" commands.
class CDtmfMemories {
  public:
    static constexpr int kCount = image_layout::kDtmfCount;
    static constexpr std::int32_t kImagePosition = image_layout::kDtmfMemories;
    static constexpr std::int32_t kRecordSize = image_layout::kRecordSize;

    // "DTMF." commands; "" when the command is not one of them.
    std::string Handle(std::string_view command);

    void Decode(const CMemoryImage& image);
    void Encode(CMemoryImage& image) const;
    [[nodiscard]] bool Decoded() const { return decoded_; }
    void SetDecoded(bool decoded) { decoded_ = decoded; }

  private:
    bool decoded_ = false;
    std::array<CDtmfCode, kCount> codes_{};
};

}  // namespace ql

#include "model/CDtmfMemories.h"

#include <algorithm>

#include "base/HexDigits.h"
#include "model/TextOps.h"

namespace ql {

namespace {
// 0-9 and A-F (in either case) are themselves, "*" is E and "#" is F.
int DigitValue(char c) {
    if (c == '*') return 14;
    if (c == '#') return 15;
    return HexValue(c);
}
}  // namespace

std::optional<char> CDtmfCode::KeptDigit(char c) {
    const int value = DigitValue(c);
    if (value < 0) return std::nullopt;
    return HexDigit(static_cast<unsigned>(value));
}

void CDtmfCode::SetCount(int count) {
    count_ = std::clamp(count, 0, kMaxDigits);
}

void CDtmfCode::SetDigits(std::string_view text) {
    int i = 0;
    for (const char c : text) {
        if (i == kMaxDigits) break;
        const int value = DigitValue(c);
        if (value < 0) continue;
        auto& byte = digits_[static_cast<std::size_t>(i / 2)];
        byte = (i % 2 == 0) ? static_cast<std::uint8_t>((byte & 0x0F) | (value << 4))
                            : static_cast<std::uint8_t>((byte & 0xF0) | value);
        ++i;
    }
    count_ = i;
}

std::string CDtmfCode::DigitText() const {
    std::string text;
    for (int i = 0; i < count_; ++i) {
        const auto byte = digits_[static_cast<std::size_t>(i / 2)];
        text += HexDigit((i % 2 == 0) ? (byte >> 4U) : byte);
    }
    return text;
}

void CDtmfCode::Decode(const CMemoryImage& image, std::int32_t pos) {
    for (std::size_t i = 0; i < digits_.size(); ++i) {
        digits_[i] = image.ReadByte(pos + 1 + static_cast<std::int32_t>(i));
    }
    SetCount(image.ReadByte(pos));
}

void CDtmfCode::Encode(CMemoryImage& image, std::int32_t pos) const {
    for (std::size_t i = 0; i < digits_.size(); ++i) {
        image.WriteByte(pos + 1 + static_cast<std::int32_t>(i), digits_[i]);
    }
    image.WriteByte(pos, static_cast<unsigned>(count_));
}

std::string CDtmfMemories::Handle(std::string_view command) {
    const std::string_view path = Field(command, '=', 0);
    if (!EqualsNoCase(Field(path, '.', 0), "DTMF")) return {};
    const int number = ScanDecimal(Field(path, '.', 1)).value_or(-1);
    if (number < 0 || number >= kCount) return {};
    CDtmfCode& code = codes_[static_cast<std::size_t>(number)];
    const std::string_view value = Field(command, '=', 1);
    if (!value.empty()) code.SetDigits(value);
    return code.DigitText();
}

void CDtmfMemories::Decode(const CMemoryImage& image) {
    for (int k = 0; k < kCount; ++k) {
        codes_[static_cast<std::size_t>(k)].Decode(image, kImagePosition + kRecordSize * k);
    }
    decoded_ = true;
}

void CDtmfMemories::Encode(CMemoryImage& image) const {
    for (int k = 0; k < kCount; ++k) {
        codes_[static_cast<std::size_t>(k)].Encode(image, kImagePosition + kRecordSize * k);
    }
}

}  // namespace ql

#include "clone/CByteBuf.h"

#include <algorithm>

#include "base/HexDigits.h"

namespace ql {

namespace {
// A character that is no upper-case hexadecimal digit counts as 0.
std::uint8_t Nibble(std::uint8_t c) {
    const int value = UpperHexValue(static_cast<char>(c));
    return static_cast<std::uint8_t>(value < 0 ? 0 : value);
}
}  // namespace

void CByteBuf::Append(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes) Append(byte);
}

void CByteBuf::AppendText(std::string_view text) {
    for (const char c : text) Append(static_cast<std::uint8_t>(c));
}

std::uint8_t CByteBuf::At(std::size_t index) const {
    if (bytes_.empty()) return 0;
    return bytes_[std::min(index, bytes_.size() - 1)];
}

void CByteBuf::Keep(std::size_t start, std::size_t count) {
    if (start >= bytes_.size()) {
        bytes_.clear();
        return;
    }
    const std::size_t end = start + std::min(count, bytes_.size() - start);
    bytes_.erase(bytes_.begin() + static_cast<std::ptrdiff_t>(end), bytes_.end());
    bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(start));
}

void CByteBuf::ToHex() {
    const std::vector<std::uint8_t> source = bytes_;
    bytes_.clear();
    for (const std::uint8_t byte : source) {
        Append(static_cast<std::uint8_t>(HexDigit(byte >> 4U)));
        Append(static_cast<std::uint8_t>(HexDigit(byte)));
    }
}

void CByteBuf::SetHexByte(std::uint8_t byte) {
    Set(byte);
    ToHex();
}

void CByteBuf::FromHex() {
    const std::vector<std::uint8_t> source = bytes_;
    bytes_.clear();
    for (std::size_t i = 0; i < source.size(); i += 2) {
        if (i + 1 < source.size()) {
            Append(static_cast<std::uint8_t>(Nibble(source[i]) * 16 + Nibble(source[i + 1])));
        } else {
            Append(Nibble(source[i]));
        }
    }
}

}  // namespace ql

#include "clone/CByteBuf.h"

#include <algorithm>

namespace ql {

namespace {
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

std::uint8_t Nibble(std::uint8_t c) {
    if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
    return 0;
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
        Append(static_cast<std::uint8_t>(kHexDigits[byte >> 4]));
        Append(static_cast<std::uint8_t>(kHexDigits[byte & 0x0F]));
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

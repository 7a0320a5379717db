#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace ql {

// A bounded byte string: a byte appended to a full buffer is dropped. Every frame and
// field of the clone protocol is held in one of these, so nothing received can grow past
// its capacity.
class CByteBuf {
  public:
    static constexpr std::size_t kDefaultCapacity = 255;

    explicit CByteBuf(std::size_t capacity = kDefaultCapacity) : capacity_(capacity) {
        bytes_.reserve(capacity_);
    }

    void Clear() { bytes_.clear(); }
    void Append(std::uint8_t byte) {
        if (bytes_.size() < capacity_) bytes_.push_back(byte);
    }
    void Append(std::span<const std::uint8_t> bytes);
    void Append(const CByteBuf& other) { Append(other.Bytes()); }
    void AppendText(std::string_view text);
    void Set(std::uint8_t byte) {
        Clear();
        Append(byte);
    }

    // The byte at index; an index at or past the end gives the last byte, and an empty
    // buffer gives 0.
    [[nodiscard]] std::uint8_t At(std::size_t index) const;
    [[nodiscard]] std::size_t Length() const { return bytes_.size(); }
    [[nodiscard]] bool Empty() const { return bytes_.empty(); }
    [[nodiscard]] bool DiffersFrom(const CByteBuf& other) const { return bytes_ != other.bytes_; }
    [[nodiscard]] std::span<const std::uint8_t> Bytes() const { return bytes_; }
    [[nodiscard]] std::string_view Text() const {
        return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()};
    }

    // Keeps count bytes from start on (clipped at the end).
    void Keep(std::size_t start, std::size_t count);
    // Replaces every byte by its two upper-case hexadecimal characters, high nibble first.
    void ToHex();
    // The two hexadecimal characters of one byte.
    void SetHexByte(std::uint8_t byte);
    // Turns pairs of hexadecimal characters back into bytes: "0"-"9" and "A"-"F" are
    // digits, any other character counts as 0, and an odd last character gives its nibble.
    void FromHex();

  private:
    std::size_t capacity_;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace ql

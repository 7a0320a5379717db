#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ql {

// A bounds-checked byte array mirroring the transceiver's memory. Positions
// outside the image read as 255 (bytes) or 1 (bits) and are never written.
class CMemoryImage {
  public:
    CMemoryImage() = default;
    explicit CMemoryImage(std::int32_t size) { SetSize(size); }

    // Allocates size bytes, all 0. A negative size gives an empty image.
    void SetSize(std::int32_t size);
    [[nodiscard]] std::int32_t Size() const { return static_cast<std::int32_t>(bytes_.size()); }

    [[nodiscard]] std::uint8_t ReadByte(std::int32_t pos) const;
    void WriteByte(std::int32_t pos, unsigned value);

    // Bit 0 is the least significant bit.
    [[nodiscard]] int ReadBit(std::int32_t pos, int bit) const;
    void WriteBit(std::int32_t pos, int bit, bool flag);

    // Bit fields run from startBit (7 = most significant) of pos towards bit 0 and go on at
    // bit 7 of the next byte; at most 16 bits, most significant bit first.
    [[nodiscard]] std::uint16_t ReadBits(std::int32_t pos, int startBit, int width) const;
    void WriteBits(std::int32_t pos, int startBit, int width, unsigned value);

    void FillBytes(std::int32_t start, std::uint8_t value, std::int32_t count);
    // Sets count bits from bit 7 of start downwards, then bit 7 of the next byte.
    void FillBits(std::int32_t start, bool flag, std::int32_t count);

    // Both copies move nothing unless the first and the last position are inside.
    bool CopyOut(std::int32_t pos, std::span<std::uint8_t> destination) const;
    bool CopyIn(std::int32_t pos, std::span<const std::uint8_t> source);

    // length characters from pos, cut at the first zero byte ("" when outside the image).
    [[nodiscard]] std::string ReadText(std::int32_t pos, std::int32_t length) const;
    // Exactly length characters of text from pos, padded with blanks.
    void WriteText(std::int32_t pos, std::string_view text, std::int32_t length);

    [[nodiscard]] std::span<const std::uint8_t> Bytes() const { return bytes_; }
    // Every byte, writable in place; the size stays as it is.
    [[nodiscard]] std::span<std::uint8_t> MutableBytes() { return bytes_; }

    friend bool operator==(const CMemoryImage&, const CMemoryImage&) = default;

  private:
    // Where a bit field lies when all of it is inside the image: the bytes it touches (0 when
    // not wholly inside or not a valid field) and how far its last bit is from bit 0.
    struct FieldSpan {
        int bytes = 0;
        int shift = 0;
    };
    [[nodiscard]] FieldSpan SpanOf(std::int32_t pos, int startBit, int width) const;
    // bytes (1 to 3) from pos as one big-endian number; the caller has checked them.
    [[nodiscard]] unsigned Word(std::int32_t pos, int bytes) const;

    [[nodiscard]] bool Inside(std::int32_t pos) const {
        return static_cast<std::uint32_t>(pos) < static_cast<std::uint32_t>(bytes_.size());
    }

    std::vector<std::uint8_t> bytes_;
};

}  // namespace ql

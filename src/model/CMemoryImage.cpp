#include "model/CMemoryImage.h"

#include <algorithm>

namespace ql {

void CMemoryImage::SetSize(std::int32_t size) {
    bytes_.assign(static_cast<std::size_t>(std::max(size, 0)), 0);
}

std::uint8_t CMemoryImage::ReadByte(std::int32_t pos) const {
    return Inside(pos) ? bytes_[static_cast<std::size_t>(pos)] : 255;
}

void CMemoryImage::WriteByte(std::int32_t pos, unsigned value) {
    if (Inside(pos)) bytes_[static_cast<std::size_t>(pos)] = static_cast<std::uint8_t>(value);
}

int CMemoryImage::ReadBit(std::int32_t pos, int bit) const {
    if (!Inside(pos) || bit < 0 || bit > 7) return 1;
    return (bytes_[static_cast<std::size_t>(pos)] >> bit) & 1;
}

void CMemoryImage::WriteBit(std::int32_t pos, int bit, bool flag) {
    if (!Inside(pos) || bit < 0 || bit > 7) return;
    auto& byte = bytes_[static_cast<std::size_t>(pos)];
    const auto mask = static_cast<std::uint8_t>(1U << bit);
    byte = flag ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

CMemoryImage::FieldSpan CMemoryImage::SpanOf(std::int32_t pos, int startBit, int width) const {
    if (startBit < 0 || startBit > 7 || width < 1 || width > 16) return {};
    const int bits = (7 - startBit) + width;  // from bit 7 of pos to the field's last bit
    const int bytes = (bits + 7) / 8;
    if (!Inside(pos) || !Inside(pos + bytes - 1)) return {};
    return {bytes, 8 * bytes - bits};
}

unsigned CMemoryImage::Word(std::int32_t pos, int bytes) const {
    unsigned word = 0;
    for (int i = 0; i < bytes; ++i) word = (word << 8) | bytes_[static_cast<std::size_t>(pos + i)];
    return word;
}

std::uint16_t CMemoryImage::ReadBits(std::int32_t pos, int startBit, int width) const {
    // A field inside one byte of the image: one shift and mask.
    if (Inside(pos) && startBit >= 0 && startBit <= 7 && width >= 1 && width <= startBit + 1) {
        const unsigned byte = bytes_[static_cast<std::size_t>(pos)];
        return static_cast<std::uint16_t>((byte >> (startBit + 1 - width)) & ((1U << width) - 1));
    }
    // A field over two or three bytes, all inside: the bytes as one big-endian word.
    if (const FieldSpan span = SpanOf(pos, startBit, width); span.bytes > 0) {
        const unsigned word = Word(pos, span.bytes);
        return static_cast<std::uint16_t>((word >> span.shift) & ((1U << width) - 1));
    }
    unsigned value = 0;
    int bit = startBit;
    for (int i = 0; i < std::min(width, 16); ++i) {
        value = (value << 1) | static_cast<unsigned>(ReadBit(pos, bit));
        if (--bit < 0) {
            bit = 7;
            ++pos;
        }
    }
    return static_cast<std::uint16_t>(value);
}

void CMemoryImage::WriteBits(std::int32_t pos, int startBit, int width, unsigned value) {
    if (Inside(pos) && startBit >= 0 && startBit <= 7 && width >= 1 && width <= startBit + 1) {
        const int shift = startBit + 1 - width;
        const unsigned mask = ((1U << width) - 1) << shift;
        auto& byte = bytes_[static_cast<std::size_t>(pos)];
        byte = static_cast<std::uint8_t>((byte & ~mask) | ((value << shift) & mask));
        return;
    }
    if (const FieldSpan span = SpanOf(pos, startBit, width); span.bytes > 0) {
        const unsigned mask = ((1U << width) - 1) << span.shift;
        const unsigned word = (Word(pos, span.bytes) & ~mask) | ((value << span.shift) & mask);
        for (int i = span.bytes - 1, at = pos; i >= 0; --i, ++at) {
            bytes_[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(word >> (8 * i));
        }
        return;
    }
    width = std::min(width, 16);
    int bit = startBit;
    for (int i = width - 1; i >= 0; --i) {
        WriteBit(pos, bit, ((value >> i) & 1U) != 0);
        if (--bit < 0) {
            bit = 7;
            ++pos;
        }
    }
}

void CMemoryImage::FillBytes(std::int32_t start, std::uint8_t value, std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i) WriteByte(start + i, value);
}

void CMemoryImage::FillBits(std::int32_t start, bool flag, std::int32_t count) {
    std::int32_t pos = start;
    int bit = 7;
    for (std::int32_t i = 0; i < count; ++i) {
        WriteBit(pos, bit, flag);
        if (--bit < 0) {
            bit = 7;
            ++pos;
        }
    }
}

bool CMemoryImage::CopyOut(std::int32_t pos, std::span<std::uint8_t> destination) const {
    if (destination.empty()) return true;
    const auto last =
        static_cast<std::int64_t>(pos) + static_cast<std::int64_t>(destination.size()) - 1;
    if (!Inside(pos) || last >= Size()) return false;
    std::copy_n(bytes_.begin() + pos, destination.size(), destination.begin());
    return true;
}

bool CMemoryImage::CopyIn(std::int32_t pos, std::span<const std::uint8_t> source) {
    if (source.empty()) return true;
    const auto last = static_cast<std::int64_t>(pos) + static_cast<std::int64_t>(source.size()) - 1;
    if (!Inside(pos) || last >= Size()) return false;
    std::copy(source.begin(), source.end(), bytes_.begin() + pos);
    return true;
}

}  // namespace ql

namespace ql {

std::string CMemoryImage::ReadText(std::int32_t pos, std::int32_t length) const {
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    if (!CopyOut(pos, std::span(reinterpret_cast<std::uint8_t*>(text.data()), text.size())))
        return {};
    text.resize(std::min(text.find('\0'), text.size()));
    return text;
}

void CMemoryImage::WriteText(std::int32_t pos, std::string_view text, std::int32_t length) {
    for (std::int32_t i = 0; i < length; ++i) {
        const auto at = static_cast<std::size_t>(i);
        WriteByte(pos + i, at < text.size() ? static_cast<unsigned char>(text[at]) : ' ');
    }
}

}  // namespace ql

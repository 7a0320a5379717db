#include "model/ChannelCodec.h"

namespace ql {

namespace {
unsigned Digit(std::int64_t hz, std::int64_t unit) {
    return static_cast<unsigned>((hz / unit) % 10);
}

// The two bytes below the 10 MHz digit: 1 MHz and 100 kHz, then 10 kHz, 1 kHz, 500 Hz.
void EncodeLow(CMemoryImage& image, std::int32_t pos, std::int64_t hz) {
    image.WriteByte(pos, (Digit(hz, 1000000) << 4) | Digit(hz, 100000));
    image.WriteByte(pos + 1, (Digit(hz, 10000) << 4) | ((Digit(hz, 1000) & 7U) << 1) |
                                 (hz % 1000 != 0 ? 1U : 0U));
}

std::int32_t DecodeLow(const CMemoryImage& image, std::int32_t pos) {
    const unsigned a = image.ReadByte(pos);
    const unsigned b = image.ReadByte(pos + 1);
    return static_cast<std::int32_t>((a >> 4) * 1000000 + (a & 15U) * 100000 + (b >> 4) * 10000 +
                                     ((b >> 1) & 7U) * 1000 + (b & 1U) * 500);
}
}  // namespace

void EncodeFrequency(CMemoryImage& image, std::int32_t pos, std::int64_t hz) {
    image.WriteByte(pos, (Digit(hz, 100000000) << 4) | Digit(hz, 10000000));
    EncodeLow(image, pos + 1, hz);
}

std::int32_t DecodeFrequency(const CMemoryImage& image, std::int32_t pos) {
    const unsigned top = image.ReadByte(pos);
    return static_cast<std::int32_t>((top >> 4) * 100000000 + (top & 15U) * 10000000) +
           DecodeLow(image, pos + 1);
}

void EncodeOffset(CMemoryImage& image, std::int32_t pos, std::int64_t hz) {
    image.WriteBits(pos, 3, 4, Digit(hz, 10000000));
    EncodeLow(image, pos + 1, hz);
}

std::int32_t DecodeOffset(const CMemoryImage& image, std::int32_t pos) {
    return static_cast<std::int32_t>(image.ReadBits(pos, 3, 4) * 10000000U) +
           DecodeLow(image, pos + 1);
}

}  // namespace ql

#pragma once

#include <cstdint>

#include "model/CMemoryImage.h"

namespace ql {

// Digit-coded frequencies as channel records hold them: three bytes of decimal digits
// from 100 MHz down to 1 kHz (the 1 kHz digit in bits 3-1), bit 0 of the last byte set
// when something is left below 1 kHz (worth 500 Hz).
void EncodeFrequency(CMemoryImage& image, std::int32_t pos, std::int64_t hz);
[[nodiscard]] std::int32_t DecodeFrequency(const CMemoryImage& image, std::int32_t pos);

// The duplex offset: the same digits without the 100 MHz one; the 10 MHz digit sits in
// the low nibble of pos (the high nibble is left alone), then two more bytes.
void EncodeOffset(CMemoryImage& image, std::int32_t pos, std::int64_t hz);
[[nodiscard]] std::int32_t DecodeOffset(const CMemoryImage& image, std::int32_t pos);

}  // namespace ql

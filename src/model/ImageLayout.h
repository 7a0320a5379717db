#pragma once

#include <cstdint>

// Where things lie in the 4000-byte memory image. Each band (144 MHz from offset 0, 430 MHz
// from kUhfBand) holds, in order: the 99 memory channels as named records, the six
// program-scan edges (1A to 3B) as plain records, the call channel as a named record and
// ten spare records. A plain record is a channel's 9 frequency and setting bytes; a named
// record adds its 8 name characters.
namespace ql::image_layout {

inline constexpr std::int32_t kRecordSize = 9;
inline constexpr std::int32_t kNameSize = 8;
inline constexpr std::int32_t kNamedRecordSize = kRecordSize + kNameSize;

inline constexpr int kMemoryChannels = 99;
inline constexpr int kScanEdges = 6;
inline constexpr int kSpareRecords = 10;

// Offsets within a band.
inline constexpr std::int32_t kScanEdgeOffset = kMemoryChannels * kNamedRecordSize;
inline constexpr std::int32_t kCallOffset = kScanEdgeOffset + kScanEdges * kRecordSize;
inline constexpr std::int32_t kSpareOffset = kCallOffset + kNamedRecordSize;
inline constexpr std::int32_t kBandSize = kSpareOffset + kSpareRecords * kRecordSize;

inline constexpr std::int32_t kVhfBand = 0;
inline constexpr std::int32_t kUhfBand = 1856;
// The gap between the bands, filled with 0xFF.
inline constexpr std::int32_t kBandGap = kVhfBand + kBandSize;

// The 14 DTMF autodial memories, one plain-sized record each.
inline constexpr std::int32_t kDtmfMemories = 3712;
inline constexpr int kDtmfCount = 14;

// The five VFO records: air band, 144 MHz, 300 MHz, 430 MHz and 800 MHz.
inline constexpr std::int32_t kVfoRecords = 3840;
inline constexpr int kVfoCount = 5;

static_assert(kScanEdgeOffset == 1683 && kCallOffset == 1737 && kSpareOffset == 1754);
static_assert(kBandGap + 12 == kUhfBand);
static_assert(kUhfBand + kBandSize <= kDtmfMemories);

}  // namespace ql::image_layout

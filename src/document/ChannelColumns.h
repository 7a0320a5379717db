#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "model/ChannelPath.h"

namespace ql {

// Answers a command text as the radio data object does: CRadioData::Command, or a window's
// query of its document. The channel interchange asks only queries through it.
using CommandQuery = std::function<std::string(std::string_view)>;

// Which channel lists a channel file covers.
enum class BandChoice { kVhf, kUhf, kBoth };

// The two ways channel lists travel as text: comma-separated files and tab-separated text
// (the desktop clipboard of spreadsheets).
enum class TextFormat { kCsv, kTsv };

[[nodiscard]] constexpr char SeparatorOf(TextFormat format) {
    return format == TextFormat::kTsv ? '\t' : ',';
}

// CSV lines end in CR LF, as spreadsheets write them; tab-separated text in LF.
[[nodiscard]] constexpr std::string_view LineEndOf(TextFormat format) {
    return format == TextFormat::kTsv ? "\n" : "\r\n";
}

// The choice of band alone.
[[nodiscard]] constexpr BandChoice OnlyBand(Band band) {
    return band == Band::kVhf ? BandChoice::kVhf : BandChoice::kUhf;
}

[[nodiscard]] constexpr bool Covers(BandChoice bands, Band band) {
    return bands == BandChoice::kBoth || (bands == BandChoice::kVhf) == (band == Band::kVhf);
}

// The columns of the channel-list layout that channel editors and repeater directories
// exchange, in the order they are written.
enum class ChannelColumn : std::size_t {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kRxDtcsCode,
    kCrossMode,
    kMode,
    kTStep,
    kSkip,
    kPower,
    kComment,
    kUrCall,
    kRpt1Call,
    kRpt2Call,
    kDvCode,
};

inline constexpr std::size_t kChannelColumnCount = 21;

inline constexpr std::array<std::string_view, kChannelColumnCount> kChannelColumnNames = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

[[nodiscard]] constexpr std::string_view ColumnName(ChannelColumn column) {
    return kChannelColumnNames[static_cast<std::size_t>(column)];
}

// The lowest and highest memory channel of a band: the only channels a channel file holds.
inline constexpr unsigned kFirstFileChannel = 1;
inline constexpr unsigned kLastFileChannel = 99;

}  // namespace ql

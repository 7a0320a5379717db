#pragma once

#include <cstdint>

#include "model/CFrequency.h"

namespace ql {

// The band class of a frequency: how many of the band edges (118, 136, 174.000001, 320,
// 400, 530.000001, 800, 824.01, 848.990001, 869.01, 893.990001 and 1000 MHz) lie at or
// below it. 1 air band, 2 the 144 MHz band, 4 the 300 MHz band, 5 the 430 MHz band, 7-11
// the 800 MHz band and its cellular parts; 0, 3, 6 and 12 are outside every band.
[[nodiscard]] int BandClass(std::int64_t hz);

namespace band_class {
inline constexpr int kAir = 1;
inline constexpr int k144 = 2;
inline constexpr int k300 = 4;
inline constexpr int k430 = 5;
// The 800 MHz band with its cellular parts.
inline constexpr int k800First = 7;
inline constexpr int k800Last = 11;
}  // namespace band_class

// The 800 MHz band and above: its raster is 10 and 12.5 kHz.
[[nodiscard]] constexpr bool IsHighBandClass(int bandClass) {
    return bandClass >= band_class::k800First;
}

[[nodiscard]] constexpr bool Is800BandClass(int bandClass) {
    return bandClass >= band_class::k800First && bandClass <= band_class::k800Last;
}

struct RasterFit {
    bool on5k = false;     // a multiple of 5 kHz (10 kHz in the high band)
    bool on6_25k = false;  // a multiple of 6.25 kHz (12.5 kHz in the high band)
};
[[nodiscard]] RasterFit RasterTest(std::int64_t value, bool highBand);

// Lowers a frequency to the channel raster: the next multiple of 5 kHz (10 kHz from
// 800 MHz up) or of 12.5 kHz at or below it, after limiting it to 999.999999 MHz.
void RoundToRaster(CFrequency& frequency);

// Limits a duplex offset to 20 MHz, then rounds it to the raster.
void LimitOffset(CFrequency& offset);

}  // namespace ql

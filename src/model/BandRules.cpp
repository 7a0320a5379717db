#include "model/BandRules.h"

#include <array>

namespace ql {

namespace {
constexpr std::array<std::int64_t, 12> kBandEdges = {118000000, 136000000, 174000001, 320000000,
                                                     400000000, 530000001, 800000000, 824010000,
                                                     848990001, 869010000, 893990001, 1000000000};
}  // namespace

int BandClass(std::int64_t hz) {
    int count = 0;
    for (const auto edge : kBandEdges) {
        if (edge <= hz) ++count;
    }
    return count;
}

RasterFit RasterTest(std::int64_t value, bool highBand) {
    const std::int64_t step5 = highBand ? 10000 : 5000;
    const std::int64_t step625 = highBand ? 12500 : 6250;
    return {value % step5 == 0, value % step625 == 0};
}

void RoundToRaster(CFrequency& frequency) {
    std::int64_t f = frequency.Hz();
    const std::int64_t raster = IsHighBandClass(BandClass(f)) ? 10000 : 5000;
    if (f > 999999999) f = 999999999;
    // Every multiple of 250 Hz that is also one of the raster or of 12.5 kHz lies on a
    // multiple of 250; stepping down 250 Hz at a time finds the nearest one below.
    if (f > 0 && f % raster != 0 && f % 12500 != 0) {
        f = ((f - 1) / 250) * 250;
        while (f > 0 && f % raster != 0 && f % 12500 != 0) f -= 250;
    }
    frequency.SetHz(f);
}

void LimitOffset(CFrequency& offset) {
    if (offset.Hz() > 20000000) offset.SetHz(20000000);
    RoundToRaster(offset);
}

}  // namespace ql

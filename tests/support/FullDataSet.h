#pragma once

// A full data set for tests, benchmarks and fuzz targets alike: every one of the 198 memory
// channels in use, on its own frequency and named. Needs no test framework.

#include <cstdio>
#include <string_view>

#include "model/CRadioData.h"

namespace ql::test {

// Puts every memory channel of both bands in use: channel n of the VHF band on
// 144.000 + 0.020 n MHz, of the UHF band on 432.000 + 0.020 n MHz, named "CHnn-<band>".
// extraItems (TAB-separated item assignments, starting with a TAB) are set on each too.
inline void FillAllMemoryChannels(CRadioData& radio, std::string_view extraItems = "") {
    for (const char* band : {"144", "430"}) {
        const int baseKHz = band[0] == '1' ? 144000 : 432000;
        for (int n = 1; n <= 99; ++n) {
            const int khz = baseKHz + 20 * n;
            char command[256];
            std::snprintf(command, sizeof command,
                          "CH.MCH_%s.%d.ALL=APPEAR=ON\tFREQUENCY=%d.%03d0\tNAME=CH%02d-%s%.*s",
                          band, n, khz / 1000, khz % 1000, n, band,
                          static_cast<int>(extraItems.size()), extraItems.data());
            radio.Command(command);
        }
    }
}

}  // namespace ql::test

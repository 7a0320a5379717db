#include "desktop/ToneSynthesis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ql {

std::vector<std::int16_t> SynthesizeSignal(std::span<const Tone> signal, unsigned rate) {
    constexpr double kAmplitude = 0.4 * 32767.0;
    std::vector<std::int16_t> samples;
    for (const Tone& tone : signal) {
        const auto count = static_cast<std::size_t>(tone.duration.count()) * rate / 1000;
        const std::size_t fade = std::max<std::size_t>(rate / 1000, 1);
        for (std::size_t i = 0; i < count; ++i) {
            double value = 0.0;
            if (tone.hertz != 0) {
                const double envelope =
                    std::min({1.0, static_cast<double>(i) / static_cast<double>(fade),
                              static_cast<double>(count - i) / static_cast<double>(fade)});
                value =
                    kAmplitude * envelope *
                    std::sin(2.0 * std::numbers::pi * tone.hertz * static_cast<double>(i) / rate);
            }
            samples.push_back(static_cast<std::int16_t>(std::lround(value)));
        }
    }
    return samples;
}

}  // namespace ql

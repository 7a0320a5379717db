#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "desktop/ToneSynthesis.h"

namespace ql {
namespace {

using std::chrono::milliseconds;

TEST(ToneSynthesis, TonesAndRestsTakeTheirTimeAtTheirPitch) {
    constexpr unsigned kRate = 8000;
    const std::array<Tone, 3> signal{
        {{1000, milliseconds(50)}, {0, milliseconds(50)}, {500, milliseconds(400)}}};
    const auto samples = SynthesizeSignal(signal, kRate);
    ASSERT_EQ(samples.size(), 500U * kRate / 1000);

    const auto tone = std::span(samples).subspan(0, 400);
    const auto rest = std::span(samples).subspan(400, 400);
    EXPECT_TRUE(std::all_of(rest.begin(), rest.end(), [](std::int16_t s) { return s == 0; }));
    // 1000 Hz over 50 ms: 50 periods, so about 100 sign changes.
    int changes = 0;
    for (std::size_t i = 1; i < tone.size(); ++i) {
        if ((tone[i - 1] < 0) != (tone[i] < 0)) ++changes;
    }
    EXPECT_NEAR(changes, 100, 2);
    // Faded in, so the first sample does not click.
    EXPECT_EQ(tone.front(), 0);
    EXPECT_GT(*std::max_element(tone.begin(), tone.end()), 10000);
}

}  // namespace
}  // namespace ql

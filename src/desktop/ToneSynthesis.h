#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "clone/CTonePlayer.h"

namespace ql {

// The samples of a signal as 16-bit mono PCM at rate samples per second: each tone a sine
// of its frequency, faded in and out over a millisecond so it does not click; rests silent.
[[nodiscard]] std::vector<std::int16_t> SynthesizeSignal(std::span<const Tone> signal,
                                                         unsigned rate);

}  // namespace ql

#pragma once

#include <cstddef>
#include <cstdint>

#include "clone/CByteBuf.h"

namespace ql {

// Gathers received bytes into frames: 0xFE starts over (so any number of preamble bytes
// is accepted), 0xFD completes the frame, every other byte is appended (and dropped when
// the buffer is full). Bytes between a 0xFD and the next 0xFE are gathered and discarded
// by that 0xFE.
class CFrameReceiver {
  public:
    // Takes one byte; true when it completed a frame, which is then in LastFrame().
    bool Receive(std::uint8_t byte);
    void Reset();
    // The bytes taken since the last 0xFD (or the reset): the frame under way with its
    // preamble and any noise before it.
    [[nodiscard]] std::size_t SinceEnd() const { return sinceEnd_; }

    // The bytes received since the last 0xFE (the frame as heard, without 0xFE and 0xFD).
    [[nodiscard]] const CByteBuf& Buffer() const { return buffer_; }
    // The last complete frame, without its preamble and end mark.
    [[nodiscard]] const CByteBuf& LastFrame() const { return lastFrame_; }

  private:
    CByteBuf buffer_;
    CByteBuf lastFrame_;
    std::size_t sinceEnd_ = 0;
};

}  // namespace ql

#pragma once

#include "clone/CTonePlayer.h"

namespace ql {

class CWorkerBridge;

// A tone player for the clone link on the bridge's worker thread: each signal crosses to the
// window's thread and is played there, in order with the status texts and boxes that the
// exchange sends the same way.
class CCrossThreadTones final : public CTonePlayer {
  public:
    CCrossThreadTones(CTonePlayer& player, CWorkerBridge& bridge)
        : player_(player), bridge_(bridge) {}

    void Play(std::span<const Tone> signal) override;

  private:
    CTonePlayer& player_;
    CWorkerBridge& bridge_;
};

}  // namespace ql

#pragma once

#include "clone/CTonePlayer.h"

namespace ql {

// Plays signals on the default ALSA sound device; silent when there is none.
class CAlsaTonePlayer final : public CTonePlayer {
  public:
    void Play(std::span<const Tone> signal) override;
};

}  // namespace ql

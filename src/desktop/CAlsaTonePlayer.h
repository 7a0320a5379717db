#pragma once

#include <thread>

#include "clone/CTonePlayer.h"

namespace ql {

// Plays signals on the default ALSA sound device; silent when there is none. A signal
// plays on a worker thread that owns its samples, so Play returns at once and the window
// (or the terminal's prompt) does not wait the seconds a failure signal lasts. A new
// signal waits for the one before to end; the destructor lets the last one finish.
class CAlsaTonePlayer final : public CTonePlayer {
  public:
    CAlsaTonePlayer() = default;
    ~CAlsaTonePlayer() override;
    CAlsaTonePlayer(const CAlsaTonePlayer&) = delete;
    CAlsaTonePlayer& operator=(const CAlsaTonePlayer&) = delete;

    void Play(std::span<const Tone> signal) override;

  private:
    std::thread worker_;
};

}  // namespace ql

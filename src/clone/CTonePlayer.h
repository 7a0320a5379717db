#pragma once

#include <chrono>
#include <span>

namespace ql {

// One step of an acoustic signal: a tone of hertz for duration, or a rest when hertz is 0.
struct Tone {
    unsigned hertz = 0;
    std::chrono::milliseconds duration{0};

    friend bool operator==(const Tone&, const Tone&) = default;
};

// Plays a signal, returning when it is over. Behind this interface so that the programs
// choose their sound device (or none) and tests record what would sound.
class CTonePlayer {
  public:
    CTonePlayer() = default;
    CTonePlayer(const CTonePlayer&) = delete;
    CTonePlayer& operator=(const CTonePlayer&) = delete;
    virtual ~CTonePlayer() = default;

    virtual void Play(std::span<const Tone> signal) = 0;
};

// For a machine without sound: the signal is skipped and takes no time.
class CSilentTones final : public CTonePlayer {
  public:
    void Play(std::span<const Tone> /*signal*/) override {}
};

}  // namespace ql

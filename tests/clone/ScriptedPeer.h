#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string_view>
#include <vector>

#include "clone/CByteBuf.h"
#include "clone/CFrameReceiver.h"

namespace ql::test {

using Bytes = std::vector<std::uint8_t>;

// A frame of the transceiver: FE FE EF EE, the command, the payload, FD.
[[nodiscard]] Bytes TransceiverFrame(std::uint8_t command, std::span<const std::uint8_t> payload);
[[nodiscard]] Bytes TransceiverFrame(std::uint8_t command, std::string_view payload);
// The same with the computer's addresses EE EF.
[[nodiscard]] Bytes ComputerFrame(std::uint8_t command, std::string_view payload);
[[nodiscard]] Bytes Concat(std::initializer_list<Bytes> parts);

// The far end of the line, by script: it echoes every byte it hears (single-wire bus)
// unless told not to, and answers a complete frame of the computer by the rule for its
// command. Rules are set before the exchange starts.
class ScriptedPeer {
  public:
    using Rule = std::function<Bytes(const CByteBuf& frame)>;

    void On(std::uint8_t command, Rule rule) { rules_[command] = std::move(rule); }
    void On(std::uint8_t command, Bytes answer) {
        rules_[command] = [answer](const CByteBuf&) { return answer; };
    }

    // Bytes from the computer; returns what goes back, in order.
    Bytes Hear(std::span<const std::uint8_t> bytes);

    bool echo = true;
    Bytes heard;
    std::vector<CByteBuf> frames;  // the computer's frames, without FE FE and FD

  private:
    CFrameReceiver receiver_;
    std::map<std::uint8_t, Rule> rules_;
};

}  // namespace ql::test

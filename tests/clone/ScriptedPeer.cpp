#include "clone/ScriptedPeer.h"

#include "clone/CloneFrame.h"

namespace ql::test {

Bytes TransceiverFrame(std::uint8_t command, std::span<const std::uint8_t> payload) {
    Bytes frame;
    frame.reserve(payload.size() + 6);
    for (const std::uint8_t byte : {std::uint8_t{0xFE}, std::uint8_t{0xFE}, std::uint8_t{0xEF},
                                    std::uint8_t{0xEE}, command}) {
        frame.push_back(byte);
    }
    for (const std::uint8_t byte : payload) frame.push_back(byte);
    frame.push_back(0xFD);
    return frame;
}

Bytes TransceiverFrame(std::uint8_t command, std::string_view payload) {
    const Bytes bytes(payload.begin(), payload.end());
    return TransceiverFrame(command, bytes);
}

Bytes ComputerFrame(std::uint8_t command, std::string_view payload) {
    Bytes frame = TransceiverFrame(command, payload);
    frame[2] = 0xEE;
    frame[3] = 0xEF;
    return frame;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes ScriptedPeer::Hear(std::span<const std::uint8_t> bytes) {
    Bytes reply;
    for (const std::uint8_t byte : bytes) {
        heard.push_back(byte);
        if (echo) reply.push_back(byte);
        if (!receiver_.Receive(byte)) continue;
        const CByteBuf& frame = receiver_.LastFrame();
        frames.push_back(frame);
        if (frame.Length() < 3) continue;
        if (const auto rule = rules_.find(frame.At(2)); rule != rules_.end()) {
            const Bytes answer = rule->second(frame);
            reply.insert(reply.end(), answer.begin(), answer.end());
        }
    }
    return reply;
}

}  // namespace ql::test

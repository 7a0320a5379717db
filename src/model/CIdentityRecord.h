#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace ql {

// The model identity that the clone operations compare with the transceiver's
// identification: model code, revision and a payload of version, expansion mask
// and a 16-character comment.
struct CIdentityRecord {
    static constexpr std::size_t kPayloadCapacity = 258;
    static constexpr std::size_t kVersionByte = 0;
    static constexpr std::size_t kExpansionByte = 1;
    static constexpr std::size_t kCommentOffset = 2;
    static constexpr std::size_t kCommentLength = 16;

    std::uint16_t modelCode = 0;
    std::uint16_t revision = 0;
    std::uint16_t payloadLength = 0;  // bytes of payload in use, at most kPayloadCapacity
    std::array<std::uint8_t, kPayloadCapacity> payload{};

    // Byte i of the payload, or fallback when it is past the bytes in use.
    [[nodiscard]] std::uint8_t PayloadByte(std::size_t i, std::uint8_t fallback = ' ') const {
        return i < payloadLength && i < payload.size() ? payload[i] : fallback;
    }
    // The 16 comment characters; missing ones are blanks.
    [[nodiscard]] std::string Comment() const {
        std::string text(kCommentLength, ' ');
        for (std::size_t i = 0; i < kCommentLength; ++i) {
            text[i] = static_cast<char>(PayloadByte(kCommentOffset + i));
        }
        return text;
    }
};

}  // namespace ql

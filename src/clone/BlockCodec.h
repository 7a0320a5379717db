#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ql {

// One data block: the address of its first byte and its bytes.
struct DataBlock {
    std::uint16_t address = 0;
    std::vector<std::uint8_t> data;
};

// The checksum of a data block: the two's complement of the sum (modulo 256) of the
// address bytes, the count and the data bytes, so that all of them and the checksum
// add up to 0.
[[nodiscard]] std::uint8_t BlockChecksum(std::span<const std::uint8_t> bytes);

// The checksum of a clone file line ("AAAACCDD..."), its characters decoded as hexadecimal.
[[nodiscard]] std::uint8_t LineChecksum(std::string_view line);

// A data block payload as it travels: address, count, data and checksum, all as upper-case
// hexadecimal text.
[[nodiscard]] std::string EncodeBlockPayload(std::uint16_t address,
                                             std::span<const std::uint8_t> data);

// The block in the payload of a received data frame. Empty when the checksum is wrong, the
// count does not match the data, or the payload is too short to hold a block.
[[nodiscard]] std::optional<DataBlock> DecodeBlockPayload(std::span<const std::uint8_t> payload);

// The clone file line of a block: address, count and data as upper-case hexadecimal.
[[nodiscard]] std::string BlockLine(const DataBlock& block);

}  // namespace ql

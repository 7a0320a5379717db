#include "clone/BlockCodec.h"

#include <numeric>

#include "clone/CByteBuf.h"

namespace ql {

namespace {
// Address high and low byte, count and checksum.
constexpr std::size_t kBlockOverhead = 4;

// Room for the whole block once it is turned into hexadecimal text.
CByteBuf BlockHead(std::uint16_t address, std::size_t count) {
    CByteBuf head(2 * (count + kBlockOverhead));
    head.Append(static_cast<std::uint8_t>(address >> 8));
    head.Append(static_cast<std::uint8_t>(address & 0xFF));
    head.Append(static_cast<std::uint8_t>(count));
    return head;
}
}  // namespace

std::uint8_t BlockChecksum(std::span<const std::uint8_t> bytes) {
    const unsigned sum = std::accumulate(bytes.begin(), bytes.end(), 0U);
    return static_cast<std::uint8_t>(-sum & 0xFFU);
}

std::uint8_t LineChecksum(std::string_view line) {
    CByteBuf decoded(line.size());
    decoded.AppendText(line);
    decoded.FromHex();
    return BlockChecksum(decoded.Bytes());
}

std::string EncodeBlockPayload(std::uint16_t address, std::span<const std::uint8_t> data) {
    CByteBuf block = BlockHead(address, data.size());
    block.Append(data);
    block.Append(BlockChecksum(block.Bytes()));
    block.ToHex();
    return std::string(block.Text());
}

std::optional<DataBlock> DecodeBlockPayload(std::span<const std::uint8_t> payload) {
    CByteBuf decoded(payload.size());
    decoded.Append(payload);
    decoded.FromHex();
    if (decoded.Length() < kBlockOverhead) return std::nullopt;
    if (BlockChecksum(decoded.Bytes()) != 0) return std::nullopt;
    const std::span<const std::uint8_t> bytes = decoded.Bytes();
    const std::size_t count = bytes[2];
    if (bytes.size() - kBlockOverhead != count) return std::nullopt;
    DataBlock block;
    block.address = static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
    block.data.assign(bytes.begin() + 3, bytes.end() - 1);
    return block;
}

std::string BlockLine(const DataBlock& block) {
    CByteBuf line = BlockHead(block.address, block.data.size());
    line.Append(block.data);
    line.ToHex();
    return std::string(line.Text());
}

}  // namespace ql

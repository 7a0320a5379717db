// The byte-level pieces of the clone protocol: bounded buffers, hexadecimal text, the data
// block checksum and frame reception.

#include <gtest/gtest.h>

#include "clone/BlockCodec.h"
#include "clone/CByteBuf.h"
#include "clone/CFrameReceiver.h"
#include "clone/ScriptedPeer.h"

namespace ql {
namespace {

CByteBuf Buf(std::string_view text, std::size_t capacity = CByteBuf::kDefaultCapacity) {
    CByteBuf buf(capacity);
    buf.AppendText(text);
    return buf;
}

TEST(ByteBuf, IsBoundedAndNeverReadsOutside) {
    CByteBuf buf(3);
    buf.AppendText("ABCDE");
    EXPECT_EQ(buf.Text(), "ABC");  // the rest was dropped
    EXPECT_EQ(buf.At(1), 'B');
    EXPECT_EQ(buf.At(7), 'C');  // past the end: the last byte
    EXPECT_EQ(CByteBuf().At(0), 0);
    EXPECT_EQ(CByteBuf().At(300), 0);

    CByteBuf kept = Buf("0123456789");
    kept.Keep(7, 10);
    EXPECT_EQ(kept.Text(), "789");
    kept.Keep(5, 1);
    EXPECT_TRUE(kept.Empty());

    CByteBuf copy(10);
    copy = Buf("xy", 2);  // a copy takes over the other's capacity
    copy.Append('z');
    EXPECT_EQ(copy.Text(), "xy");
    EXPECT_FALSE(copy.DiffersFrom(Buf("xy")));
    EXPECT_TRUE(copy.DiffersFrom(Buf("x")));
}

TEST(ByteBuf, HexadecimalBothWays) {
    CByteBuf buf;
    buf.Append(0x00);
    buf.Append(0xAB);
    buf.Append(0x7F);
    buf.ToHex();
    EXPECT_EQ(buf.Text(), "00AB7F");
    buf.FromHex();
    EXPECT_EQ(buf.Length(), 3U);
    EXPECT_EQ(buf.At(1), 0xAB);

    // Lower-case letters and other characters count as 0; an odd last digit is its nibble.
    CByteBuf odd = Buf("abZ9F");
    odd.FromHex();
    ASSERT_EQ(odd.Length(), 3U);
    EXPECT_EQ(odd.At(0), 0x00);
    EXPECT_EQ(odd.At(1), 0x09);
    EXPECT_EQ(odd.At(2), 0x0F);

    CByteBuf one;
    one.SetHexByte(0xD7);
    EXPECT_EQ(one.Text(), "D7");
}

TEST(BlockCodec, ChecksumMakesTheBlockSumToZero) {
    // The clone file line 0120 10 00112233445566778899AABBCCDDEEFF travels with D7.
    EXPECT_EQ(LineChecksum("01201000112233445566778899AABBCCDDEEFF"), 0xD7);
    const std::array<std::uint8_t, 16> data{0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                            0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
    EXPECT_EQ(EncodeBlockPayload(0x0120, data), "01201000112233445566778899AABBCCDDEEFFD7");
}

TEST(BlockCodec, DecodesOnlySoundBlocks) {
    const auto decode = [](std::string_view text) {
        const test::Bytes bytes(text.begin(), text.end());
        return DecodeBlockPayload(bytes);
    };
    const std::optional<DataBlock> good = decode("01201000112233445566778899AABBCCDDEEFFD7");
    ASSERT_TRUE(good);
    EXPECT_EQ(good->address, 0x0120);
    EXPECT_EQ(good->data.size(), 16U);
    EXPECT_EQ(BlockLine(*good), "01201000112233445566778899AABBCCDDEEFF");

    EXPECT_FALSE(decode("01201000112233445566778899AABBCCDDEEFFD8"));  // checksum
    EXPECT_FALSE(decode("012011001122FF"));  // sums to 0 but count 0x11 for 2 bytes
    EXPECT_FALSE(decode("0000"));            // too short for a block
    EXPECT_FALSE(decode(""));
    const std::optional<DataBlock> empty = decode("00000000");  // count 0: a block of nothing
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->data.empty());
}

TEST(FrameReceiver, PreambleAndNoiseChangeNothing) {
    CFrameReceiver receiver;
    const test::Bytes stream{0x11, 0x22, 0xFE, 0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x00,
                             0xFD, 0x55, 0xAA, 0xFE, 0xFE, 0xEF, 0xEE, 0xE5, 0xFD};
    std::vector<std::string> frames;
    for (const std::uint8_t byte : stream) {
        if (receiver.Receive(byte)) frames.emplace_back(receiver.LastFrame().Text());
    }
    ASSERT_EQ(frames.size(), 2U);
    EXPECT_EQ(frames[0], "\xEF\xEE\xE6" + std::string(1, '\0'));
    EXPECT_EQ(frames[1], "\xEF\xEE\xE5");

    // A frame longer than a buffer keeps its first 255 bytes.
    CFrameReceiver long_;
    long_.Receive(0xFE);
    for (int i = 0; i < 400; ++i) long_.Receive(0x30);
    EXPECT_TRUE(long_.Receive(0xFD));
    EXPECT_EQ(long_.LastFrame().Length(), 255U);
}

}  // namespace
}  // namespace ql

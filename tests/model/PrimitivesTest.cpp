// The building blocks under the command handlers, where their edge cases cannot be reached
// through a command text.

#include <gtest/gtest.h>

#include <array>

#include "model/CCodedSetting.h"
#include "model/CCodedValueList.h"
#include "model/CMemoryImage.h"
#include "model/CRangeSetting.h"
#include "model/CRangeValueList.h"

namespace ql {
namespace {

TEST(MemoryImage, BoundsAreCheckedForEveryAccess) {
    CMemoryImage image(4000);
    EXPECT_EQ(image.ReadByte(4000), 255);
    EXPECT_EQ(image.ReadByte(-1), 255);
    EXPECT_EQ(image.ReadBit(4000, 0), 1);
    const CMemoryImage before = image;
    image.WriteByte(4000, 0x12);
    image.WriteByte(-1, 0x12);
    image.WriteBit(4000, 3, true);
    std::array<std::uint8_t, 16> buffer{};
    buffer.fill(0x77);
    EXPECT_FALSE(image.CopyIn(3985, buffer));  // would end at 4000
    EXPECT_FALSE(image.CopyIn(-1, buffer));
    EXPECT_EQ(image, before);
    EXPECT_FALSE(image.CopyOut(3985, buffer));
    EXPECT_EQ(buffer[0], 0x77);
    EXPECT_TRUE(image.CopyOut(3984, buffer));
    EXPECT_EQ(buffer[0], 0x00);

    // A field running past the end reads its missing bits as 1 and writes only the rest.
    EXPECT_EQ(image.ReadBits(3999, 7, 12), 0x00F);
    image.WriteBits(3999, 3, 8, 0xFF);
    EXPECT_EQ(image.ReadByte(3999), 0x0F);
    EXPECT_EQ(image.Size(), 4000);
}

TEST(MemoryImage, BitFieldsRunMostSignificantFirstAcrossBytes) {
    CMemoryImage image(16);
    image.WriteByte(0, 0xA5);
    image.WriteByte(1, 0x3C);
    EXPECT_EQ(image.ReadBits(0, 7, 12), 0xA53);
    EXPECT_EQ(image.ReadBits(0, 3, 4), 0x5);
    EXPECT_EQ(image.ReadBits(0, 6, 2), 0x1);   // bits 6 and 5 of 1010 0101
    EXPECT_EQ(image.ReadBits(0, 1, 6), 0x13);  // bits 1-0 of 0xA5, then bits 7-4 of 0x3C
    image.WriteBits(0, 7, 12, 0xFFF123);       // only the low 12 bits count
    EXPECT_EQ(image.ReadByte(0), 0x12);
    EXPECT_EQ(image.ReadByte(1), 0x3C);  // the low nibble of the next byte is kept
    image.WriteBits(0, 1, 6, 0x2A);
    EXPECT_EQ(image.ReadByte(1), 0xAC);
    image.FillBits(4, true, 10);  // bits 7-0 of byte 4, then bits 7-6 of byte 5
    EXPECT_EQ(image.ReadByte(5), 0xC0);
}

TEST(ValueLists, ExcludedNumbersAndUnknownCodesFallBack) {
    CRangeValueList range;
    range.SetRange(3, 0);
    EXPECT_EQ(range.Size(), 4);
    range.SetText(0, "OFF");
    range.SetText(2, "ON1");
    range.SetText(3, "ON2");
    range.Exclude(1);  // its text stays empty and must never match
    CRangeSetting repeater(range);
    repeater.SetNumber(2);
    EXPECT_FALSE(repeater.SetText(""));
    EXPECT_EQ(repeater.Number(), 2);
    repeater.SetNumber(1);
    EXPECT_EQ(repeater.Number(), 0);
    range.Exclude(0);  // with the default excluded the lowest allowed number is taken
    EXPECT_EQ(range.Resolve(9), 2);

    CCodedValueList coded;
    coded.SetCount(4);
    EXPECT_EQ(coded.Text(1), "xxxx");
    coded.SetEntry(0, "OFF", 0);
    coded.SetEntry(1, "TONE", 3);
    coded.SetEntry(2, "TSQL", 4);
    coded.SetEntry(3, "DTCS", 5);
    CCodedSetting tone(coded);
    tone.SetCode(4);
    EXPECT_EQ(tone.Handle(QueryForm::ByNumber, ""), "2");
    tone.SetCode(9);
    EXPECT_EQ(tone.Position(), 0);
    EXPECT_EQ(tone.Handle(QueryForm::ByString, "xxxx"), "OFF");
    EXPECT_EQ(tone.Handle(QueryForm::ByMenuItemName, "dtcs"), "DTCS");
    EXPECT_EQ(tone.Code(), 5);
}

}  // namespace
}  // namespace ql

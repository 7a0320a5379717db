// The "COMMON." items and the DTMF autodial memories, read through the commands and checked
// in the saved image where the image layout is the point.

#include <gtest/gtest.h>

#include <string>

#include "model/FactoryImage.h"
#include "support/TestSupport.h"

namespace ql {
namespace {

using namespace std::string_literals;

using test::Quoted;
using test::TempDir;
using test::TestRadio;

TEST(CommonSettings, FactoryValuesDecodeFromTheirPlaces) {
    // Every item but the remote code (whose factory value is the program's own), in order.
    const std::string expected =
        "ON|OFF|OFF|OFF|AUTO|1200bps|LONG|1|OFF|OFF|OFF|OFF|V-M/C|U-M/C|MIC-UP|MIC-DN|50%|38%|"
        "TYPE 1|VFO(MR)|144|0|CALL|Normal|T-15|ALL|ALL|HIGH|VFO(MR)|430|0|CALL|Normal|T-15|ALL|"
        "ALL|HIGH|0|100ms|        |                |OFF|";
    TestRadio radio;
    std::string actual;
    for (const auto& name : test::CommonItemNames()) {
        if (name != "SUB_BAND_REMO_PASSWORD") actual += radio("COMMON."s + name) + "|";
    }
    EXPECT_EQ(actual, expected);
}

TEST(CommonSettings, FormsAndCase) {
    TestRadio radio;
    test::ExpectAnswers(radio,
                        "COMMON.BEEP.ByNumber>1|COMMON.beep=off>OFF|"
                        "common.Beep.bystring>OFF|COMMON.BEEP.ByMenuItemName=ON>ON|"
                        "COMMON.BEEP=MAYBE>ON|COMMON.LCD_CONTRAST.ByNumber=40>0|"
                        "COMMON.LCD_CONTRAST>0%|COMMON.LCD_CONTRAST.ByNumber=abc>0|"
                        "COMMON.MIC_ID=off>OFF|COMMON.MIC_ID.ByNumber>8|");

    // Coded items answer the list position, not the code they store.
    EXPECT_EQ(radio("COMMON.BAND_OF_VFO_UHF.ByNumber"), "1");  // "430", code 3
    test::ExpectAnswers(radio,
                        "COMMON.PROGRAM_SCAN_EDGE_VHF=P2>P2|"
                        "COMMON.PROGRAM_SCAN_EDGE_VHF.ByNumber>4|"
                        "COMMON.PROGRAM_SCAN_EDGE_UHF.ByNumber=4>4|"
                        "COMMON.PROGRAM_SCAN_EDGE_UHF>P1|COMMON.RF_POWER_VHF=mid-l>MID-L|"
                        "COMMON.RF_POWER_VHF.ByNumber>1|COMMON.RF_POWER_VHF.ByNumber=9>0|"
                        "COMMON.DTMF_CH_NO=d>D|COMMON.DTMF_CH_NO.ByNumber>13|");
}

TEST(CommonSettings, EncodedIntoTheirPlaces) {
    TempDir dir;
    TestRadio radio;
    for (const char* command :
         {"TOT=30min", "LCD_CONTRAST=100%", "LCD_BACKLIGHT=3%", "DISPLAY_TYPE=TYPE 4",
          "RF_POWER_VHF=MID-H", "RF_POWER_UHF=LOW", "SCAN_STOP_ACTION_UHF=P-2", "DTMF_SPEED=500ms",
          "SUB_BAND_REMO_SKIP=ON", "MIC_UP_FUNCTION=V-MONI", "PACKET_BAUDRATE=9600bps"}) {
        radio("COMMON."s + command);
    }
    const CMemoryImage image = radio.SavedImage(dir);
    EXPECT_EQ(test::Hex(image, 3920, 20), "0104000000010101000000000206031000012003");
    EXPECT_EQ(test::Hex(image, 3903, 1) + test::Hex(image, 3916, 4),
              "40"
              "03000000");
    EXPECT_EQ(test::Hex(image, 3839, 1) + test::Hex(image, 3711, 1),
              "03"
              "80");
}

TEST(CommonSettings, AutoRepeaterListFollowsTheVersion) {
    TestRadio usa(0);
    test::ExpectAnswers(usa,
                        "COMMON.AUTO_REPEATER=ON>OFF|COMMON.AUTO_REPEATER.ByNumber=1>0|"
                        "COMMON.AUTO_REPEATER=ON2>ON2|COMMON.AUTO_REPEATER.ByNumber>3|"
                        "COMMON.AUTO_REPEATER=on1>ON1|");

    TestRadio kor(10);
    EXPECT_EQ(kor("COMMON.AUTO_REPEATER"), "ON");
    EXPECT_EQ(kor("COMMON.AUTO_REPEATER=ON2"), "ON");
    EXPECT_EQ(TestRadio(15)("COMMON.AUTO_REPEATER"), "ON");
    TestRadio jpn(13);
    EXPECT_EQ(jpn("COMMON.AUTO_REPEATER"), "OFF");
    EXPECT_EQ(jpn("COMMON.AUTO_REPEATER=ON"), "ON");

    // AUS knows only "OFF", whatever the image holds.
    TempDir dir;
    TestRadio aus(2);
    EXPECT_EQ(aus("COMMON.AUTO_REPEATER=ON"), "OFF");
    CMemoryImage image = BuildFactoryImage(2);
    image.WriteByte(3922, 1);
    test::WriteFileBytes(dir.File("aus.icf"), test::IcfText(image));
    EXPECT_EQ(aus(Quoted("FILE.LOAD.", dir.File("aus.icf"))), "OK");
    EXPECT_EQ(aus("COMMON.AUTO_REPEATER"), "OFF");
    EXPECT_EQ(aus.SavedImage(dir).ReadByte(3922), 0);
}

TEST(CommonSettings, TextItems) {
    TempDir dir;
    TestRadio radio;
    test::ExpectAnswers(radio,
                        "COMMON.OPENING_TEXT=hello!>HELLO   |"
                        "COMMON.OPENING_TEXT.ByNumber=ab#c-1234567>AB C-123|"
                        "COMMON.CLONE_COMMENT=Field=Day>Field           |");
    EXPECT_EQ(radio("COMMON.CLONE_COMMENT=a\x7F\x1F\x80z"), "a\x7F  z"s + std::string(11, ' '));
    EXPECT_EQ(radio("COMMON.CLONE_COMMENT=Summer camp 2024 extra"), "Summer camp 2024");
    const auto file = dir.File("texts.icf");
    ASSERT_EQ(radio(Quoted("FILE.SAVE.", file)), "OK");
    const auto lines = test::SplitLines(test::ReadFileBytes(file));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], "#Summer camp 2024\r");
    const CMemoryImage image = test::ReadImage(file);
    EXPECT_EQ(test::Hex(image, 3952, 24),
              "53756D6D65722063616D702032303234"
              "414220432D313233");

    // A zero byte ends a text in the image.
    CMemoryImage loaded = BuildFactoryImage(0);
    loaded.WriteByte(3968, 'O');
    loaded.WriteByte(3969, 'K');
    loaded.WriteByte(3970, 0);
    loaded.WriteByte(3971, 'X');
    test::WriteFileBytes(dir.File("zero.icf"), test::IcfText(loaded));
    ASSERT_EQ(radio(Quoted("FILE.LOAD.", dir.File("zero.icf"))), "OK");
    EXPECT_EQ(radio("COMMON.OPENING_TEXT"), "OK      ");
}

TEST(CommonSettings, DtmfChannelIsStoredAsAPairOfBytes) {
    TempDir dir;
    TestRadio radio;
    const struct {
        int number;
        int first, second;
    } cases[] = {{0, 1, 0}, {1, 2, 0}, {10, 2, 9}, {11, 2, 10}, {13, 4, 10}};
    for (const auto& c : cases) {
        radio("COMMON.DTMF_CH_NO.ByNumber="s + std::to_string(c.number));
        const CMemoryImage image = radio.SavedImage(dir);
        EXPECT_EQ(image.ReadByte(3942) * 100 + image.ReadByte(3943), c.first * 100 + c.second)
            << c.number;
    }
    const struct {
        int first, second;
        const char* text;
    } reads[] = {{1, 0, "0"}, {0, 0, "0"}, {2, 10, "B"}, {4, 10, "D"}, {9, 10, "0"}};
    for (const auto& r : reads) {
        CMemoryImage image = BuildFactoryImage(0);
        image.WriteByte(3942, static_cast<unsigned>(r.first));
        image.WriteByte(3943, static_cast<unsigned>(r.second));
        test::WriteFileBytes(dir.File("pair.icf"), test::IcfText(image));
        ASSERT_EQ(radio(Quoted("FILE.LOAD.", dir.File("pair.icf"))), "OK");
        EXPECT_EQ(radio("COMMON.DTMF_CH_NO"), r.text) << r.first << "," << r.second;
    }
}

TEST(CommonSettings, RemoteCodeIsTwelveBitsInTheImage) {
    TempDir dir;
    TestRadio radio;
    const CMemoryImage factory = BuildFactoryImage(0);
    const int code = factory.ReadByte(3709) * 16 + factory.ReadByte(3710) / 16;
    EXPECT_EQ(radio("COMMON.SUB_BAND_REMO_PASSWORD"), std::to_string(code));
    for (int v = 1; v < kVersionCount; ++v) {
        const CMemoryImage other = BuildFactoryImage(v);
        EXPECT_EQ(other.ReadByte(3709), factory.ReadByte(3709)) << v;
        EXPECT_EQ(other.ReadByte(3710), factory.ReadByte(3710)) << v;
    }
    EXPECT_EQ(factory.ReadByte(3710) & 0x0F, 0);
    EXPECT_EQ(factory.ReadByte(3711), 0);
    EXPECT_EQ(radio("COMMON.SUB_BAND_REMO_PASSWORD=4095"), "4095");
    EXPECT_EQ(test::Hex(radio.SavedImage(dir), 3709, 2), "FFF0");

    // Too wide for 12 bits: held as assigned until the next decode, the image gets the low bits.
    EXPECT_EQ(radio("COMMON.SUB_BAND_REMO_PASSWORD.ByNumber=4101"), "4101");
    const auto file = dir.File("code.icf");
    ASSERT_EQ(radio(Quoted("FILE.SAVE.", file)), "OK");
    EXPECT_EQ(radio("COMMON.SUB_BAND_REMO_PASSWORD"), "4101");
    EXPECT_EQ(test::Hex(test::ReadImage(file), 3709, 2), "0050");
    ASSERT_EQ(radio(Quoted("FILE.LOAD.", file)), "OK");
    test::ExpectAnswers(radio,
                        "COMMON.SUB_BAND_REMO_PASSWORD>5|"
                        "COMMON.SUB_BAND_REMO_PASSWORD=99999999999>2147483647|"
                        "COMMON.SUB_BAND_REMO_PASSWORD=-1>-1|");
    EXPECT_EQ(test::Hex(radio.SavedImage(dir), 3709, 2), "FFF0");
}

TEST(CommonSettings, RebuildResetsTheOperatingState) {
    TestRadio radio;
    const std::pair<const char*, const char*> state[] = {{"MCH_NO_VHF", "12"},
                                                         {"MCH_NO_UHF", "104"},
                                                         {"CALL_POSITION_VHF", "L5"},
                                                         {"CALL_POSITION_UHF", "R5"},
                                                         {"MAIN_DISPLAY_VHF", "Scope"},
                                                         {"MAIN_DISPLAY_UHF", "Scan"},
                                                         {"OPERATION_MODE_VHF", "MR"},
                                                         {"OPERATION_MODE_UHF", "CALL"},
                                                         {"BAND_OF_VFO_VHF", "AIR"},
                                                         {"BAND_OF_VFO_UHF", "800"},
                                                         {"PROGRAM_SCAN_EDGE_VHF", "P3"},
                                                         {"PROGRAM_SCAN_EDGE_UHF", "800"},
                                                         {"MCH_SCAN_SELECT_VHF", "144"},
                                                         {"MCH_SCAN_SELECT_UHF", "300"}};
    for (const auto& [name, value] : state) {
        EXPECT_EQ(radio("COMMON."s + name + "=" + value), value) << name;
    }
    radio("COMMON.SCAN_STOP_ACTION_VHF=T-5");  // not part of the operating state
    EXPECT_EQ(radio("HEAL"), "OK");
    TestRadio fresh;
    for (const auto& [name, value] : state) {
        EXPECT_EQ(radio("COMMON."s + name), fresh("COMMON."s + name)) << name;
    }
    EXPECT_EQ(radio("COMMON.SCAN_STOP_ACTION_VHF"), "T-5");
}

TEST(DtmfMemories, DigitsAsText) {
    TestRadio radio;
    test::ExpectAnswers(radio,
                        "DTMF.0=12*#>12EF|DTMF.0>12EF|dtmf.1=abcd>ABCD|"
                        "DTMF.2=1-2 3/x4>1234|"
                        "DTMF.3=01234567890123456789>0123456789012345|"
                        "DTMF.4.ByNumber=77>77|DTMF.5=12=34>12|");
    for (const char* command :
         {"DTMF.14", "DTMF.14=1", "DTMF.-1", "DTMF.x", "DTMF.", "DTMF", "DTMF.4294967296=1"}) {
        EXPECT_EQ(radio(command), "") << command;
    }
    EXPECT_EQ(radio("DTMF.0"), "12EF");
}

TEST(DtmfMemories, ImageLayoutKeepsOldDigitPlaces) {
    TempDir dir;
    TestRadio radio;
    radio("DTMF.13=0123456789ABCDEF");
    radio("DTMF.3=0123456789");
    radio("DTMF.3=98765");
    radio("DTMF.6=123456");
    radio("DTMF.6= ");
    CMemoryImage image = radio.SavedImage(dir);
    EXPECT_EQ(test::Hex(image, 3829, 9), "100123456789ABCDEF");
    EXPECT_EQ(test::Hex(image, 3712 + 27, 6), "059876556789");  // places 5-9 keep 5-9
    EXPECT_EQ(radio("DTMF.6"), "");
    EXPECT_EQ(test::Hex(image, 3712 + 54, 4), "00123456");

    // A count above 16 in the image reads as 16.
    image.WriteByte(3712 + 9, 200);
    test::WriteFileBytes(dir.File("count.icf"), test::IcfText(image));
    ASSERT_EQ(radio(Quoted("FILE.LOAD.", dir.File("count.icf"))), "OK");
    EXPECT_EQ(radio("DTMF.1").size(), 16u);
    EXPECT_EQ(radio.SavedImage(dir).ReadByte(3712 + 9), 16);
}

}  // namespace
}  // namespace ql

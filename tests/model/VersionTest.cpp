// The sixteen versions: their factory data, band limits, expansions and the "MODEL." commands.

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <tuple>

#include "model/FactoryImage.h"
#include "support/TestSupport.h"

namespace ql {
namespace {

using namespace std::string_literals;

using test::TestRadio;

TEST(FactoryImages, FollowTheFactoryRulesOfEveryVersion) {
    for (int v = 0; v < kVersionCount; ++v) {
        const CMemoryImage actual = BuildFactoryImage(v);
        const CMemoryImage expected = test::ExpectedFactoryImage(v);
        ASSERT_EQ(actual.Size(), 4000) << v;
        int differences = 0;
        for (int pos = 0; pos < 4000 && differences < 5; ++pos) {
            if (pos == 3709 || pos == 3710) continue;  // the remote code is free
            if (actual.ReadByte(pos) != expected.ReadByte(pos)) {
                ++differences;
                ADD_FAILURE() << "version " << v << " byte " << pos << ": "
                              << int{actual.ReadByte(pos)} << " instead of "
                              << int{expected.ReadByte(pos)};
            }
        }
    }
    EXPECT_EQ(BuildFactoryImage(16), BuildFactoryImage(0));
    EXPECT_EQ(BuildFactoryImage(-1), BuildFactoryImage(0));
}

TEST(FactoryImages, TellingValuesThroughTheChannelCommands) {
    // Version name; VFO 144 and 430; VFO 144 step and reference; VFO 300 and 430 step;
    // offsets of memory channel 1 of the UHF and the VHF band.
    const char* const table[] = {
        "USA-A 146.0100 440.0000 5k 5k 25k 5.0000 0.6000",
        "USA-B 146.0100 440.0000 5k 5k 25k 5.0000 0.6000",
        "AUS 145.0000 430.0000 25k 5k 25k 5.0000 0.6000",
        "SEA 146.5200 430.0000 5k 5k 25k 5.0000 0.6000",
        "EUR-A 145.0000 432.0000 25k 6.25k 25k 4.6000 0.6000",
        "EUR-B 145.0000 430.0000 25k 6.25k 25k 7.6000 0.6000",
        "EUR-C 145.0000 430.0000 25k 6.25k 25k 1.6000 0.6000",
        "EUR-D 145.0000 432.0000 25k 6.25k 25k 4.6000 0.6000",
        "EUR-E 145.0000 430.0000 25k 6.25k 25k 7.6000 0.6000",
        "EUR-F 145.0000 430.0000 25k 6.25k 25k 1.6000 0.6000",
        "KOR 145.0000 433.0000 20k 5k 20k 5.0000 0.6000",
        "TPE 145.0000 430.0000 20k 5k 20k 0.0000 0.0000",
        "CSA 146.0100 430.0000 5k 5k 25k 5.0000 0.6000",
        "JPN-1 145.0000 433.0000 20k 5k 20k 5.0000 0.0000",
        "JPN-2 145.0000 433.0000 20k 5k 20k 5.0000 0.0000",
        "JPN-3 145.0000 433.0000 20k 5k 20k 5.0000 0.0000",
    };
    const char* const perVersion[] = {"MODEL.COUNTRY",
                                      "CH.VFO.144.FREQUENCY",
                                      "CH.VFO.430.FREQUENCY",
                                      "CH.VFO.144.TUNING_STEP_SELECTION",
                                      "CH.VFO.144.REFERENCE_FREQUENCY",
                                      "CH.VFO.300.TUNING_STEP_SELECTION",
                                      "CH.MCH_430.1.REPEATER_FREQUENCY",
                                      "CH.MCH_144.1.REPEATER_FREQUENCY"};
    TestRadio radio(0);
    for (int v = 0; v < kVersionCount; ++v) {
        ASSERT_EQ(radio("MODEL.COUNTRY.ByNumber="s + std::to_string(v)), std::to_string(v));
        std::string row;
        for (const char* query : perVersion) {
            if (!row.empty()) row += ' ';
            row += radio(query);
        }
        EXPECT_EQ(row, table[v]);
        // The same in every version; memory channel 1 shows the VFO frequencies.
        EXPECT_EQ(radio("CH.VFO.430.TUNING_STEP_SELECTION"),
                  radio("CH.VFO.300.TUNING_STEP_SELECTION"));
        EXPECT_EQ(radio("CH.MCH_144.1.FREQUENCY"), radio("CH.VFO.144.FREQUENCY"));
        EXPECT_EQ(radio("CH.MCH_430.1.FREQUENCY"), radio("CH.VFO.430.FREQUENCY"));
        test::ExpectAnswers(radio,
                            "CH.VFO.Air.FREQUENCY>127.0000|CH.VFO.Air.MODE>AM|"
                            "CH.VFO.Air.TUNING_STEP_SELECTION>12.5k|"
                            "CH.VFO.300.FREQUENCY>360.0000|CH.VFO.800.FREQUENCY>900.0000|"
                            "CH.VFO.800.TUNING_STEP_SELECTION>12.5k|"
                            "CH.MCH_144.2.APPEAR>OFF|CH.MCH_144.1.ISLEGAL>OK|"
                            "CH.MCH_430.1.ISLEGAL>OK|");
    }
}

// Sets the frequency of a channel, heals it and answers ISLEGAL.
std::string Legal(TestRadio& radio, const std::string& path, const std::string& mhz) {
    radio(path + "FREQUENCY=" + mhz);
    radio(path + "HEAL");
    return radio(path + "ISLEGAL");
}

// mhz shifted by khz, as a frequency text.
std::string Shift(int mhz, int khz) {
    const long hz = mhz * 1000000L + khz * 1000L;
    return std::to_string(hz / 1000000) + "." + std::to_string(1000000 + hz % 1000000).substr(1, 4);
}

TEST(BandLimits, LegalExactlyInsideTheVersionRanges) {
    const int limits[kVersionCount][4] = {
        {144, 148, 430, 450}, {140, 150, 430, 450}, {144, 148, 430, 440}, {140, 150, 430, 440},
        {144, 146, 432, 438}, {144, 146, 430, 440}, {144, 146, 430, 440}, {140, 150, 432, 438},
        {140, 150, 430, 440}, {140, 150, 430, 440}, {144, 146, 430, 440}, {144, 146, 430, 440},
        {144, 148, 430, 440}, {144, 146, 430, 440}, {144, 146, 430, 440}, {144, 146, 430, 440}};
    TestRadio radio(0);
    for (int v = 0; v < kVersionCount; ++v) {
        radio("MODEL.COUNTRY.ByNumber="s + std::to_string(v));
        const auto& [vLow, vHigh, uLow, uHigh] = limits[v];
        std::string verdicts;
        for (const auto& [path, mhz, khz] : {std::tuple{"CH.MCH_144.20.", vLow, 0},
                                             {"CH.MCH_144.20.", vLow, -5},
                                             {"CH.CALL_144.", vHigh, 0},
                                             {"CH.CALL_144.", vHigh, 5},
                                             {"CH.PCH_430.1A.", uLow, 0},
                                             {"CH.PCH_430.1A.", uLow, -5},
                                             {"CH.MCH_430.20.", uHigh, 0},
                                             {"CH.MCH_430.20.", uHigh, 5},
                                             {"CH.MCH_144.20.", uLow, 0},  // the other band
                                             {"CH.MCH_430.20.", vLow, 0}}) {
            verdicts += Legal(radio, path, Shift(mhz, khz)) + " ";
        }
        EXPECT_EQ(verdicts, "OK NG OK NG OK NG OK NG NG NG ") << v;
    }
}

TEST(BandLimits, ExpansionsAddRanges) {
    // Steps "command>answer"; "V..." and "U..." set a VHF or a UHF channel to that frequency,
    // heal it and answer ISLEGAL.
    const std::string steps =
        "V150.0000>NG|MODEL.EXPAND.144=ON>ON|V150.0000>OK|V136.0000>OK|V174.0000>OK|"
        "V174.0050>NG|V127.0000>NG|MODEL.EXPAND.air.ByNumber=7>1|V127.0000>OK|V117.9950>NG|"
        "U127.0000>NG|U360.0000>NG|MODEL.EXPAND.300=ON>ON|U360.0000>OK|U500.0000>NG|"
        "MODEL.EXPAND.430=ON>ON|U500.0000>OK|U530.0100>NG|"
        "MODEL.EXPAND.CEL=ON>ON|MODEL.EXPAND>AIR,144,300,430,CEL|U830.0000>NG|U851.0000>NG|"
        "MODEL.EXPAND.CEL=OFF>OFF|MODEL.EXPAND.800=ON>ON|U851.0000>OK|U999.9900>OK|"
        "U824.0000>OK|U849.0000>OK|U830.0000>NG|U880.0000>NG|MODEL.EXPAND.CEL.ByNumber=1>1|"
        "U830.0000>OK|U880.0000>OK|MODEL.EXPAND.ByNumber>63|MODEL.EXPAND.ByNumber=0>0|"
        "CH.MCH_430.30.ISLEGAL>NG|MODEL.EXPAND>NO EXP";
    TestRadio radio(0);
    std::istringstream in(steps);
    for (std::string step; std::getline(in, step, '|');) {
        const std::string command = step.substr(0, step.find('>'));
        const std::string answer = step.substr(step.find('>') + 1);
        if (command[0] == 'V' || command[0] == 'U') {
            const char* path = command[0] == 'V' ? "CH.MCH_144.30." : "CH.MCH_430.30.";
            EXPECT_EQ(Legal(radio, path, command.substr(1)), answer) << command;
        } else {
            EXPECT_EQ(radio(command), answer) << command;
        }
    }
}

TEST(ModelCommands, CountryAndExpansionAnswers) {
    TestRadio radio(0);
    test::ExpectAnswers(radio,
                        "MODEL.COUNTRY>USA-A|model.country=eur-b>EUR-B|"
                        "MODEL.COUNTRY.ByNumber>5|MODEL.COUNTRY=XYZ>EUR-B|"
                        "MODEL.COUNTRY.ByMenuItemName=jpn-3>JPN-3|"
                        "MODEL.COUNTRY.ByString>JPN-3|");
    for (const char* bad : {"16", "-1", "abc", "4294967300", "99999999999"}) {
        EXPECT_EQ(radio("MODEL.COUNTRY.ByNumber="s + bad), "15") << bad;
    }
    EXPECT_EQ(radio("MODEL.COUNTRY"), "JPN-3");

    test::ExpectAnswers(radio,
                        "MODEL.EXPAND>NO EXP|MODEL.EXPAND.ByNumber=34>34|"
                        "MODEL.EXPAND>AIR,800|");
    EXPECT_EQ(radio("MODEL.EXPAND=AIR"), "AIR,800");  // a value is ignored
    test::ExpectAnswers(radio,
                        "MODEL.EXPAND.XYZ>AIR,800|MODEL.EXPAND.ByMenuItemName>|"
                        "MODEL.EXPAND.ByNumber=255>63|MODEL.EXPAND.ByNumber=66>2|"
                        "MODEL.EXPAND.ByNumber=-1>63|MODEL.EXPAND.ByNumber=2>2|"
                        "MODEL.EXPAND.800=maybe>ON|MODEL.EXPAND.800.ByNumber>1|"
                        "MODEL.EXPAND.800.ByNumber=0>0|MODEL.EXPAND.Air>OFF|"
                        "MODEL.COUNTRY>JPN-3|");
}

TEST(ModelCommands, ModeEnable) {
    TestRadio usa(0);
    TestRadio eur(4);
    EXPECT_EQ(usa("MODEL.MODE_ENABLE.FM Narrow.145"), "NG");
    test::ExpectAnswers(eur,
                        "MODEL.MODE_ENABLE.FM Narrow.145>OK|"
                        "model.mode_enable.fm narrow.145>OK|"
                        "MODEL.MODE_ENABLE.FM Narrow.435>NG|");
    for (int v = 0; v < kVersionCount; ++v) {
        usa("MODEL.COUNTRY.ByNumber="s + std::to_string(v));
        EXPECT_EQ(usa("MODEL.MODE_ENABLE.AM.127"), "OK") << v;
        EXPECT_EQ(usa("MODEL.MODE_ENABLE.FM.200"), "NG") << v;
        const bool narrow = v >= 4 && v <= 9;
        EXPECT_EQ(usa("MODEL.MODE_ENABLE.FM Narrow.145"), narrow ? "OK" : "NG") << v;
    }
    test::ExpectAnswers(usa,
                        "MODEL.MODE_ENABLE.AM.360>OK|MODEL.MODE_ENABLE.AM.440>NG|"
                        "MODEL.MODE_ENABLE.FM.900>OK|");
    EXPECT_EQ(usa("MODEL.MODE_ENABLE.FM.1200"), "OK");  // rounded to 999.99 first
    test::ExpectAnswers(usa,
                        "MODEL.MODE_ENABLE.USB.145>NG|MODEL.MODE_ENABLE.FM.nan>NG|"
                        "MODEL.MODE_ENABLE.FM>|MODEL.MODE_ENABLE..145>|"
                        "MODEL.MODE_ENABLE.FM.>|");
}

}  // namespace
}  // namespace ql

// Finding the way in the channel lists and checking a bulk change first: the channel a typed
// text names, the search through both bands, and the "KEEPS.CHECK" query.

#include <gtest/gtest.h>

#include "model/ChannelNumberText.h"
#include "model/ChannelSearch.h"
#include "support/TestSupport.h"

namespace ql {
namespace {

using test::TestRadio;

TEST(ChannelNumberText, NumbersEdgesAndTheCallChannelInAnyCase) {
    const std::pair<const char*, unsigned> named[] = {
        {"50", 50},   {" 7 ", 7},      {"07", 7},   {"1", 1},    {"99", 99},
        {"0099", 99}, {"1A", 100},     {"1b", 101}, {"2A", 102}, {"3b", 105},
        {"p2b", 103}, {" P3A\t", 104}, {"C", 106},  {"c", 106},  {"Call", 106}};
    for (const auto& [text, channel] : named) {
        EXPECT_EQ(ChannelNumberOf(text), channel) << text;
    }
    for (const char* nothing : {"", "  ", "0", "00", "100", "106", "-5", "+5", "5.0", "4A", "0A",
                                "1C", "2AB", "P", "PA1", "CC", "ch5", "5 0", "99999999999999"}) {
        EXPECT_EQ(ChannelNumberOf(nothing), std::nullopt) << nothing;
    }
}

TEST(ChannelSearch, FrequenciesAreReadAsNumbersAndNamesInAnyCase) {
    EXPECT_EQ(CChannelSearch("145.5").Hertz(), 145500000U);
    EXPECT_EQ(CChannelSearch(" 145,5 ").Hertz(), 145500000U);
    EXPECT_EQ(CChannelSearch("145.500000").Hertz(), 145500000U);
    EXPECT_EQ(CChannelSearch("145.0125").Hertz(), 145012500U);
    EXPECT_EQ(CChannelSearch("438").Hertz(), 438000000U);
    EXPECT_EQ(CChannelSearch(".5").Hertz(), 500000U);
    // 5000 MHz does not fit 32 bits of hertz: it must not find 705.032704 MHz.
    EXPECT_EQ(CChannelSearch("4294.967295").Hertz(), 4294967295U);
    for (const char* name :
         {"145.5.1", "145.0000001", "12345", "5000", "4294.967296", "0", "ABC", "145.5 MHz", "."}) {
        EXPECT_EQ(CChannelSearch(name).Hertz(), std::nullopt) << name;
    }

    const CChannelSearch frequency("145.5");
    EXPECT_TRUE(frequency.Matches("        ", 145500000));
    EXPECT_FALSE(frequency.Matches("        ", 145505000));
    EXPECT_TRUE(frequency.Matches("R145.5  ", 438000000));  // a name that holds it
    const CChannelSearch name("  rePEat ");
    EXPECT_TRUE(name.Matches("REPEATER", 1));
    EXPECT_FALSE(name.Matches("REPEA   ", 1));
    EXPECT_FALSE(CChannelSearch(" ").Matches("        ", 0));
    EXPECT_TRUE(CChannelSearch(" ").IsEmpty());
}

TEST(ChannelSearch, GoesOnThroughBothBandsAndRoundPastBlankChannels) {
    TestRadio radio;
    const ChannelQueryFn query = [&](std::string_view command) { return radio(command); };
    for (const char* channel : {"CH.MCH_144.10.", "CH.MCH_144.40.", "CH.MCH_430.20."}) {
        radio(std::string(channel) + "ALL=APPEAR=ON\tFREQUENCY=145.5000\tNAME=Club");
    }
    radio("CH.MCH_430.20.FREQUENCY=433.5000");
    radio("CH.MCH_144.40.APPEAR=OFF");  // blank: never found, whatever it held
    const CChannelSearch club("CLUB");
    EXPECT_EQ(FindChannel(club, {Band::kVhf, 1}, query), (ChannelPlace{Band::kVhf, 10}));
    EXPECT_EQ(FindChannel(club, {Band::kVhf, 10}, query), (ChannelPlace{Band::kUhf, 20}));
    EXPECT_EQ(FindChannel(club, {Band::kUhf, 20}, query), (ChannelPlace{Band::kVhf, 10}));
    EXPECT_EQ(FindChannel(CChannelSearch("433.5"), {Band::kUhf, 20}, query),
              (ChannelPlace{Band::kUhf, 20}));  // the only match is where it started
    EXPECT_EQ(FindChannel(CChannelSearch("145.5"), {Band::kVhf, 10}, query),
              (ChannelPlace{Band::kVhf, 10}));
    EXPECT_EQ(FindChannel(CChannelSearch("nowhere"), {Band::kVhf, 1}, query), std::nullopt);
    EXPECT_EQ(FindChannel(CChannelSearch(""), {Band::kVhf, 1}, query), std::nullopt);
}

// "KEEPS.CHECK=" tells whether a channel would hold assigned values after its heal, and
// changes nothing.
TEST(ChannelKeeps, ValuesTheHealWouldChangeAreNotKept) {
    TestRadio usa;  // no narrow FM
    TestRadio europe(4);
    for (TestRadio* radio : {&usa, &europe}) {
        (*radio)("CH.MCH_144.3.ALL=APPEAR=ON\tFREQUENCY=145.5000");
        (*radio)("CH.MCH_144.3.HEAL");
        (*radio)("CH.MCH_144.4.ALL=APPEAR=ON\tFREQUENCY=127.0000");
        (*radio)("CH.MCH_144.4.HEAL");
        (*radio)("EDIT_FLAG=OFF");
    }
    const std::string before = usa.Dump();
    test::ExpectAnswers(usa,
                        "CH.MCH_144.3.KEEPS.CHECK=MODE=FM Narrow>NG|"
                        "CH.MCH_144.3.KEEPS.CHECK=MODE=AM>NG|"
                        "CH.MCH_144.4.KEEPS.CHECK=MODE=AM>OK|"
                        "CH.MCH_144.3.Keeps.Check=MODE=FM\tDUPLEX_SELECTION=Dup-\t"
                        "REPEATER_FREQUENCY=0.6\tTSQL_FREQUENCY=100.0>OK|"
                        "CH.MCH_144.3.KEEPS.CHECK=REPEATER_FREQUENCY=25\tMODE=FM>NG|"
                        "CH.MCH_144.3.KEEPS.CHECK=SKIP=SKIP>OK|"
                        "CH.CALL_144.KEEPS.CHECK=SKIP=SKIP>NG|"
                        "CH.CALL_144.KEEPS.CHECK=SKIP=OFF>OK|"
                        "CH.MCH_144.3.KEEPS.CHECK=NO_SUCH_ITEM=1>NG|"
                        "CH.MCH_144.3.KEEPS.CHECK=ALL=MODE=FM>NG|"
                        "CH.MCH_144.3.KEEPS.CHECK=>NG|"
                        "CH.MCH_144.3.KEEPS>|");
    EXPECT_EQ(usa.Dump(), before);
    EXPECT_EQ(usa("EDIT_FLAG"), "OFF");

    EXPECT_EQ(europe("CH.MCH_144.3.KEEPS.CHECK=MODE=FM Narrow"), "OK");
    EXPECT_EQ(europe("CH.MCH_144.3.MODE"), "FM");

    // A 5 kHz step is off the raster of an 800 MHz channel, which the heal turns to 12.5k.
    TestRadio expanded(0, 0b000010);
    expanded("CH.MCH_430.8.ALL=APPEAR=ON\tFREQUENCY=851.0000\tTUNING_STEP_SELECTION=12.5k");
    expanded("CH.MCH_430.8.HEAL");
    EXPECT_EQ(expanded("CH.MCH_430.8.KEEPS.CHECK=TUNING_STEP_SELECTION=5k"), "NG");
    EXPECT_EQ(expanded("CH.MCH_430.8.KEEPS.CHECK=TUNING_STEP_SELECTION=25k"), "OK");
}

}  // namespace
}  // namespace ql

// Memory channels: addressing, items, the heal rules and the editing operations.

#include <gtest/gtest.h>

#include "model/ChannelPath.h"
#include "model/FactoryImage.h"
#include "support/TestSupport.h"

namespace ql {
namespace {

using namespace std::string_literals;

using test::TempDir;
using test::TestRadio;

// Puts channel path (for example "CH.MCH_144.7.") in use with a frequency and heals it.
void Use(TestRadio& radio, const std::string& path, const std::string& mhz) {
    radio(path + "APPEAR=ON");
    radio(path + "FREQUENCY=" + mhz);
    radio(path + "HEAL");
}

TEST(ChannelAddressing, UnresolvedChannelsAnswerNothingAndTakeNoCommand) {
    TestRadio radio;
    const std::string before = radio.Dump();
    for (const char* command :
         {"CH.MCH_144.0.FREQUENCY", "CH.MCH_144.100.FREQUENCY", "CH.MCH_144.-1.FREQUENCY",
          "CH.MCH_144.x.FREQUENCY", "CH.MCH_144.4294967297.FREQUENCY=145.0000",
          "CH.MCH_430.99999999999.APPEAR=ON", "CH.PCH_144.0A.APPEAR", "CH.PCH_144.0B.APPEAR",
          "CH.PCH_144.4A.APPEAR=ON", "CH.PCH_430.-1B.APPEAR", "CH.PCH_430.99999999999B.APPEAR",
          "CH.VFO.900.FREQUENCY", "CH.VFO.AIRX.FREQUENCY", "CH.XYZ.1.FREQUENCY", "CH.NONE.1.APPEAR",
          "CH.MCH_144.12.NO_SUCH_ITEM", "CH.MCH_144.12.", "CH.MCH_144.12", "CH",
          // the rest of the text belongs to no other handler
          "CH.XYZ.1.MODEL.COUNTRY=EUR-A", "CH.MCH_144.0.COMMON.BEEP=OFF",
          "CH.MCH_430.100.DTMF.1=123", "CH.PCH_144.4A.MODEL.COUNTRY.ByNumber=4",
          "CH.XYZ.1.INITIALIZE", "CH.MCH_144.0.FILE.LOAD.\"x.icf\""}) {
        EXPECT_EQ(radio(command), "") << command;
    }
    EXPECT_EQ(radio("MODEL.COUNTRY"), "USA-A");
    EXPECT_EQ(radio.Dump(), before);
}

TEST(ChannelAddressing, WordsOfEveryKind) {
    TestRadio radio;
    test::ExpectAnswers(radio,
                        "CH.MCH_144.99.FREQUENCY>146.0100|ch.mch_430.1.frequency>440.0000|"
                        "CH.MCH_144.007.APPEAR>OFF|CH.PCH_144.1A.FREQUENCY>144.0000|"
                        "CH.PCH_144.1b.FREQUENCY>148.0000|"
                        "CH.PCH_430.3B.FREQUENCY>450.0000|CH.PCH_430.3B.APPEAR>OFF|"
                        "CH.CALL_144.FREQUENCY>146.0100|CH.CALL_430.FREQUENCY>440.0000|"
                        "CH.VFO.air.MODE>AM|CH.VFO.800.FREQUENCY>900.0000|");

    // Coded items answer positions, tones their texts; values may contain "=".
    test::ExpectAnswers(radio,
                        "CH.MCH_144.1.DUPLEX_SELECTION=dup->Dup-|"
                        "CH.MCH_144.1.DUPLEX_SELECTION.ByNumber>2|"
                        "CH.MCH_144.1.REPEATER_TONE_FREQUENCY=254.1>254.1|"
                        "CH.MCH_144.1.REPEATER_TONE_FREQUENCY.ByNumber>49|"
                        "CH.MCH_144.1.TSQL_FREQUENCY=100>88.5|"
                        "CH.MCH_144.1.NAME=a=b>A=B     |");
}

TEST(ChannelAddressing, ChannelPathOfBothBands) {
    TestRadio radio;
    std::string vhf;
    for (const unsigned n : {0u, 1u, 99u, 100u, 103u, 105u, 106u, 107u})
        vhf += ChannelPath(Band::kVhf, n) + " ";
    EXPECT_EQ(vhf,
              " CH.MCH_144.1. CH.MCH_144.99. CH.PCH_144.1A. CH.PCH_144.2B. CH.PCH_144.3B. "
              "CH.CALL_144.  ");
    EXPECT_EQ(
        ChannelPath(Band::kUhf, 12) + ChannelPath(Band::kUhf, 104) + ChannelPath(Band::kUhf, 106),
        "CH.MCH_430.12.CH.PCH_430.3A.CH.CALL_430.");
    for (const Band band : {Band::kVhf, Band::kUhf}) {
        for (unsigned n = 1; n <= kListChannels; ++n)
            EXPECT_NE(radio(ChannelPath(band, n) + "FREQUENCY"), "") << n;
    }
}

TEST(ChannelItems, AllAnswersTwelveItemsAndAssignsByTabs) {
    TestRadio radio;
    EXPECT_EQ(radio("CH.MCH_144.2.ALL"),
              "APPEAR=OFF\tFREQUENCY=146.0100\tREFERENCE_FREQUENCY=5k\tSKIP=OFF\tMODE=FM\t"
              "DUPLEX_SELECTION=OFF\tTONE_SELECTION=OFF\tREPEATER_TONE_FREQUENCY=88.5\t"
              "TSQL_FREQUENCY=88.5\tTUNING_STEP_SELECTION=5k\tREPEATER_FREQUENCY=0.6000\t"
              "NAME=        ");
    const std::string answer =
        radio("CH.MCH_144.2.ALL=APPEAR=ON\tFREQUENCY=145.5000\tNAME=APRS\t\tSKIP=SKIP\tMODE=AM");
    EXPECT_EQ(answer,
              "APPEAR=ON\tFREQUENCY=145.5000\tREFERENCE_FREQUENCY=5k\tSKIP=OFF\tMODE=FM\t"
              "DUPLEX_SELECTION=OFF\tTONE_SELECTION=OFF\tREPEATER_TONE_FREQUENCY=88.5\t"
              "TSQL_FREQUENCY=88.5\tTUNING_STEP_SELECTION=5k\tREPEATER_FREQUENCY=0.6000\t"
              "NAME=APRS    ");
    EXPECT_EQ(radio("CH.MCH_144.2.ALL"), answer);
}

TEST(ChannelItems, AllInsideAllIsSkippedAndLongListsAreTakenWhole) {
    TestRadio radio;
    // An ALL piece inside an ALL value does nothing, so no value can nest without end.
    std::string nested = "CH.MCH_144.4.ALL=";
    for (int i = 0; i < 20000; ++i) nested += "ALL=";
    nested += "NAME=DEEP";
    EXPECT_EQ(radio(nested).find("NAME=DEEP"), std::string::npos);
    const std::string answer = radio("CH.MCH_144.4.ALL=ALL=NAME=X\tNAME=OK");
    EXPECT_EQ(answer, radio("CH.MCH_144.4.ALL"));
    EXPECT_EQ(radio("CH.MCH_144.4.NAME"), "OK      ");

    // Every piece of a long list is applied in order; the last one wins.
    std::string list = "CH.MCH_144.4.ALL=";
    for (int i = 0; i < 50000; ++i) list += (i % 2 == 0) ? "SKIP=SKIP\t" : "SKIP=OFF\t";
    list += "SKIP=PROGRAM_SKIP";
    EXPECT_NE(radio(list).find("SKIP=PROGRAM_SKIP"), std::string::npos);
}

TEST(ChannelItems, FrequencyTextsAndNumbers) {
    TestRadio radio;
    const std::pair<const char*, const char*> cases[] = {{"145.5", "145.5000"},
                                                         {"  438.12345", "438.1234"},
                                                         {"\t145.00625", "145.0062"},
                                                         {"2500", "2000.0000"},
                                                         {"0.00009", "0.0000"},
                                                         {"146.52abc", "146.5200"},
                                                         {"-145", "0.0000"},
                                                         {"1e3", "1000.0000"},
                                                         {"              145.5", "1.0000"},
                                                         // no finite number: the value stays
                                                         {"nan", "1.0000"},
                                                         {"-inf", "1.0000"},
                                                         {"1e999", "1.0000"},
                                                         {"abc", "1.0000"},
                                                         {"", "1.0000"}};
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(radio("CH.MCH_144.1.FREQUENCY="s + text), shown) << text;
        EXPECT_EQ(radio("CH.MCH_144.1.REPEATER_FREQUENCY="s + text), shown) << text;
    }
    // Hertz by number: no text reaches an undefined conversion; too large numbers saturate.
    test::ExpectAnswers(radio,
                        "CH.MCH_144.1.FREQUENCY.ByNumber>1000000|"
                        "CH.MCH_144.1.FREQUENCY.ByNumber=-5>0|"
                        "CH.MCH_144.1.FREQUENCY.ByNumber=abc>0|"
                        "CH.MCH_144.1.REPEATER_TONE_FREQUENCY.ByNumber=4294967297>0|"
                        "CH.MCH_144.1.MODE.ByNumber=4294967298>0|"
                        "CH.MCH_144.1.FREQUENCY.ByNumber=99999999999>2147483647|"
                        "CH.MCH_144.1.HEAL>OK|CH.MCH_144.1.FREQUENCY>999.9900|");
}

struct RasterCase {
    const char* path;
    const char* frequency;
    const char* step;
    const char* healed;
    const char* reference;
    const char* healedStep;
};

TEST(ChannelHeal, RoundsToTheRasterAndChoosesReferenceAndStep) {
    const RasterCase cases[] = {
        {"CH.MCH_144.3.", "145.00625", "5k", "145.0050", "5k", "5k"},
        {"CH.MCH_144.3.", "145.01875", "5k", "145.0150", "5k", "5k"},
        {"CH.MCH_144.3.", "145.0125", "5k", "145.0125", "6.25k", "5k"},
        {"CH.MCH_144.3.", "145.0250", "12.5k", "145.0250", "6.25k", "12.5k"},
        {"CH.MCH_144.3.", "145.0250", "5k", "145.0250", "5k", "5k"},
        {"CH.MCH_144.3.", "145.0250", "25k", "145.0250", "5k", "25k"},
        {"CH.MCH_144.3.", "146.5200", "15k", "146.5200", "5k", "15k"},
        {"CH.PCH_144.2A.", "145.0037", "10k", "145.0000", "5k", "10k"},
        {"CH.CALL_144.", "144.99999", "20k", "144.9950", "5k", "20k"},
        {"CH.MCH_430.3.", "851.0000", "5k", "851.0000", "6.25k", "12.5k"},
        {"CH.MCH_430.3.", "851.0125", "10k", "851.0125", "6.25k", "10k"},
        {"CH.MCH_430.3.", "851.0050", "10k", "851.0000", "5k", "10k"},
        {"CH.MCH_430.3.", "851.0250", "15k", "851.0250", "6.25k", "12.5k"},
        {"CH.MCH_430.3.", "1200.0000", "50k", "999.9900", "5k", "50k"},
        {"CH.PCH_430.3B.", "433.0000", "30k", "433.0000", "5k", "30k"},
    };
    TestRadio radio;
    for (const RasterCase& c : cases) {
        const std::string p = c.path;
        radio(p + "APPEAR=ON");
        radio(p + "TUNING_STEP_SELECTION=" + c.step);
        radio(p + "FREQUENCY=" + c.frequency);
        EXPECT_EQ(radio(p + "HEAL"), "OK");
        EXPECT_EQ(radio(p + "FREQUENCY"), c.healed) << p << c.frequency;
        EXPECT_EQ(radio(p + "REFERENCE_FREQUENCY"), c.reference) << p << c.frequency;
        EXPECT_EQ(radio(p + "TUNING_STEP_SELECTION"), c.healedStep) << p << c.frequency;
    }
}

TEST(ChannelHeal, ModeOffsetNameAndSkipRules) {
    TestRadio usa(0);
    TestRadio eur(4);
    for (TestRadio* radio : {&usa, &eur}) {
        Use(*radio, "CH.MCH_144.4.", "145.0000");
        (*radio)("CH.MCH_144.4.MODE=FM Narrow");
        (*radio)("CH.MCH_144.4.HEAL");
    }
    EXPECT_EQ(usa("CH.MCH_144.4.MODE"), "FM");
    EXPECT_EQ(eur("CH.MCH_144.4.MODE"), "FM Narrow");

    TestRadio& radio = usa;
    std::string vhfState;
    const struct {
        const char* frequency;
        const char* mode;
        const char* healed;
    } modes[] = {{"127.0000", "AM", "AM"}, {"127.0000", "FM Narrow", "FM"},
                 {"145.0000", "AM", "FM"}, {"360.0000", "AM", "AM"},
                 {"440.0000", "AM", "FM"}, {"851.0000", "FM Narrow", "FM"},
                 {"200.0000", "AM", "FM"}, {"600.0000", "FM Narrow", "FM"}};
    for (const auto& m : modes) {
        radio("CH.MCH_430.8.FREQUENCY="s + std::string(m.frequency));
        radio("CH.MCH_430.8.MODE="s + std::string(m.mode));
        radio("CH.MCH_430.8.HEAL");
        EXPECT_EQ(radio("CH.MCH_430.8.MODE"), m.healed) << m.frequency << " " << m.mode;
    }

    Use(radio, "CH.MCH_144.9.", "145.5000");
    for (const auto& [offset, limited] : {std::pair{"25.0000", "20.0000"}, {"1.00625", "1.0050"}}) {
        radio("CH.MCH_144.9.REPEATER_FREQUENCY="s + offset);
        radio("CH.MCH_144.9.HEAL");
        EXPECT_EQ(radio("CH.MCH_144.9.REPEATER_FREQUENCY"), limited);
    }

    // A hidden channel loses its name; only memory channels skip; the channels that cannot
    // be blank always appear; only memory and call channels have names.
    for (const char* path : {"CH.MCH_144.10.", "CH.MCH_144.11.", "CH.PCH_144.1A.", "CH.PCH_430.2A.",
                             "CH.PCH_430.1B.", "CH.CALL_144.", "CH.VFO.144."}) {
        const std::string p = path;
        radio(p + (p == "CH.MCH_144.11." ? "APPEAR=ON" : "APPEAR=OFF"));
        radio(p + "SKIP=SKIP");
        radio(p + "NAME=EDGE");
        EXPECT_EQ(radio(p + "HEAL"), "OK");
        vhfState += radio(p + "APPEAR") + "," + radio(p + "SKIP") + "," + radio(p + "NAME") + ";";
    }
    EXPECT_EQ(vhfState,
              "OFF,SKIP,        ;ON,SKIP,EDGE    ;ON,OFF,        ;OFF,OFF,        ;"
              "ON,OFF,        ;ON,OFF,EDGE    ;ON,OFF,        ;");
}

TEST(ChannelHeal, VfoEntriesComeFromTheFactoryImageAtEveryRebuild) {
    TestRadio radio;
    // Only the Air, 300 and 800 entries skip the version's ranges.
    test::ExpectAnswers(radio,
                        "CH.VFO.144.FREQUENCY=150.0000>150.0000|CH.VFO.144.ISLEGAL>NG|"
                        "CH.VFO.430.FREQUENCY=460.0000>460.0000|CH.VFO.430.ISLEGAL>NG|"
                        "CH.VFO.300.FREQUENCY=390.0000>390.0000|CH.VFO.300.ISLEGAL>OK|"
                        "CH.VFO.800.FREQUENCY=830.0000>830.0000|CH.VFO.800.ISLEGAL>OK|");
    radio("CH.VFO.Air.FREQUENCY=150.0000");
    EXPECT_EQ(radio("CH.VFO.Air.ISLEGAL"), "NG");
    radio("CH.VFO.430.FREQUENCY=145.00625");
    EXPECT_EQ(radio("CH.VFO.430.HEAL"), "OK");
    EXPECT_EQ(radio("CH.VFO.430.FREQUENCY"), "145.0062");  // VFO entries are not rounded
    test::ExpectAnswers(radio,
                        "HEAL>OK|CH.VFO.Air.FREQUENCY>127.0000|CH.VFO.Air.ISLEGAL>OK|"
                        "CH.VFO.430.FREQUENCY>440.0000|");
}

TEST(ChannelHeal, FactoryChannelsAreHealedAtTheFirstRebuild) {
    // In EUR-A the UHF record carries reference 6.25k, but 432 MHz with a 25k step is on
    // both rasters, so the heal gives "5k"; the VFO keeps the factory record.
    TestRadio radio(4);
    test::ExpectAnswers(radio,
                        "CH.MCH_430.1.REFERENCE_FREQUENCY>5k|"
                        "CH.VFO.430.REFERENCE_FREQUENCY>6.25k|CH.MCH_430.1.ISLEGAL>OK|");
}

TEST(ChannelRecords, EveryItemIsEncodedInItsPlace) {
    TempDir dir;
    TestRadio radio;
    radio(
        "CH.MCH_144.3.ALL=APPEAR=ON\tFREQUENCY=145.0375\tMODE=FM\tSKIP=PROGRAM_SKIP\t"
        "DUPLEX_SELECTION=Dup-\tTONE_SELECTION=TSQL\tREPEATER_TONE_FREQUENCY=254.1\t"
        "TSQL_FREQUENCY=69.3\tTUNING_STEP_SELECTION=12.5k\tREPEATER_FREQUENCY=12.3450\t"
        "NAME=AB-12");
    radio("CH.MCH_430.99.ALL=APPEAR=ON\tFREQUENCY=433.0050\tTUNING_STEP_SELECTION=50k");
    radio("CH.PCH_430.3B.ALL=APPEAR=ON\tFREQUENCY=438.0125\tTONE_SELECTION=TONE");
    const CMemoryImage image = radio.SavedImage(dir);
    const CMemoryImage factory = BuildFactoryImage(0);

    // Channel 3: 145.0375 (1 kHz digit 7 and the 500 Hz bit), 6.25k, PROGRAM_SKIP, Dup-;
    // TSQL, step 12.5k; tones 49 and 1; offset 12.345 MHz; the name.
    EXPECT_EQ(test::Hex(image, 2 * 17, 17), "14503FE3C2C411234A41422D3132202020");
    // UHF channel 99: 433.0050 (1 kHz digit 5), 5k, step 50k.
    EXPECT_EQ(test::Hex(image, 1856 + 98 * 17, 5), "43300A0007");
    // Edge 3B: 438.0125, 6.25k, TONE, step 25k from the factory; no name after its 9 bytes.
    EXPECT_EQ(test::Hex(image, 3539 + 5 * 9, 5), "4380158045");
    EXPECT_EQ(test::Hex(image, 3593, 9), test::Hex(factory, 3593, 9));
}

TEST(ChannelRecords, UnknownCodesInTheImageTakeTheFirstEntry) {
    TempDir dir;
    CMemoryImage image = BuildFactoryImage(0);
    const int b = 7 * 17;  // memory channel 8 of the VHF band
    const std::uint8_t record[] = {0x14, 0x55, 0x21, 0x40 | 0x0C | 0x01, 0x80 | 0x0F, 0xFF,
                                   0xF9, 0x99, 0x9F};
    for (int i = 0; i < 9; ++i) image.WriteByte(b + i, record[i]);
    test::WriteFileBytes(dir.File("codes.icf"), test::IcfText(image));
    TestRadio radio;
    ASSERT_EQ(radio(test::Quoted("FILE.LOAD.", dir.File("codes.icf"))), "OK");
    const std::string p = "CH.MCH_144.8.";
    EXPECT_EQ(radio(p + "APPEAR"), "ON");
    EXPECT_EQ(radio(p + "SKIP"), "OFF");                      // code 2
    EXPECT_EQ(radio(p + "MODE"), "FM");                       // code 3
    EXPECT_EQ(radio(p + "DUPLEX_SELECTION"), "OFF");          // code 1
    EXPECT_EQ(radio(p + "TONE_SELECTION"), "OFF");            // code 2
    EXPECT_EQ(radio(p + "REPEATER_TONE_FREQUENCY"), "67.0");  // tone number 63
    EXPECT_EQ(radio(p + "TSQL_FREQUENCY"), "67.0");           // tone number 63
    // 145.5205 is read with its 500 Hz bit, then rounded down by the load's heal.
    EXPECT_EQ(radio(p + "FREQUENCY"), "145.5200");
    EXPECT_EQ(radio(p + "TUNING_STEP_SELECTION"), "5k");    // code 15 is no step
    EXPECT_EQ(radio(p + "REPEATER_FREQUENCY"), "20.0000");  // 99.9995 MHz, limited
}

TEST(ChannelOperations, CopyAndPaste) {
    TestRadio radio;
    EXPECT_EQ(radio("CH.MCH_144.5.PASTE.CHECK"), "NG");  // nothing copied yet
    EXPECT_EQ(radio("CH.MCH_144.5.PASTE"), "NG");

    radio("CH.MCH_144.3.ALL=APPEAR=ON\tFREQUENCY=145.5000\tNAME=LOCAL\tSKIP=SKIP");
    test::ExpectAnswers(radio,
                        "CH.MCH_144.3.COPY.CHECK>OK|CH.MCH_144.3.COPY>OK|"
                        "CH.MCH_430.7.PASTE.CHECK>OK|");
    Use(radio, "CH.MCH_430.8.", "433.0000");
    test::ExpectAnswers(radio,
                        "CH.MCH_430.8.PASTE.CHECK>WARNING|CH.MCH_430.7.PASTE>OK|"
                        "CH.MCH_430.7.FREQUENCY>145.5000|CH.MCH_430.7.NAME>LOCAL   |"
                        "CH.MCH_430.7.SKIP>SKIP|CH.MCH_430.7.ISLEGAL>NG|");
    radio("CH.MCH_144.3.NAME=CHANGED");  // the clipboard holds a copy
    EXPECT_EQ(radio("CH.MCH_430.9.PASTE"), "OK");
    EXPECT_EQ(radio("CH.MCH_430.9.NAME"), "LOCAL   ");

    // Pasting onto an edge takes the edge's own rules: no name, no skip.
    test::ExpectAnswers(radio,
                        "CH.PCH_144.2A.PASTE>OK|CH.PCH_144.2A.NAME>        |"
                        "CH.PCH_144.2A.SKIP>OFF|");

    test::ExpectAnswers(radio,
                        "CH.CALL_144.COPY>OK|CH.PCH_144.1A.PASTE.CHECK>WARNING|"
                        "CH.PCH_144.1A.PASTE>OK|CH.PCH_144.1A.FREQUENCY>146.0100|");

    // A blank channel cannot go where a channel cannot be blank.
    test::ExpectAnswers(radio,
                        "CH.MCH_144.50.COPY>OK|CH.PCH_144.1A.PASTE.CHECK>NG|"
                        "CH.PCH_144.1A.PASTE>NG|CH.CALL_430.PASTE>NG|"
                        "CH.PCH_430.3B.PASTE>OK|CH.PCH_144.1A.FREQUENCY>146.0100|");
}

TEST(ChannelOperations, InsertAndDeleteShiftWithinOneBand) {
    TestRadio radio;
    for (int n = 1; n <= 4; ++n) {
        Use(radio, "CH.MCH_144."s + std::to_string(n) + ".", "145."s + std::to_string(n) + "000");
    }
    Use(radio, "CH.MCH_430.1.", "433.0000");
    test::ExpectAnswers(radio,
                        "CH.MCH_144.2.INSERT.CHECK>OK|CH.MCH_144.2.INSERT>OK|"
                        "CH.MCH_144.1.FREQUENCY>145.1000|CH.MCH_144.2.APPEAR>OFF|"
                        "CH.MCH_144.3.FREQUENCY>145.2000|CH.MCH_144.5.FREQUENCY>145.4000|"
                        "CH.MCH_430.1.FREQUENCY>433.0000|CH.MCH_430.2.APPEAR>OFF|");

    test::ExpectAnswers(radio,
                        "CH.MCH_144.2.DELETE.CHECK>OK|CH.MCH_144.3.DELETE.CHECK>WARNING|"
                        "CH.MCH_144.2.DELETE>OK|CH.MCH_144.2.FREQUENCY>145.2000|"
                        "CH.MCH_144.4.FREQUENCY>145.4000|CH.MCH_144.5.APPEAR>OFF|");

    // The last channel: Insert warns that it is pushed out, Delete clears it.
    Use(radio, "CH.MCH_430.99.", "434.0000");
    radio("CH.MCH_430.99.NAME=LAST");
    test::ExpectAnswers(radio,
                        "CH.MCH_430.5.INSERT.CHECK>WARNING|CH.MCH_430.98.INSERT>OK|"
                        "CH.MCH_430.99.APPEAR>OFF|CH.MCH_430.99.NAME>        |");
    Use(radio, "CH.MCH_430.99.", "434.0000");
    EXPECT_EQ(radio("CH.MCH_430.99.DELETE"), "OK");
    EXPECT_EQ(radio("CH.MCH_430.99.APPEAR"), "OFF");

    for (const char* path : {"CH.PCH_144.2A.", "CH.CALL_144.", "CH.VFO.144."}) {
        for (const char* verb : {"INSERT", "INSERT.CHECK", "DELETE", "DELETE.CHECK"}) {
            EXPECT_EQ(radio(std::string(path) + verb), "NG") << path << verb;
        }
    }
}

TEST(ChannelOperations, ClearAndLegalityVerbs) {
    TestRadio radio;
    Use(radio, "CH.MCH_144.6.", "145.6000");
    radio("CH.MCH_144.6.NAME=SIX");
    test::ExpectAnswers(radio,
                        "CH.MCH_144.6.CLEAR.CHECK>OK|CH.MCH_144.6.CLEAR>OK|"
                        "CH.MCH_144.6.APPEAR>OFF|CH.MCH_144.6.NAME>        |"
                        "CH.PCH_144.2A.CLEAR>OK|");
    for (const char* path : {"CH.PCH_144.1B.", "CH.PCH_430.1A.", "CH.CALL_430.", "CH.VFO.Air."}) {
        EXPECT_EQ(radio(std::string(path) + "CLEAR"), "NG") << path;
        EXPECT_EQ(radio(std::string(path) + "CLEAR.CHECK"), "NG") << path;
    }
    test::ExpectAnswers(radio,
                        "CH.PCH_144.1B.APPEAR>ON|CH.MCH_144.1.IsLegal>OK|"
                        "CH.MCH_144.1.ISLEGAL.CHECK>OK|CH.MCH_144.1.HEAL.CHECK>OK|");
}

}  // namespace
}  // namespace ql

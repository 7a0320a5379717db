// Channel lists as CSV and tab-separated text: export, the import plan (what is refused and
// why), and round trips through a fresh data set.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/ChannelExport.h"
#include "document/ChannelImport.h"
#include "model/CVersion.h"
#include "support/TestSupport.h"

namespace ql {
namespace {

using test::TestRadio;

CommandQuery QueryOf(TestRadio& radio) {
    return [&radio](std::string_view command) { return radio(command); };
}

ChannelImportPlan Import(TestRadio& radio, std::string_view text,
                         const ChannelImportOptions& options = {}) {
    ChannelImportPlan plan = PlanChannelImport(text, QueryOf(radio), options);
    for (const std::string& command : plan.commands) radio(command);
    return plan;
}

ChannelImportOptions Options(BandChoice bands, std::optional<unsigned> firstChannel = {},
                             bool headerOptional = false) {
    ChannelImportOptions options;
    options.bands = bands;
    options.firstChannel = firstChannel;
    options.headerOptional = headerOptional;
    return options;
}

std::vector<std::string> RefusalTexts(const ChannelImportPlan& plan) {
    std::vector<std::string> texts;
    for (const RefusedRow& row : plan.refused) texts.push_back(row.Text());
    return texts;
}

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

TEST(ChannelInterchange, FactoryDataOfEveryVersionRoundTrips) {
    for (int version = 0; version < CVersion::kCount; ++version) {
        SCOPED_TRACE(CVersion::Name(version));
        for (const BandChoice bands : {BandChoice::kVhf, BandChoice::kUhf, BandChoice::kBoth}) {
            TestRadio source(version);
            const std::string exported = ExportBands(QueryOf(source), bands, TextFormat::kCsv);
            TestRadio target(version);
            target("CH.MCH_144.1.CLEAR");
            target("CH.MCH_430.1.CLEAR");
            const ChannelImportPlan plan = Import(target, exported, Options(bands));
            EXPECT_TRUE(plan.Ok()) << plan.error;
            EXPECT_TRUE(plan.refused.empty()) << RefusalTexts(plan).front();
            EXPECT_EQ(ExportBands(QueryOf(target), bands, TextFormat::kCsv), exported);
        }
    }
    TestRadio usa(0);
    EXPECT_EQ(ExportBands(QueryOf(usa), BandChoice::kBoth, TextFormat::kCsv),
              kHeader +
                  "1,,146.010000,,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\r\n"
                  "1,,440.000000,,5.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,,,,,,\r\n");
}

TEST(ChannelInterchange, EveryItemTravelsThroughTheLayout) {
    TestRadio source(4);  // EUR-A: narrow FM on the 144 MHz band
    source(
        "CH.MCH_144.7.ALL=APPEAR=ON\tFREQUENCY=145.6125\tDUPLEX_SELECTION=Dup-\t"
        "REPEATER_FREQUENCY=0.6000\tTONE_SELECTION=TONE\tREPEATER_TONE_FREQUENCY=77.0\t"
        "TSQL_FREQUENCY=100.0\tMODE=FM Narrow\tTUNING_STEP_SELECTION=12.5k\tSKIP=SKIP\t"
        "NAME=GB3 (X)");
    source(
        "CH.MCH_430.99.ALL=APPEAR=ON\tFREQUENCY=433.5000\tDUPLEX_SELECTION=Dup+\t"
        "REPEATER_FREQUENCY=1.6000\tTONE_SELECTION=TSQL\tTSQL_FREQUENCY=254.1\t"
        "TUNING_STEP_SELECTION=25k\tSKIP=PROGRAM_SKIP\tNAME=A=B");
    const ChannelRef chosen[] = {{Band::kVhf, 7}, {Band::kUhf, 99}, {Band::kUhf, 50}};
    const std::string tsv = ExportChannels(QueryOf(source), chosen, TextFormat::kTsv, false);
    EXPECT_EQ(tsv,
              "7\tGB3 (X)\t145.612500\t-\t0.600000\tTone\t77.0\t88.5\t023\tNN\t023\tTone->Tone\t"
              "NFM\t12.50\tS\t\t\t\t\t\t\n"
              "99\tA=B\t433.500000\t+\t1.600000\tTSQL\t88.5\t254.1\t023\tNN\t023\tTone->Tone\t"
              "FM\t25.00\tP\t\t\t\t\t\t\n");

    // Pasted without a header line into the UHF list from channel 20 on.
    TestRadio target(4);
    const ChannelImportPlan plan = Import(target, tsv, Options(BandChoice::kUhf, 20, true));
    ASSERT_EQ(RefusalTexts(plan),
              std::vector<std::string>{"line 1: Frequency: 145.612500: outside the 430 MHz band "
                                       "of this radio (EUR-A)"});
    EXPECT_EQ(plan.channels, (std::vector<ChannelRef>{{Band::kUhf, 21}}));
    EXPECT_EQ(target("CH.MCH_430.20.APPEAR"), "OFF");  // the refused row kept its place
    EXPECT_EQ(target("CH.MCH_430.21.ALL"), source("CH.MCH_430.99.ALL"));

    const ChannelImportPlan both = Import(target, ChannelHeaderLine(TextFormat::kTsv) + tsv);
    EXPECT_TRUE(both.refused.empty());
    const ChannelRef vhf7[] = {{Band::kVhf, 7}};
    EXPECT_EQ(ExportChannels(QueryOf(target), vhf7, TextFormat::kTsv, false),
              tsv.substr(0, tsv.find('\n') + 1));
}

TEST(ChannelInterchange, SpreadsheetDialectsImportAlike) {
    const std::string expected =
        "APPEAR=ON\tFREQUENCY=145.5000\tREFERENCE_FREQUENCY=5k\tSKIP=OFF\tMODE=FM\t"
        "DUPLEX_SELECTION=Dup-\tTONE_SELECTION=TONE\tREPEATER_TONE_FREQUENCY=88.5\t"
        "TSQL_FREQUENCY=88.5\tTUNING_STEP_SELECTION=25k\tREPEATER_FREQUENCY=0.6000\t"
        "NAME=RPT-A   ";
    const std::vector<std::string> files = {
        // Our own order, LF.
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,TStep,Comment\n"
        "3,\"RPT-A\",145.5,-,0.6,Tone,88.5,25.00,\"north, \"\"high\"\" site\"\n",
        // A byte-order mark, CR LF, semicolons, decimal commas, columns in another order,
        // headers in other letter case, extra columns, a line end inside a quoted field.
        "\xEF\xBB\xBF"
        "comment;TONE;offset;Frequency;Duplex;TStep;name;Location;Extra\r\n"
        "\"two\r\nlines\";Tone;0,600000;145,500000;-;25,00;RPT-A;3;x\r\n",
        // Tab-separated, CR only.
        "Frequency\tLocation\tName\tDuplex\tOffset\tTone\tTStep\r145.500\t3\tRPT-A\t-\t.6\t"
        "tone\t25\r",
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        TestRadio radio(0);
        const ChannelImportPlan plan = Import(radio, file, Options(BandChoice::kVhf));
        EXPECT_TRUE(plan.Ok()) << plan.error;
        EXPECT_TRUE(plan.refused.empty()) << RefusalTexts(plan).front();
        EXPECT_EQ(radio("CH.MCH_144.3.ALL"), expected);
    }
}

TEST(ChannelInterchange, RefusedRowsNameLineColumnValueAndReasonAndTheRestImport) {
    TestRadio radio(0);  // USA-A: 144-148 and 430-450 MHz, no narrow FM
    const std::string file = kHeader +
                             "1,OK,146.520000,,0,,,,,,,,FM,5.00,,,,,,,\r\n"
                             "2,,151.000000,,0,,,,,,,,FM,5.00,,,,,,,\r\n"
                             "3,,146.52,split,0,,,,,,,,,,,,,,,,\r\n"
                             "4,,146.52,off,0,,,,,,,,,,,,,,,,\r\n"
                             "5,,146.52,,0,DTCS,,,,,,,,,,,,,,,\r\n"
                             "6,,146.52,,0,Tone,69.0,,,,,,,,,,,,,,\r\n"
                             "7,,146.52,,0,,,,,,,,,6.25,,,,,,,\r\n"
                             "0,,146.52,,,,,,,,,,,,,,,,,,\r\n"
                             "100,,146.52,,,,,,,,,,,,,,,,,,\r\n"
                             "8,,146.52,,,,,,,,,,NFM,,,,,,,,\r\n"
                             "9,Caf\xC3\xA9,146.52,,,,,,,,,,,,,,,,,,\r\n"
                             "10,ABCDEFGHI,146.52,,,,,,,,,,,,,,,,,,\r\n"
                             "1,,146.52,,,,,,,,,,,,,,,,,,\r\n"
                             "11,,146.52,,,,,,,,,,,,X,,,,,,\r\n"
                             "12,,146.5x,,,,,,,,,,,,,,,,,,\r\n"
                             "13,,146.52,,25.000000,,,,,,,,,,,,,,,,\r\n"
                             "14,,146.52,,,TSQL,99.9,100.0,,,,,USB,,,,,,,,\r\n"
                             "15,lower,146.52,,,Tone,67.0,bogus,,,,,,,,,,,,,\r\n";
    const ChannelImportPlan plan = Import(radio, file);
    EXPECT_EQ(RefusalTexts(plan),
              (std::vector<std::string>{
                  "line 3: Frequency: 151.000000: outside the 144 MHz and 430 MHz bands of this "
                  "radio (USA-A)",
                  "line 4: Duplex: split: the radio has no duplex split",
                  "line 5: Duplex: off: the radio has no duplex off",
                  "line 6: Tone: DTCS: a tone mode the radio lacks",
                  "line 7: rToneFreq: 69.0: a tone the radio lacks",
                  "line 8: TStep: 6.25: a tuning step (kHz) the radio lacks",
                  "line 9: Location: 0: not a memory channel 1-99",
                  "line 10: Location: 100: not a memory channel 1-99",
                  "line 11: Mode: NFM: not on 146.520000 MHz in this radio (USA-A)",
                  "line 12: Name: Caf\xC3\xA9: characters the radio cannot show",
                  "line 13: Name: ABCDEFGHI: longer than the 8 characters of a channel name",
                  "line 14: Location: 1: channel 1 of the 144 MHz band is already taken by line 2",
                  "line 15: Skip: X: not a skip (\"\", S or P)",
                  "line 16: Frequency: 146.5x: not a frequency in MHz",
                  "line 17: Offset: 25.000000: more than the radio's largest offset, 20.0000 MHz",
                  "line 18: Mode: USB: a mode the radio lacks",
              }));
    // Only the tone the tone mode names counts: a placeholder in the other column does not.
    EXPECT_EQ(plan.channels, (std::vector<ChannelRef>{{Band::kVhf, 1}, {Band::kVhf, 15}}));
    EXPECT_EQ(radio("CH.MCH_144.1.NAME"), "OK      ");
    EXPECT_EQ(radio("CH.MCH_144.15.NAME"), "LOWER   ");
    EXPECT_EQ(radio("CH.MCH_144.15.REPEATER_TONE_FREQUENCY"), "67.0");
    EXPECT_EQ(radio("CH.MCH_144.2.APPEAR"), "OFF");
}

TEST(ChannelInterchange, FrequenciesHealAsTypedInEditMemory) {
    TestRadio radio(0);
    const ChannelImportPlan plan =
        Import(radio, "Location,Frequency,TStep\n1,145.00625,5\n2,145.0125,5\n3,440.0125,12.5\n");
    EXPECT_TRUE(plan.refused.empty());
    EXPECT_EQ(radio("CH.MCH_144.1.FREQUENCY"), "145.0050");
    EXPECT_EQ(radio("CH.MCH_144.2.REFERENCE_FREQUENCY"), "6.25k");
    EXPECT_EQ(radio("CH.MCH_430.3.FREQUENCY"), "440.0125");
    EXPECT_EQ(plan.commands.back(), "CH.MCH_430.3.HEAL");
}

TEST(ChannelInterchange, TextsThatAreNoChannelListChangeNothing) {
    TestRadio radio(0);
    const std::string before = radio.Dump();
    const auto expectError = [&](std::string_view text, std::string_view error) {
        const ChannelImportPlan plan = Import(radio, text);
        EXPECT_EQ(plan.error, error);
        EXPECT_TRUE(plan.commands.empty());
        EXPECT_TRUE(plan.refused.empty());
    };
    expectError("", "an empty file, without a header line");
    expectError("\xEF\xBB\xBF\r\n\r\n", "an empty file, without a header line");
    expectError(std::string("\x7F"
                            "ELF\x02\x01\x01\0\0\0",
                            10),
                "line 1: a control byte: this is no text file");
    expectError("Location,Frequency\n1,146.52\n2,\xFF\xFE\n",
                "line 3: bytes that are not UTF-8: this is no text file");
    expectError("Location,Frequency\n1,\"146.52\n", "line 2: a quoted field is not closed");
    expectError("Channel,MHz\n1,146.52\n",
                "line 1: the first line names no Frequency column: no channel list");
    expectError(kHeader + std::string(300, ',') + "\n", "line 2: more than 256 fields in a row");
    EXPECT_EQ(radio.Dump(), before);

    const ChannelImportPlan headerOnly = Import(radio, kHeader);
    EXPECT_TRUE(headerOnly.Ok());
    EXPECT_TRUE(headerOnly.commands.empty());
    EXPECT_TRUE(headerOnly.refused.empty());
    EXPECT_EQ(radio.Dump(), before);
}

TEST(ChannelInterchange, ALongFileFillsEachBandOnceAndRefusesTheRest) {
    std::string file = "Location,Frequency\n";
    for (int row = 1; row <= 10000; ++row) {
        file += std::to_string(row) + "," + (row % 2 == 0 ? "146.52" : "440.5") + "\n";
    }
    TestRadio radio(0);
    ChannelImportPlan plan = PlanChannelImport(file, QueryOf(radio), {});
    EXPECT_EQ(plan.channels.size(), 99u);
    EXPECT_EQ(plan.refused.size(), 9901u);
    EXPECT_EQ(plan.refused.back().Text(), "line 10001: Location: 10000: not a memory channel 1-99");

    // Re-based from channel 1, each band takes 99 rows in the order they come.
    plan = PlanChannelImport(file, QueryOf(radio), Options(BandChoice::kBoth, 1));
    EXPECT_EQ(plan.channels.size(), 198u);
    EXPECT_EQ(plan.channels[197], (ChannelRef{Band::kVhf, 99}));
    EXPECT_EQ(plan.refused.front().Text(), "line 200: Location: 100: not a memory channel 1-99");
}

}  // namespace
}  // namespace ql

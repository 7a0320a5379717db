// The texts of the channel list and the Edit Memory dialog, against a real radio data
// object: the cells a row shows, how a frequency text is read, and the assignments that
// an edit becomes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/ChannelPath.h"
#include "support/TestSupport.h"
#include "ui/ChannelEdit.h"
#include "ui/ChannelRow.h"
#include "ui/FrequencyText.h"

namespace ql::test {
namespace {

using ui::ChannelRowTexts;

ChannelRowTexts Row(TestRadio& radio, unsigned channel) {
    return ui::BuildChannelRow([&](std::string_view command) { return radio(command); },
                               ChannelPath(Band::kVhf, channel), channel);
}

TEST(ChannelRow, LabelsOfMemoryChannelsEdgesAndCall) {
    EXPECT_EQ(ui::ChannelLabel(1), "01");
    EXPECT_EQ(ui::ChannelLabel(99), "99");
    EXPECT_EQ(ui::ChannelLabel(100), "P1A");
    EXPECT_EQ(ui::ChannelLabel(105), "P3B");
    EXPECT_EQ(ui::ChannelLabel(106), "CALL");
    EXPECT_EQ(ui::ChannelLabel(0), "");
    EXPECT_EQ(ui::ChannelLabel(107), "");
}

TEST(ChannelRow, ABlankChannelShowsOnlyItsLabel) {
    TestRadio radio(0);
    radio("CH.MCH_144.7.APPEAR=OFF");
    const ChannelRowTexts row = Row(radio, 7);
    EXPECT_EQ(row[ui::kColLabel], "07");
    for (int column = 1; column < ui::kColumnCount; ++column) {
        EXPECT_EQ(row.at(column), "") << column;
    }
}

TEST(ChannelRow, AMemoryChannelShowsEveryItemInItsColumn) {
    TestRadio radio(0);
    radio(
        "CH.MCH_144.12.ALL=APPEAR=ON\tFREQUENCY=145.5000\tDUPLEX_SELECTION=Dup-\t"
        "REPEATER_FREQUENCY=0.6000\tNAME=RPT\tTONE_SELECTION=TONE\t"
        "REPEATER_TONE_FREQUENCY=123.0\tTSQL_FREQUENCY=100.0\tSKIP=PROGRAM_SKIP\t"
        "TUNING_STEP_SELECTION=25k\tMODE=FM");
    radio("CH.MCH_144.12.HEAL");
    const ChannelRowTexts row = Row(radio, 12);
    const ChannelRowTexts expected = {"12",    "145.5000", "-Dup", "0.6000", "RPT", "TONE",
                                      "123.0", "100.0",    "M+P",  "25k",    "FM",  ""};
    EXPECT_EQ(row, expected);

    radio("CH.MCH_144.12.DUPLEX_SELECTION=Dup+");
    radio("CH.MCH_144.12.SKIP=SKIP");
    radio("CH.MCH_144.12.TONE_SELECTION=OFF");
    const ChannelRowTexts changed = Row(radio, 12);
    EXPECT_EQ(changed[ui::kColDuplex], "+Dup");
    EXPECT_EQ(changed[ui::kColSkip], "M");
    EXPECT_EQ(changed[ui::kColTone], "");
    radio("CH.MCH_144.12.DUPLEX_SELECTION=OFF");
    radio("CH.MCH_144.12.SKIP=OFF");
    EXPECT_EQ(Row(radio, 12)[ui::kColDuplex], "");
    EXPECT_EQ(Row(radio, 12)[ui::kColSkip], "");
}

TEST(ChannelRow, AnIllegalFrequencyIsMarked) {
    TestRadio radio(0);
    radio("CH.MCH_144.5.ALL=APPEAR=ON\tFREQUENCY=435.0000");
    radio("CH.MCH_144.5.HEAL");
    ASSERT_EQ(radio("CH.MCH_144.5.ISLEGAL"), "NG");
    EXPECT_EQ(Row(radio, 5)[ui::kColFrequency], "435.0000 ?");
}

TEST(ChannelRow, EdgesShowDashesForNameAndSkipAndTheCallChannelForSkip) {
    TestRadio radio(0);
    for (unsigned edge = 100; edge <= 105; ++edge) {
        const ChannelRowTexts row = Row(radio, edge);
        if (row[ui::kColFrequency].empty()) continue;  // a blank edge shows only its label
        EXPECT_EQ(row[ui::kColName], "------") << edge;
        EXPECT_EQ(row[ui::kColSkip], "----") << edge;
    }
    // Edges 1A and 1B are always in use.
    EXPECT_EQ(Row(radio, 100)[ui::kColName], "------");
    radio("CH.CALL_144.NAME=HOME");
    const ChannelRowTexts call = Row(radio, 106);
    EXPECT_EQ(call[ui::kColLabel], "CALL");
    EXPECT_EQ(call[ui::kColName], "HOME");
    EXPECT_EQ(call[ui::kColSkip], "----");
}

TEST(ChannelRow, CellsAreTrimmedAndBounded) {
    std::vector<std::string> asked;
    const ChannelRowTexts row = ui::BuildChannelRow(
        [&](std::string_view command) -> std::string {
            asked.emplace_back(command);
            if (command.ends_with("APPEAR")) return "ON";
            if (command.ends_with("NAME")) return "  AB    ";
            if (command.ends_with("MODE")) return std::string(40, 'X');
            return "x";
        },
        "P.", 3);
    EXPECT_EQ(row[ui::kColName], "AB");
    EXPECT_EQ(row[ui::kColMode], std::string(ui::kCellCapacity, 'X'));
    const std::vector<std::string> order = {"P.APPEAR",
                                            "P.FREQUENCY",
                                            "P.ISLEGAL",
                                            "P.DUPLEX_SELECTION",
                                            "P.REPEATER_FREQUENCY",
                                            "P.NAME",
                                            "P.TONE_SELECTION",
                                            "P.REPEATER_TONE_FREQUENCY",
                                            "P.TSQL_FREQUENCY",
                                            "P.SKIP",
                                            "P.TUNING_STEP_SELECTION",
                                            "P.MODE"};
    EXPECT_EQ(asked, order);
}

TEST(FrequencyText, TheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(ui::LeadingDecimal("145.5000"), 145.5);
    EXPECT_DOUBLE_EQ(ui::LeadingDecimal("  7.25MHz"), 7.25);
    EXPECT_DOUBLE_EQ(ui::LeadingDecimal("145."), 145.0);
    EXPECT_DOUBLE_EQ(ui::LeadingDecimal("-3"), -3.0);
    EXPECT_DOUBLE_EQ(ui::LeadingDecimal("1e3"), 1.0);
    EXPECT_DOUBLE_EQ(ui::LeadingDecimal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ui::LeadingDecimal("0x10"), 0.0);
    for (const char* none : {"", "   ", "abc", ".", "-", "+.", "inf", "nan"}) {
        EXPECT_DOUBLE_EQ(ui::LeadingDecimal(none), 0.0) << none;
    }
    EXPECT_GT(ui::LeadingDecimal(std::string(400, '9')), 2000.0);
}

TEST(FrequencyText, ADecimalCommaIsThePoint) {
    EXPECT_EQ(ui::WithDecimalPoint("145,5"), "145.5");
    EXPECT_EQ(ui::WithDecimalPoint("0,6"), "0.6");
    EXPECT_EQ(ui::WithDecimalPoint("145.5"), "145.5");
}

std::vector<std::string> Commands(const ui::ChannelEdit& edit) {
    return ui::ChannelEditCommands(edit, "CH.MCH_144.12.");
}

TEST(ChannelEdit, OkAssignsEveryItemInOrderWithAppearAndHealLast) {
    ui::ChannelEdit edit;
    edit.frequency = " 145.5000 ";
    edit.offset = "0.6000";
    edit.duplex = "-Dup";
    edit.repeaterTone = "123.0";
    edit.squelchTone = "100.0";
    edit.tuningStep = "25k";
    edit.name = "RPT  ";
    edit.toneMode = ui::ToneMode::kTone;
    edit.mode = ui::ChannelMode::kAm;
    edit.skip = "Program & Memory";
    const std::vector<std::string> expected = {
        "CH.MCH_144.12.REPEATER_FREQUENCY=0.6000",
        "CH.MCH_144.12.DUPLEX_SELECTION=Dup-",
        "CH.MCH_144.12.REPEATER_TONE_FREQUENCY=123.0",
        "CH.MCH_144.12.TSQL_FREQUENCY=100.0",
        "CH.MCH_144.12.TUNING_STEP_SELECTION=25k",
        "CH.MCH_144.12.NAME=RPT",
        "CH.MCH_144.12.TONE_SELECTION=TONE",
        "CH.MCH_144.12.MODE=AM",
        "CH.MCH_144.12.SKIP=PROGRAM_SKIP",
        "CH.MCH_144.12.FREQUENCY=145.5000",
        "CH.MCH_144.12.APPEAR=ON",
        "CH.MCH_144.12.HEAL",
    };
    EXPECT_EQ(Commands(edit), expected);
}

TEST(ChannelEdit, ButtonsAndListsMapToTheirValues) {
    ui::ChannelEdit edit;
    edit.frequency = "145";
    const auto item = [&](int step) { return Commands(edit).at(step); };
    edit.duplex = "+Dup";
    EXPECT_EQ(item(1), "CH.MCH_144.12.DUPLEX_SELECTION=Dup+");
    edit.duplex = "";
    EXPECT_EQ(item(1), "CH.MCH_144.12.DUPLEX_SELECTION=OFF");
    edit.toneMode = ui::ToneMode::kOff;
    EXPECT_EQ(item(6), "CH.MCH_144.12.TONE_SELECTION=OFF");
    edit.toneMode = ui::ToneMode::kNone;
    EXPECT_EQ(item(6), "CH.MCH_144.12.TONE_SELECTION=TSQL");
    edit.mode = ui::ChannelMode::kWideFm;
    EXPECT_EQ(item(7), "CH.MCH_144.12.MODE=Wide FM");
    edit.mode = ui::ChannelMode::kNarrowFm;
    EXPECT_EQ(item(7), "CH.MCH_144.12.MODE=FM Narrow");
    edit.mode = ui::ChannelMode::kFm;
    EXPECT_EQ(item(7), "CH.MCH_144.12.MODE=FM");
    edit.skip = "Memory";
    EXPECT_EQ(item(8), "CH.MCH_144.12.SKIP=SKIP");
    edit.skip = "";
    EXPECT_EQ(item(8), "CH.MCH_144.12.SKIP=Off");
    edit.repeaterTone = "";
    EXPECT_EQ(item(2), "CH.MCH_144.12.REPEATER_TONE_FREQUENCY=");
}

TEST(ChannelEdit, AnEmptyOrBlankNameIsStoredAsOneSpace) {
    ui::ChannelEdit edit;
    edit.frequency = "145";
    for (const char* name : {"", "    ", "\t"}) {
        edit.name = name;
        EXPECT_EQ(Commands(edit).at(5), "CH.MCH_144.12.NAME= ") << '"' << name << '"';
    }
}

TEST(ChannelEdit, FrequenciesOutsideZeroToTwoThousandBlankTheChannel) {
    ui::ChannelEdit edit;
    for (const char* blank : {"2000", "0", "abc", "", "  ", "-5", "2000.0001"}) {
        edit.frequency = blank;
        const std::vector<std::string> commands = Commands(edit);
        EXPECT_EQ(commands.at(9), "CH.MCH_144.12.FREQUENCY=") << blank;
        EXPECT_EQ(commands.at(10), "CH.MCH_144.12.APPEAR=OFF") << blank;
        EXPECT_EQ(commands.at(11), "CH.MCH_144.12.HEAL") << blank;
    }
    edit.frequency = "1999.9999";
    EXPECT_EQ(Commands(edit).at(9), "CH.MCH_144.12.FREQUENCY=1999.9999");
    EXPECT_EQ(Commands(edit).at(10), "CH.MCH_144.12.APPEAR=ON");
}

TEST(ChannelEdit, ADecimalCommaInFrequencyAndOffsetIsThePoint) {
    ui::ChannelEdit edit;
    edit.frequency = "145,5";
    edit.offset = "0,6";
    const std::vector<std::string> commands = Commands(edit);
    EXPECT_EQ(commands.at(0), "CH.MCH_144.12.REPEATER_FREQUENCY=0.6");
    EXPECT_EQ(commands.at(9), "CH.MCH_144.12.FREQUENCY=145.5");

    // Stored as 145.5 MHz, not 145.0 MHz.
    TestRadio radio(0);
    for (const std::string& command : commands) radio(command);
    EXPECT_EQ(radio("CH.MCH_144.12.FREQUENCY"), "145.5000");
    EXPECT_EQ(radio("CH.MCH_144.12.REPEATER_FREQUENCY"), "0.6000");
}

TEST(ChannelEdit, ReadingABlankChannelGivesTheDefaultsAfterOneQuery) {
    TestRadio radio(0);
    radio("CH.MCH_430.12.APPEAR=OFF");
    std::vector<std::string> asked;
    const ui::ChannelEdit edit = ui::ReadChannelEdit(
        [&](std::string_view command) {
            asked.emplace_back(command);
            return radio(command);
        },
        "CH.MCH_430.12.");
    EXPECT_EQ(asked, std::vector<std::string>{"CH.MCH_430.12.APPEAR"});
    EXPECT_EQ(edit.frequency, "");
    EXPECT_EQ(edit.offset, "0.0000");
    EXPECT_EQ(edit.duplex, "OFF");
    EXPECT_EQ(edit.repeaterTone, "88.5");
    EXPECT_EQ(edit.squelchTone, "88.5");
    EXPECT_EQ(edit.tuningStep, "5k");
    EXPECT_EQ(edit.name, "");
    EXPECT_EQ(edit.toneMode, ui::ToneMode::kOff);
    EXPECT_EQ(edit.mode, ui::ChannelMode::kFm);
    EXPECT_EQ(edit.skip, "Off");
}

}  // namespace
}  // namespace ql::test

#pragma once

// The texts that the Setting sheet's pages and the DTMF Autodial dialog show for the model's
// values, shared with the printed channel list so that paper and screen say the same.

#include <array>
#include <string>
#include <string_view>

#include "ui/StringTable.h"
#include "ui/TextMap.h"

namespace ql::ui {

// " Common ": the check boxes' values, then the lists' texts.
inline constexpr std::string_view kSwitchOn = "ON";
inline constexpr std::string_view kSwitchOff = "OFF";

inline constexpr std::array kFanPairs =
    std::to_array<TextPair>({{"AUTO", "Automatic"}, {"ON", "On"}});
inline constexpr TextMap kFan{kFanPairs, "Automatic", "AUTO"};

inline constexpr std::array kTotPairs = std::to_array<TextPair>({{"OFF", "Off"},
                                                                 {"3min", "3 min"},
                                                                 {"5min", "5 min"},
                                                                 {"15min", "15 min"},
                                                                 {"30min", "30 min"}});
inline constexpr TextMap kTot{kTotPairs, "Off", "OFF"};

// Every text that any version shows, so that each direction works whatever was offered.
inline constexpr std::array kRepeaterPairs =
    std::to_array<TextPair>({{"OFF", "Off"}, {"ON", "On"}, {"ON1", "Dup"}, {"ON2", "Dup & Tone"}});
inline constexpr TextMap kRepeater{kRepeaterPairs, "Off", "OFF"};
inline constexpr std::array<std::string_view, 2> kRepeaterOffOn = {"Off", "On"};
inline constexpr std::array<std::string_view, 3> kRepeaterDuplex = {"Off", "Dup", "Dup & Tone"};
// A version without an auto repeater shows this single entry.
inline constexpr std::array<std::string_view, 1> kRepeaterNone = {"---"};

inline constexpr std::array kPowerOffPairs = std::to_array<TextPair>(
    {{"OFF", "Off"}, {"30min", "30 min"}, {"1hour", "1 hour"}, {"2hour", "2 hour"}});
inline constexpr TextMap kPowerOff{kPowerOffPairs, "Off", "OFF"};

inline constexpr std::array kSquelchPairs =
    std::to_array<TextPair>({{"SHORT", "Short"}, {"LONG", "Long"}});
inline constexpr TextMap kSquelch{kSquelchPairs, "Long", "SHORT"};

inline constexpr std::array kPacketPairs =
    std::to_array<TextPair>({{"1200bps", "1200"}, {"9600bps", "9600"}});
inline constexpr TextMap kPacket{kPacketPairs, "9600", "9600bps"};

inline constexpr std::array kScanPairs =
    std::to_array<TextPair>({{"T-5", "5s"}, {"T-10", "10s"}, {"T-15", "15s"}, {"P-2", "Pause"}});
inline constexpr TextMap kScan{kScanPairs, "5s", "T-5"};

// RF power by slider position, and the marks under the slider's positions.
inline constexpr std::array<std::string_view, 4> kRfPower = {"LOW", "MID-L", "MID-H", "HIGH"};
inline constexpr std::array kPowerMarks = {sid::kPowerLow, sid::kPowerMidLo, sid::kPowerMidHi,
                                           sid::kPowerHigh};

// " Display ".
inline constexpr std::array kTypePairs = std::to_array<TextPair>(
    {{"TYPE 1", "Type A"}, {"TYPE 2", "Type B"}, {"TYPE 3", "Type C"}, {"TYPE 4", "Type D"}});
inline constexpr TextMap kType{kTypePairs, "Type A", "TYPE 1"};

// The model's percent texts by slider position; the steps are not even.
inline constexpr std::array<std::string_view, 33> kPercent = {
    "0%",  "3%",  "6%",  "9%",  "13%", "16%", "19%", "22%", "25%", "28%", "31%",
    "34%", "38%", "41%", "44%", "47%", "50%", "53%", "56%", "59%", "62%", "65%",
    "68%", "72%", "75%", "78%", "81%", "84%", "88%", "91%", "94%", "97%", "100%"};
inline constexpr int kLastPercent = static_cast<int>(kPercent.size()) - 1;

// " MIC Option ": the key functions in the order of the model's list.
inline constexpr std::array kFunctionPairs = std::to_array<TextPair>({
    {"V-MAIN", "VHF MAIN"},
    {"V-V/MHz", "VHF V/MHz"},
    {"V-M/C", "VHF M/C"},
    {"V-MONI", "VHF MONI"},
    {"U-MAIN", "UHF MAIN"},
    {"U-V/MHz", "UHF V/MHz"},
    {"U-M/C", "UHF M/C"},
    {"U-MONI", "UHF MONI"},
    {"V-EDIT", "VHF EDIT"},
    {"V-TON", "VHF TONE"},
    {"V-MW", "VHF MW"},
    {"DTMF", "DTMF"},
    {"U-EDIT", "UHF EDIT"},
    {"U-TON", "UHF TONE"},
    {"U-MW", "UHF MW"},
    {"DISP", "DISP"},
    {"MIC-DN", "Dn"},
    {"MIC-UP", "Up"},
});
inline constexpr TextMap kFunction{kFunctionPairs, "VHF MAIN", "V-MAIN"};

inline constexpr std::array kAddressPairs = std::to_array<TextPair>({
    {"0", "0"},
    {"1", "1"},
    {"2", "2"},
    {"3", "3"},
    {"4", "4"},
    {"5", "5"},
    {"6", "6"},
    {"7", "7"},
    {"OFF", "Off"},
});
inline constexpr TextMap kAddress{kAddressPairs, "Off", "OFF"};

inline constexpr std::array<std::string_view, 4> kKeyItems = {"MIC_F1_FUNCTION", "MIC_F2_FUNCTION",
                                                              "MIC_UP_FUNCTION", "MIC_DN_FUNCTION"};
inline constexpr std::array kKeyLabels = {sid::kF1Key, sid::kF2Key, sid::kUpKey, sid::kDnKey};

// "DTMF Autodial": memory i is called "D" and the i-th of these characters;
// "COMMON.DTMF_CH_NO" takes it too.
inline constexpr std::string_view kMemoryDigits = "0123456789ABCDEF";
inline constexpr int kDtmfMemoryCount = 14;
inline constexpr int kDtmfCodeLength = 16;
inline constexpr std::array<std::string_view, 4> kSpeeds = {"100ms", "200ms", "300ms", "500ms"};

// "DTMF." and the memory number.
[[nodiscard]] std::string DtmfMemoryCommand(int memory);
// "D0" ... "DD".
[[nodiscard]] std::string DtmfMemoryName(int memory);
// The memory that a "COMMON.DTMF_CH_NO" answer names: where the answer stands in the memory
// digits; memory 0 when it is not there or names no memory.
[[nodiscard]] int DtmfChannelIndex(std::string_view answer);

}  // namespace ql::ui

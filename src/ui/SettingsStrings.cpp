#include "ui/SettingsStrings.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ql::ui {

namespace {

using Entry = std::pair<int, std::string_view>;

constexpr std::array kStrings = std::to_array<Entry>({
    {sid::kSettingCaption, "Setting"},
    {sid::kCommonPage, " Common "},
    {sid::kDisplayPage, " Display "},
    {sid::kMicOptionPage, " MIC Option "},
    {sid::kOperationBeep, "Operation Beep"},
    {sid::kRfAttenuator, "RF Attenuator"},
    {sid::kMemoryName, "Memory Name"},
    {sid::kSubBandBeep, "Sub Band Beep"},
    {sid::kSubBandMute, "Sub Band Mute"},
    {sid::kCoolingFan, "Cooling Fan"},
    {sid::kTxTot, "Tx T.O.T"},
    {sid::kAutoRepeater, "Auto Repeater"},
    {sid::kAutoPowerOff, "Auto Power-Off"},
    {sid::kSquelchDelay, "Squelch Delay"},
    {sid::kPacketBps, "Packet BPS"},
    {sid::kVhfFrame, "VHF"},
    {sid::kUhfFrame, "UHF"},
    {sid::kScanResume, "Scan Resume"},
    {sid::kRfPower, "RF Power"},
    {sid::kPowerLow, "Low"},
    {sid::kPowerMidLo, "Mid-Lo"},
    {sid::kPowerMidHi, "Mid-Hi"},
    {sid::kPowerHigh, "High"},
    {sid::kContrastControl, "Contrast Control"},
    {sid::kBrightControl, "Bright Control"},
    {sid::kDisplayType, "Display Type"},
    {sid::kOpeningTitle, "Opening Title"},
    {sid::kCommentLabel, "Comment"},
    {sid::kSliderLeftEnd, "0%"},
    {sid::kSliderRightEnd, "100%"},
    {sid::kDisplayPicture, "Display type picture"},
    {sid::kMicFunctions, "MIC Functions"},
    {sid::kF1Key, "MK-31 F-1 Key"},
    {sid::kF2Key, "MK-31 F-2 Key"},
    {sid::kUpKey, "UP Key"},
    {sid::kDnKey, "DN Key"},
    {sid::kOptionMic, "Option MIC MK-35"},
    {sid::kMicAddress, "MIC Address"},
    {sid::kDtmfCaption, "DTMF Autodial"},
    {sid::kChannelSelection, "Channel Selection"},
    {sid::kSpeed, "Speed"},
    {sid::kAutodialMemories, "Autodial Memories"},
    {sid::kDtmfCode, "Code"},
});

}  // namespace

std::string_view SettingsText(int id) {
    const auto* found = std::ranges::find(kStrings, id, &Entry::first);
    return found == kStrings.end() ? std::string_view() : found->second;
}

}  // namespace ql::ui

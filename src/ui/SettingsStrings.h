#pragma once

#include <string_view>

namespace ql::ui {

// String numbers of the settings sheet and the DTMF Autodial dialog.
namespace sid {
inline constexpr int kSettingCaption = 62100;
inline constexpr int kCommonPage = 62101;
inline constexpr int kDisplayPage = 62102;
inline constexpr int kMicOptionPage = 62103;

// " Common ".
inline constexpr int kOperationBeep = 62110;
inline constexpr int kRfAttenuator = 62111;
inline constexpr int kMemoryName = 62112;
inline constexpr int kSubBandBeep = 62113;
inline constexpr int kSubBandMute = 62114;
inline constexpr int kCoolingFan = 62115;
inline constexpr int kTxTot = 62116;
inline constexpr int kAutoRepeater = 62117;
inline constexpr int kAutoPowerOff = 62118;
inline constexpr int kSquelchDelay = 62119;
inline constexpr int kPacketBps = 62120;
inline constexpr int kVhfFrame = 62121;
inline constexpr int kUhfFrame = 62122;
inline constexpr int kScanResume = 62123;
inline constexpr int kRfPower = 62124;
inline constexpr int kPowerLow = 62125;
inline constexpr int kPowerMidLo = 62126;
inline constexpr int kPowerMidHi = 62127;
inline constexpr int kPowerHigh = 62128;
// The two upper frames have no string of their own, so they carry no caption.
inline constexpr int kSwitchesFrame = 62129;
inline constexpr int kListsFrame = 62130;

// " Display ".
inline constexpr int kContrastControl = 62140;
inline constexpr int kBrightControl = 62141;
inline constexpr int kDisplayType = 62142;
inline constexpr int kOpeningTitle = 62143;
inline constexpr int kCommentLabel = 62144;
inline constexpr int kSliderLeftEnd = 62145;
inline constexpr int kSliderRightEnd = 62146;
inline constexpr int kDisplayFrame = 62147;  // no string: no caption
inline constexpr int kDisplayPicture = 62148;

// " MIC Option ".
inline constexpr int kMicFunctions = 62150;
inline constexpr int kF1Key = 62151;
inline constexpr int kF2Key = 62152;
inline constexpr int kUpKey = 62153;
inline constexpr int kDnKey = 62154;
inline constexpr int kOptionMic = 62155;
inline constexpr int kMicAddress = 62156;

// "DTMF Autodial".
inline constexpr int kDtmfCaption = 62200;
inline constexpr int kChannelSelection = 62201;
inline constexpr int kSpeed = 62202;
inline constexpr int kAutodialMemories = 62203;
inline constexpr int kDtmfCode = 62204;
}  // namespace sid

// The text of one of these numbers; empty for a number that has no string.
[[nodiscard]] std::string_view SettingsText(int id);

}  // namespace ql::ui

#include "ui/SettingsSummary.h"

#include <string>
#include <string_view>

#include "desktop/QtText.h"
#include "model/CVersion.h"
#include "ui/CRadioCommands.h"
#include "ui/SettingTexts.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {

// Asks "COMMON." items of the radio data.
class CommonItems {
  public:
    explicit CommonItems(CRadioCommands& radio) : radio_(radio) {}
    [[nodiscard]] std::string operator()(std::string_view name) const {
        return radio_.Query(CommonQuery(name));
    }

  private:
    CRadioCommands& radio_;
};

QString Switch(std::string_view answer) {
    return Text(answer == kSwitchOn ? sid::kReportOn : sid::kReportOff);
}

QString PageTitle(int id) {
    return Text(id).trimmed();
}

QString BandLabel(int band, int label) {
    return Text(band) + QLatin1Char(' ') + Text(label);
}

QString RfPower(std::string_view answer) {
    const int position = PositionOf(kRfPower, answer, 0);
    return Text(kPowerMarks.at(static_cast<std::size_t>(position)));
}

QString Percent(std::string_view answer) {
    return ToQString(TextAt(kPercent, PositionOf(kPercent, answer, kLastPercent), ""));
}

SummarySection CommonPage(CRadioCommands& radio, const CommonItems& item) {
    const bool repeater =
        CVersion::AutoRepeaterOf(CVersion::NumberOf(radio.Query("MODEL.COUNTRY"))) !=
        CVersion::AutoRepeater::kNone;
    const QString autoRepeater =
        ToQString(repeater ? kRepeater.Shown(item("AUTO_REPEATER")) : kRepeaterNone.front());
    return {PageTitle(sid::kCommonPage),
            {
                {Text(sid::kOperationBeep), Switch(item("BEEP"))},
                {Text(sid::kSubBandMute), Switch(item("SUB_BAND_MUTE"))},
                {Text(sid::kSubBandBeep), Switch(item("SUB_BAND_BEEP"))},
                {Text(sid::kRfAttenuator), Switch(item("RF_ATTENUATER"))},
                {Text(sid::kMemoryName), Switch(item("NAME_DISPLAY"))},
                {Text(sid::kTxTot), ToQString(kTot.Shown(item("TOT")))},
                {Text(sid::kAutoRepeater), autoRepeater},
                {Text(sid::kAutoPowerOff), ToQString(kPowerOff.Shown(item("AUTO_POWER_OFF")))},
                {Text(sid::kCoolingFan), ToQString(kFan.Shown(item("FAN")))},
                {Text(sid::kPacketBps), ToQString(kPacket.Shown(item("PACKET_BAUDRATE")))},
                {Text(sid::kSquelchDelay), ToQString(kSquelch.Shown(item("SQUELCH_DELAY")))},
                {BandLabel(sid::kVhfFrame, sid::kScanResume),
                 ToQString(kScan.Shown(item("SCAN_STOP_ACTION_VHF")))},
                {BandLabel(sid::kVhfFrame, sid::kRfPower), RfPower(item("RF_POWER_VHF"))},
                {BandLabel(sid::kUhfFrame, sid::kScanResume),
                 ToQString(kScan.Shown(item("SCAN_STOP_ACTION_UHF")))},
                {BandLabel(sid::kUhfFrame, sid::kRfPower), RfPower(item("RF_POWER_UHF"))},
            }};
}

SummarySection DisplayPage(const CommonItems& item) {
    return {PageTitle(sid::kDisplayPage),
            {
                {Text(sid::kContrastControl), Percent(item("LCD_CONTRAST"))},
                {Text(sid::kBrightControl), Percent(item("LCD_BACKLIGHT"))},
                {Text(sid::kDisplayType), ToQString(kType.Shown(item("DISPLAY_TYPE")))},
                {Text(sid::kOpeningTitle), ToQString(TrimRight(item("OPENING_TEXT")))},
                {Text(sid::kCommentLabel), ToQString(TrimRight(item("CLONE_COMMENT")))},
            }};
}

SummarySection MicOptionPage(const CommonItems& item) {
    SummarySection page{PageTitle(sid::kMicOptionPage), {}};
    for (std::size_t i = 0; i < kKeyItems.size(); ++i) {
        page.lines.push_back(
            {Text(kKeyLabels.at(i)), ToQString(kFunction.Shown(item(kKeyItems.at(i))))});
    }
    page.lines.push_back({Text(sid::kMicAddress), ToQString(kAddress.Shown(item("MIC_ID")))});
    return page;
}

}  // namespace

std::vector<SummarySection> CommonSettingsSummary(CRadioCommands& radio) {
    const CommonItems item(radio);
    return {CommonPage(radio, item), DisplayPage(item), MicOptionPage(item)};
}

SummarySection DtmfSummary(CRadioCommands& radio) {
    SummarySection dialog{Text(sid::kDtmfCaption), {}};
    for (int i = 0; i < kDtmfMemoryCount; ++i) {
        const std::string answer = radio.Query(DtmfMemoryCommand(i));
        const std::string_view code = std::string_view(answer).substr(0, kDtmfCodeLength);
        dialog.lines.push_back({ToQString(DtmfMemoryName(i)), ToQString(TrimRight(code))});
    }
    const int channel = DtmfChannelIndex(radio.Query("COMMON.DTMF_CH_NO"));
    dialog.lines.push_back({Text(sid::kChannelSelection), ToQString(DtmfMemoryName(channel))});
    const int speed = PositionOf(kSpeeds, radio.Query("COMMON.DTMF_SPEED"), -1);
    dialog.lines.push_back({Text(sid::kSpeed), ToQString(TextAt(kSpeeds, speed, ""))});
    return dialog;
}

}  // namespace ql::ui

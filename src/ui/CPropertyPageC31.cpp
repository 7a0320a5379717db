// CPropertyPageC31: the " Common " page of the Setting sheet.
#include "ui/CPropertyPageC31.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "model/CVersion.h"
#include "ui/ControlTexts.h"
#include "ui/QtChild.h"
#include "ui/SettingTexts.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {

CPropertyPageC31::RepeaterStyle StyleOf(std::string_view country) {
    using Style = CPropertyPageC31::RepeaterStyle;
    switch (CVersion::AutoRepeaterOf(CVersion::NumberOf(country))) {
        case CVersion::AutoRepeater::kOffOn:
            return Style::kOffOn;
        case CVersion::AutoRepeater::kDuplex:
            return Style::kDuplex;
        case CVersion::AutoRepeater::kNone:
            break;
    }
    return Style::kNone;
}

void Show(QCheckBox& box, std::string_view answer) {
    box.setChecked(answer == kSwitchOn);
}

std::string_view ValueOf(const QCheckBox& box) {
    return box.isChecked() ? kSwitchOn : kSwitchOff;
}

}  // namespace

CPropertyPageC31::CPropertyPageC31(CRadioCommands& radio) : CPropertyPage(radio, sid::kCommonPage) {
    switchesFrame_ = MakeChild<QGroupBox>(this);
    auto* switches = MakeChild<QVBoxLayout>(switchesFrame_);
    for (QCheckBox** box : {&beep_, &subBandMute_, &subBandBeep_, &attenuator_, &memoryName_}) {
        *box = MakeChild<QCheckBox>(switchesFrame_);
        switches->addWidget(*box);
    }
    switches->addStretch(1);

    listsFrame_ = MakeChild<QGroupBox>(this);
    auto* lists = MakeChild<QGridLayout>(listsFrame_);
    int row = 0;
    for (Row* item : {&tot_, &repeater_, &powerOff_, &fan_, &packet_, &squelch_}) {
        *item = MakeRow(listsFrame_);
        lists->addWidget(item->label, row, 0);
        lists->addWidget(item->list, row, 1);
        ++row;
    }
    lists->setColumnStretch(1, 1);

    vhf_ = MakeBand();
    uhf_ = MakeBand();

    auto* layout = MakeChild<QGridLayout>(this);
    layout->addWidget(switchesFrame_, 0, 0);
    layout->addWidget(listsFrame_, 0, 1);
    layout->addWidget(vhf_.frame, 1, 0, 1, 2);
    layout->addWidget(uhf_.frame, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
    // Labelled from the start, so that the sheet is laid out for its texts; each
    // activation sets them again.
    SetLabels();
}

CPropertyPageC31::Band CPropertyPageC31::MakeBand() {
    Band band;
    band.frame = MakeChild<QGroupBox>(this);
    band.scanLabel = MakeChild<QLabel>(band.frame);
    band.scan = MakeChild<QComboBox>(band.frame);
    band.scan->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    band.scanLabel->setBuddy(band.scan);
    band.powerLabel = MakeChild<QLabel>(band.frame);
    band.power = MakeChild<QSlider>(Qt::Horizontal, band.frame);
    band.power->setTickPosition(QSlider::TicksBelow);
    band.power->setTickInterval(1);
    band.power->setSingleStep(1);
    band.power->setPageStep(1);
    band.power->setMinimumWidth(180);
    band.powerLabel->setBuddy(band.power);

    // The marks stand under the slider's four positions: first and last at the ends, the
    // middle ones spread evenly between them.
    auto* marks = MakeChild<QHBoxLayout>();
    marks->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < band.marks.size(); ++i) {
        band.marks[i] = MakeChild<QLabel>(band.frame);
        if (i > 0) marks->addStretch(1);
        marks->addWidget(band.marks[i]);
    }
    auto* power = MakeChild<QVBoxLayout>();
    power->setSpacing(0);
    power->addWidget(band.power);
    power->addLayout(marks);

    auto* layout = MakeChild<QHBoxLayout>(band.frame);
    layout->addWidget(band.scanLabel);
    layout->addWidget(band.scan);
    layout->addSpacing(24);
    layout->addWidget(band.powerLabel);
    layout->addLayout(power, 1);
    return band;
}

void CPropertyPageC31::SetLabels() {
    switchesFrame_->setTitle(Text(sid::kSwitchesFrame));
    listsFrame_->setTitle(Text(sid::kListsFrame));
    beep_->setText(Text(sid::kOperationBeep));
    attenuator_->setText(Text(sid::kRfAttenuator));
    memoryName_->setText(Text(sid::kMemoryName));
    subBandBeep_->setText(Text(sid::kSubBandBeep));
    subBandMute_->setText(Text(sid::kSubBandMute));
    const std::array<std::pair<Row*, int>, 6> rows = {{{&fan_, sid::kCoolingFan},
                                                       {&tot_, sid::kTxTot},
                                                       {&repeater_, sid::kAutoRepeater},
                                                       {&powerOff_, sid::kAutoPowerOff},
                                                       {&squelch_, sid::kSquelchDelay},
                                                       {&packet_, sid::kPacketBps}}};
    for (const auto& [row, id] : rows) {
        row->label->setText(Text(id));
        NameBy(*row->label, *row->list);
    }
    for (auto [band, id] : {std::pair{&vhf_, sid::kVhfFrame}, std::pair{&uhf_, sid::kUhfFrame}}) {
        band->frame->setTitle(Text(id));
        band->scanLabel->setText(Text(sid::kScanResume));
        NameBy(*band->scanLabel, *band->scan);
        band->powerLabel->setText(Text(sid::kRfPower));
        NameBy(*band->powerLabel, *band->power);
        for (std::size_t i = 0; i < band->marks.size(); ++i) {
            band->marks[i]->setText(Text(kPowerMarks[i]));
        }
    }
}

void CPropertyPageC31::FillLists() {
    FillList(*fan_.list, ShownTexts(kFanPairs));
    FillList(*tot_.list, ShownTexts(kTotPairs));
    FillList(*powerOff_.list, ShownTexts(kPowerOffPairs));
    FillList(*squelch_.list, ShownTexts(kSquelchPairs));
    FillList(*packet_.list, ShownTexts(kPacketPairs));
    FillList(*vhf_.scan, ShownTexts(kScanPairs));
    FillList(*uhf_.scan, ShownTexts(kScanPairs));

    style_ = StyleOf(Query("MODEL.COUNTRY"));
    switch (style_) {
        case RepeaterStyle::kOffOn:
            FillList(*repeater_.list, kRepeaterOffOn);
            break;
        case RepeaterStyle::kDuplex:
            FillList(*repeater_.list, kRepeaterDuplex);
            break;
        case RepeaterStyle::kNone:
            FillList(*repeater_.list, kRepeaterNone);
            break;
    }
}

void CPropertyPageC31::LoadValues() {
    Show(*beep_, Query(CommonQuery("BEEP")));
    Show(*attenuator_, Query(CommonQuery("RF_ATTENUATER")));
    Show(*memoryName_, Query(CommonQuery("NAME_DISPLAY")));
    Show(*subBandBeep_, Query(CommonQuery("SUB_BAND_BEEP")));
    Show(*subBandMute_, Query(CommonQuery("SUB_BAND_MUTE")));
    SelectText(*fan_.list, kFan.Shown(Query(CommonQuery("FAN"))));
    SelectText(*tot_.list, kTot.Shown(Query(CommonQuery("TOT"))));
    if (style_ == RepeaterStyle::kNone) {
        SelectText(*repeater_.list, kRepeaterNone[0]);
    } else {
        SelectText(*repeater_.list, kRepeater.Shown(Query(CommonQuery("AUTO_REPEATER"))));
    }
    SelectText(*powerOff_.list, kPowerOff.Shown(Query(CommonQuery("AUTO_POWER_OFF"))));
    SelectText(*squelch_.list, kSquelch.Shown(Query(CommonQuery("SQUELCH_DELAY"))));
    SelectText(*packet_.list, kPacket.Shown(Query(CommonQuery("PACKET_BAUDRATE"))));
    SelectText(*vhf_.scan, kScan.Shown(Query(CommonQuery("SCAN_STOP_ACTION_VHF"))));
    SelectText(*uhf_.scan, kScan.Shown(Query(CommonQuery("SCAN_STOP_ACTION_UHF"))));
    const int vhfPower = PositionOf(kRfPower, Query(CommonQuery("RF_POWER_VHF")), 0);
    const int uhfPower = PositionOf(kRfPower, Query(CommonQuery("RF_POWER_UHF")), 0);
    for (QSlider* slider : {vhf_.power, uhf_.power}) {
        slider->setRange(0, static_cast<int>(kRfPower.size()) - 1);
    }
    vhf_.power->setValue(vhfPower);
    uhf_.power->setValue(uhfPower);
}

void CPropertyPageC31::OnSetActive() {
    SetLabels();
    FillLists();
    LoadValues();
}

void CPropertyPageC31::OnKillActive() {
    const auto power = [](const QSlider& slider) {
        return TextAt(kRfPower, slider.value(), kRfPower[0]);
    };
    Apply({
        CommonAssignment("BEEP", ValueOf(*beep_)),
        CommonAssignment("RF_ATTENUATER", ValueOf(*attenuator_)),
        CommonAssignment("NAME_DISPLAY", ValueOf(*memoryName_)),
        CommonAssignment("SUB_BAND_BEEP", ValueOf(*subBandBeep_)),
        CommonAssignment("SUB_BAND_MUTE", ValueOf(*subBandMute_)),
        CommonAssignment("FAN", kFan.Value(ListText(*fan_.list))),
        CommonAssignment("TOT", kTot.Value(ListText(*tot_.list))),
        CommonAssignment("AUTO_REPEATER", kRepeater.Value(ListText(*repeater_.list))),
        CommonAssignment("AUTO_POWER_OFF", kPowerOff.Value(ListText(*powerOff_.list))),
        CommonAssignment("SQUELCH_DELAY", kSquelch.Value(ListText(*squelch_.list))),
        CommonAssignment("PACKET_BAUDRATE", kPacket.Value(ListText(*packet_.list))),
        CommonAssignment("SCAN_STOP_ACTION_VHF", kScan.Value(ListText(*vhf_.scan))),
        CommonAssignment("SCAN_STOP_ACTION_UHF", kScan.Value(ListText(*uhf_.scan))),
        CommonAssignment("RF_POWER_VHF", power(*vhf_.power)),
        CommonAssignment("RF_POWER_UHF", power(*uhf_.power)),
    });
}

}  // namespace ql::ui

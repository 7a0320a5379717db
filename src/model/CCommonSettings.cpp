#include "model/CCommonSettings.h"

#include <algorithm>
#include <span>

#include "model/CVersion.h"
#include "model/QueryForm.h"
#include "model/TextOps.h"

namespace ql {

namespace {

using L = std::uint8_t;
constexpr L kFirstCoded = 15;

enum class Kind : std::uint8_t { Range, Coded, Text, Remote, DtmfChannel, Bit };

struct Item {
    std::string_view name;
    Kind kind;
    L list;
    std::int32_t pos;
    int startBit;
    int width;
};

// The value lists: range lists first, then from kFirstCoded on the coded lists.
enum : L {
    OnOff,
    TimeOut,
    AutoRep,
    PowerOff,
    Fan,
    Baud,
    SqlDelay,
    MicAddr,
    KeyFn,
    Percent,
    DispType,
    ChNum,
    ScanStop,
    DtmfCh,
    DtmfSpeed,
    OpMode,
    VhfBand,
    UhfBand,
    CallPos,
    MainDisp,
    VhfEdge,
    VhfSelect,
    UhfEdge,
    UhfSelect,
    RfPower,
    NoList
};

static_assert(OpMode == kFirstCoded && NoList - kFirstCoded == 10);

constexpr std::array<Item, 43> kItems = {{
    {"BEEP", Kind::Range, OnOff, 3920, 7, 8},
    {"TOT", Kind::Range, TimeOut, 3921, 7, 8},
    {"AUTO_REPEATER", Kind::Range, AutoRep, 3922, 7, 8},
    {"AUTO_POWER_OFF", Kind::Range, PowerOff, 3923, 7, 8},
    {"FAN", Kind::Range, Fan, 3924, 7, 8},
    {"PACKET_BAUDRATE", Kind::Range, Baud, 3925, 7, 8},
    {"SQUELCH_DELAY", Kind::Range, SqlDelay, 3926, 7, 8},
    {"MIC_ID", Kind::Range, MicAddr, 3927, 7, 8},
    {"SUB_BAND_MUTE", Kind::Range, OnOff, 3928, 7, 8},
    {"SUB_BAND_BEEP", Kind::Range, OnOff, 3929, 7, 8},
    {"RF_ATTENUATER", Kind::Range, OnOff, 3930, 7, 8},
    {"NAME_DISPLAY", Kind::Range, OnOff, 3931, 7, 8},
    {"MIC_F1_FUNCTION", Kind::Range, KeyFn, 3932, 7, 8},
    {"MIC_F2_FUNCTION", Kind::Range, KeyFn, 3933, 7, 8},
    {"MIC_UP_FUNCTION", Kind::Range, KeyFn, 3934, 7, 8},
    {"MIC_DN_FUNCTION", Kind::Range, KeyFn, 3935, 7, 8},
    {"LCD_CONTRAST", Kind::Range, Percent, 3938, 7, 8},
    {"LCD_BACKLIGHT", Kind::Range, Percent, 3937, 7, 8},
    {"DISPLAY_TYPE", Kind::Range, DispType, 3939, 7, 8},
    {"OPERATION_MODE_VHF", Kind::Coded, OpMode, 3897, 7, 2},
    {"BAND_OF_VFO_VHF", Kind::Coded, VhfBand, 3897, 3, 4},
    {"MCH_NO_VHF", Kind::Range, ChNum, 3898, 7, 8},
    {"CALL_POSITION_VHF", Kind::Coded, CallPos, 3899, 7, 4},
    {"MAIN_DISPLAY_VHF", Kind::Coded, MainDisp, 3899, 3, 4},
    {"SCAN_STOP_ACTION_VHF", Kind::Range, ScanStop, 3900, 7, 8},
    {"PROGRAM_SCAN_EDGE_VHF", Kind::Coded, VhfEdge, 3901, 7, 4},
    {"MCH_SCAN_SELECT_VHF", Kind::Coded, VhfSelect, 3901, 3, 4},
    {"RF_POWER_VHF", Kind::Coded, RfPower, 3903, 6, 2},
    {"OPERATION_MODE_UHF", Kind::Coded, OpMode, 3913, 7, 2},
    {"BAND_OF_VFO_UHF", Kind::Coded, UhfBand, 3913, 3, 4},
    {"MCH_NO_UHF", Kind::Range, ChNum, 3914, 7, 8},
    {"CALL_POSITION_UHF", Kind::Coded, CallPos, 3915, 7, 4},
    {"MAIN_DISPLAY_UHF", Kind::Coded, MainDisp, 3915, 3, 4},
    {"SCAN_STOP_ACTION_UHF", Kind::Range, ScanStop, 3916, 7, 8},
    {"PROGRAM_SCAN_EDGE_UHF", Kind::Coded, UhfEdge, 3917, 7, 4},
    {"MCH_SCAN_SELECT_UHF", Kind::Coded, UhfSelect, 3917, 3, 4},
    {"RF_POWER_UHF", Kind::Coded, RfPower, 3919, 6, 2},
    {"DTMF_CH_NO", Kind::DtmfChannel, DtmfCh, 3942, 7, 8},
    {"DTMF_SPEED", Kind::Range, DtmfSpeed, 3839, 7, 8},
    {"OPENING_TEXT", Kind::Text, NoList, 3968, CTextSetting::kCallText, 8},
    {"CLONE_COMMENT", Kind::Text, NoList, 3952, CTextSetting::kFreeText, 16},
    {"SUB_BAND_REMO_PASSWORD", Kind::Remote, NoList, 3709, 7, 12},
    {"SUB_BAND_REMO_SKIP", Kind::Bit, OnOff, 3711, 7, 1},
}};
// For text items startBit carries the character-set mode and width the length.

void SetTexts(CRangeValueList& list, std::int32_t lo, std::span<const std::string_view> texts) {
    list.SetRange(lo, lo + static_cast<std::int32_t>(texts.size()) - 1);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        list.SetText(lo + static_cast<std::int32_t>(i), std::string(texts[i]));
    }
}

struct CodedEntry {
    std::string_view text;
    std::uint16_t code;
};
void SetEntries(CCodedValueList& list, std::span<const CodedEntry> entries) {
    list.SetCount(static_cast<std::int32_t>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        list.SetEntry(static_cast<std::int32_t>(i), std::string(entries[i].text), entries[i].code);
    }
}

template <std::size_t N>
using Texts = std::array<std::string_view, N>;
template <std::size_t N>
using Entries = std::array<CodedEntry, N>;

}  // namespace

CCommonSettings::CCommonSettings(int version) {
    BuildLists(version);
    slots_.reserve(kItems.size());
    for (const Item& item : kItems) {
        switch (item.kind) {
            case Kind::Range:
            case Kind::Bit:
            case Kind::DtmfChannel:
                slots_.emplace_back(CRangeSetting(Range(item.list)));
                break;
            case Kind::Coded:
                slots_.emplace_back(CCodedSetting(Coded(item.list)));
                break;
            case Kind::Text:
                slots_.emplace_back(CTextSetting(item.width, item.width, item.startBit));
                break;
            case Kind::Remote:
                slots_.emplace_back(RemoteCode{});
                break;
        }
    }
}

const CRangeValueList& CCommonSettings::Range(std::uint8_t id) const {
    return ranges_[id];
}

const CCodedValueList& CCommonSettings::Coded(std::uint8_t id) const {
    return coded_[id - kFirstCoded];
}

void CCommonSettings::BuildLists(int version) {
    auto range = [this](L id) -> CRangeValueList& { return ranges_[id]; };
    auto coded = [this](L id) -> CCodedValueList& { return coded_[id - kFirstCoded]; };

    SetTexts(range(OnOff), 0, Texts<2>{"OFF", "ON"});
    SetTexts(range(TimeOut), 0, Texts<5>{"OFF", "3min", "5min", "15min", "30min"});
    switch (CVersion::AutoRepeaterOf(version)) {
        case CVersion::AutoRepeater::kDuplex:
            SetTexts(range(AutoRep), 0, Texts<4>{"OFF", "", "ON1", "ON2"});
            range(AutoRep).Exclude(1);
            break;
        case CVersion::AutoRepeater::kOffOn:
            SetTexts(range(AutoRep), 0, Texts<2>{"OFF", "ON"});
            break;
        case CVersion::AutoRepeater::kNone:
            SetTexts(range(AutoRep), 0, Texts<1>{"OFF"});
            break;
    }
    SetTexts(range(PowerOff), 0, Texts<4>{"OFF", "30min", "1hour", "2hour"});
    SetTexts(range(Fan), 0, Texts<2>{"AUTO", "ON"});
    SetTexts(range(Baud), 0, Texts<2>{"1200bps", "9600bps"});
    SetTexts(range(SqlDelay), 0, Texts<2>{"SHORT", "LONG"});
    SetTexts(range(MicAddr), 0, Texts<9>{"0", "1", "2", "3", "4", "5", "6", "7", "OFF"});
    SetTexts(range(KeyFn), 0,
             Texts<18>{"V-MAIN", "V-V/MHz", "V-M/C", "V-MONI", "U-MAIN", "U-V/MHz", "U-M/C",
                       "U-MONI", "V-EDIT", "V-TON", "V-MW", "DTMF", "U-EDIT", "U-TON", "U-MW",
                       "DISP", "MIC-DN", "MIC-UP"});
    SetTexts(
        range(Percent), 0,
        Texts<33>{"0%",  "3%",  "6%",  "9%",  "13%", "16%", "19%", "22%", "25%", "28%", "31%",
                  "34%", "38%", "41%", "44%", "47%", "50%", "53%", "56%", "59%", "62%", "65%",
                  "68%", "72%", "75%", "78%", "81%", "84%", "88%", "91%", "94%", "97%", "100%"});
    SetTexts(range(DispType), 0, Texts<4>{"TYPE 1", "TYPE 2", "TYPE 3", "TYPE 4"});
    range(ChNum).SetRange(0, 104);
    for (int n = 0; n <= 104; ++n) range(ChNum).SetText(n, std::to_string(n));
    SetTexts(range(ScanStop), 0, Texts<4>{"T-5", "T-10", "T-15", "P-2"});
    range(DtmfCh).SetRange(0, 13);
    for (int n = 0; n <= 13; ++n) range(DtmfCh).SetText(n, std::string(1, "0123456789ABCD"[n]));
    SetTexts(range(DtmfSpeed), 0, Texts<4>{"100ms", "200ms", "300ms", "500ms"});

    SetEntries(coded(OpMode),
               Entries<4>{{{"CALL", 0}, {"MR", 1}, {"VFO(CALL)", 2}, {"VFO(MR)", 3}}});
    SetEntries(coded(VhfBand), Entries<2>{{{"AIR", 0}, {"144", 1}}});
    SetEntries(coded(UhfBand), Entries<3>{{{"300", 2}, {"430", 3}, {"800", 4}}});
    SetEntries(coded(CallPos), Entries<11>{{{"L5", 0},
                                            {"L4", 1},
                                            {"L3", 2},
                                            {"L2", 3},
                                            {"L1", 4},
                                            {"CALL", 5},
                                            {"R1", 6},
                                            {"R2", 7},
                                            {"R3", 8},
                                            {"R4", 9},
                                            {"R5", 10}}});
    SetEntries(coded(MainDisp), Entries<4>{{{"Normal", 0}, {"TS", 1}, {"Scope", 2}, {"Scan", 3}}});
    SetEntries(coded(VhfEdge),
               Entries<6>{{{"ALL", 0}, {"AIR", 1}, {"144", 2}, {"P1", 6}, {"P2", 7}, {"P3", 8}}});
    SetEntries(coded(VhfSelect), Entries<3>{{{"ALL", 0}, {"AIR", 1}, {"144", 2}}});
    SetEntries(
        coded(UhfEdge),
        Entries<7>{
            {{"ALL", 0}, {"300", 3}, {"430", 4}, {"800", 5}, {"P1", 6}, {"P2", 7}, {"P3", 8}}});
    SetEntries(coded(UhfSelect), Entries<4>{{{"ALL", 0}, {"300", 3}, {"430", 4}, {"800", 5}}});
    SetEntries(coded(RfPower), Entries<4>{{{"LOW", 0}, {"MID-L", 1}, {"MID-H", 2}, {"HIGH", 3}}});
}

std::string CCommonSettings::RemoteCode::Handle(QueryForm /*form*/, std::string_view text) {
    if (!text.empty()) {
        if (const auto n = ScanDecimal(text)) value = *n;
    }
    return std::to_string(value);
}

std::optional<char> CCommonSettings::KeptTextCharacter(std::string_view name, char c) {
    const auto* item = std::find_if(kItems.begin(), kItems.end(),
                                    [name](const Item& i) { return EqualsNoCase(i.name, name); });
    // The value of a command ends at a second "=".
    if (item == kItems.end() || item->kind != Kind::Text || c == '=') return std::nullopt;
    return CTextSetting::KeptCharacter(c, item->startBit);
}

std::string CCommonSettings::Handle(std::string_view command) {
    const std::string_view path = Field(command, '=', 0);
    if (!EqualsNoCase(Field(path, '.', 0), "COMMON")) return {};
    const std::string_view rest = Tail(path, '.', 1);
    const std::string_view name = Field(rest, '.', 0);
    if (name.empty()) return {};
    std::size_t index = 0;
    while (index < kItems.size() && !EqualsNoCase(kItems[index].name, name)) ++index;
    if (index == kItems.size()) return {};

    const QueryForm form = FormOf(Tail(rest, '.', 1));
    const std::string_view value = Field(command, '=', 1);
    return std::visit([form, value](auto& setting) { return setting.Handle(form, value); },
                      slots_[index]);
}

void CCommonSettings::Decode(const CMemoryImage& image) {
    for (std::size_t i = 0; i < kItems.size(); ++i) {
        const Item& item = kItems[i];
        Slot& slot = slots_[i];
        switch (item.kind) {
            case Kind::Range:
            case Kind::Bit:
                std::get<CRangeSetting>(slot).SetNumber(
                    image.ReadBits(item.pos, item.startBit, item.width));
                break;
            case Kind::DtmfChannel:
                std::get<CRangeSetting>(slot).SetNumber(image.ReadByte(item.pos) +
                                                        image.ReadByte(item.pos + 1) - 1);
                break;
            case Kind::Coded:
                std::get<CCodedSetting>(slot).SetCode(
                    image.ReadBits(item.pos, item.startBit, item.width));
                break;
            case Kind::Text:
                std::get<CTextSetting>(slot).SetText(image.ReadText(item.pos, item.width));
                break;
            case Kind::Remote:
                std::get<RemoteCode>(slot).value =
                    image.ReadBits(item.pos, item.startBit, item.width);
                break;
        }
    }
    decoded_ = true;
}

void CCommonSettings::Encode(CMemoryImage& image) const {
    for (std::size_t i = 0; i < kItems.size(); ++i) {
        const Item& item = kItems[i];
        const Slot& slot = slots_[i];
        switch (item.kind) {
            case Kind::Range:
                image.WriteBits(item.pos, item.startBit, item.width,
                                static_cast<unsigned>(std::get<CRangeSetting>(slot).Number()));
                break;
            case Kind::Bit:
                image.WriteBit(item.pos, item.startBit,
                               std::get<CRangeSetting>(slot).Number() != 0);
                break;
            case Kind::DtmfChannel: {
                const std::int32_t k = std::get<CRangeSetting>(slot).Number();
                const std::int32_t first = k == 0 ? 1 : (k <= 10 ? 2 : k - 9);
                const std::int32_t second = k == 0 ? 0 : (k <= 10 ? k - 1 : 10);
                image.WriteByte(item.pos, static_cast<unsigned>(first));
                image.WriteByte(item.pos + 1, static_cast<unsigned>(second));
                break;
            }
            case Kind::Coded:
                image.WriteBits(item.pos, item.startBit, item.width,
                                std::get<CCodedSetting>(slot).Code());
                break;
            case Kind::Text:
                image.WriteText(item.pos, std::get<CTextSetting>(slot).Text(), item.width);
                break;
            case Kind::Remote:
                image.WriteBits(item.pos, item.startBit, item.width,
                                static_cast<unsigned>(std::get<RemoteCode>(slot).value) & 0xFFFU);
                break;
        }
    }
}

void CCommonSettings::CopyValuesFrom(const CCommonSettings& other) {
    for (std::size_t i = 0; i < slots_.size() && i < other.slots_.size(); ++i) {
        Slot& slot = slots_[i];
        const Slot& from = other.slots_[i];
        if (slot.index() != from.index()) continue;
        if (auto* range = std::get_if<CRangeSetting>(&slot)) {
            range->SetNumber(std::get<CRangeSetting>(from).Number());
        } else if (auto* coded = std::get_if<CCodedSetting>(&slot)) {
            coded->SetPosition(std::get<CCodedSetting>(from).Position());
        } else if (auto* text = std::get_if<CTextSetting>(&slot)) {
            *text = std::get<CTextSetting>(from);
        } else {
            std::get<RemoteCode>(slot) = std::get<RemoteCode>(from);
        }
    }
    decoded_ = other.decoded_;
}

}  // namespace ql

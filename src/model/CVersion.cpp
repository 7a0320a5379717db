#include "model/CVersion.h"

#include <array>

#include "model/BandRules.h"
#include "model/QueryForm.h"
#include "model/TextOps.h"

namespace ql {

namespace {

struct VersionRow {
    std::string_view name;
    std::int32_t vhfLowMHz, vhfHighMHz, uhfLowMHz, uhfHighMHz;
    bool narrowFm;
};

constexpr std::array<VersionRow, CVersion::kCount> kVersions = {{
    {"USA-A", 144, 148, 430, 450, false},
    {"USA-B", 140, 150, 430, 450, false},
    {"AUS", 144, 148, 430, 440, false},
    {"SEA", 140, 150, 430, 440, false},
    {"EUR-A", 144, 146, 432, 438, true},
    {"EUR-B", 144, 146, 430, 440, true},
    {"EUR-C", 144, 146, 430, 440, true},
    {"EUR-D", 140, 150, 432, 438, true},
    {"EUR-E", 140, 150, 430, 440, true},
    {"EUR-F", 140, 150, 430, 440, true},
    {"KOR", 144, 146, 430, 440, false},
    {"TPE", 144, 146, 430, 440, false},
    {"CSA", 144, 148, 430, 440, false},
    {"JPN-1", 144, 146, 430, 440, false},
    {"JPN-2", 144, 146, 430, 440, false},
    {"JPN-3", 144, 146, 430, 440, false},
}};

// Expansions in answer order, with the mask bit each one stands for.
struct ExpansionRow {
    std::string_view name;
    int bit;
};
constexpr std::array<ExpansionRow, CVersion::kExpansionCount> kExpansions = {
    {{"AIR", 5}, {"144", 4}, {"300", 3}, {"430", 2}, {"800", 1}, {"CEL", 0}}};

constexpr std::int32_t kMHz = 1000000;

}  // namespace

void CVersion::SetNumber(std::int64_t number) {
    if (number < 0 || number >= kCount) return;
    if (number != number_) {
        number_ = static_cast<int>(number);
        changed_ = true;
    }
}

void CVersion::SetBit(int bit, bool on) {
    if (on) {
        mask_ |= 1U << bit;
    } else {
        mask_ &= ~(1U << bit);
    }
    mask_ &= 0x3FU;
}

std::string_view CVersion::Name(int number) {
    return (number >= 0 && number < kCount) ? kVersions[static_cast<std::size_t>(number)].name
                                            : std::string_view{};
}

int CVersion::NumberOf(std::string_view name) {
    for (int number = 0; number < kCount; ++number) {
        if (kVersions[static_cast<std::size_t>(number)].name == name) return number;
    }
    return -1;
}

bool CVersion::HasNarrowFm(int number) {
    return number >= 0 && number < kCount && kVersions[static_cast<std::size_t>(number)].narrowFm;
}

CVersion::AutoRepeater CVersion::AutoRepeaterOf(int number) {
    if (number == 0 || number == 1) return AutoRepeater::kDuplex;
    if (number == 10 || number == 13 || number == 14 || number == 15) return AutoRepeater::kOffOn;
    return AutoRepeater::kNone;
}

std::pair<std::int32_t, std::int32_t> CVersion::VhfRange() const {
    const auto& row = kVersions[static_cast<std::size_t>(number_)];
    return {row.vhfLowMHz * kMHz, row.vhfHighMHz * kMHz};
}

std::pair<std::int32_t, std::int32_t> CVersion::UhfRange() const {
    const auto& row = kVersions[static_cast<std::size_t>(number_)];
    return {row.uhfLowMHz * kMHz, row.uhfHighMHz * kMHz};
}

void CVersion::RebuildLegalRanges() {
    legal_.clear();
    legal_.push_back(VhfRange());
    legal_.push_back(UhfRange());
    if (Bit(5)) legal_.emplace_back(118000000, 135999999);
    if (Bit(4)) legal_.emplace_back(136000000, 174000000);
    if (Bit(3)) legal_.emplace_back(320000000, 399999999);
    if (Bit(2)) legal_.emplace_back(400000000, 530000000);
    if (Bit(1)) {
        legal_.emplace_back(800000000, 824009999);
        legal_.emplace_back(848990001, 869009999);
        legal_.emplace_back(893990001, 999999999);
        if (Bit(0)) {
            legal_.emplace_back(824010000, 848990000);
            legal_.emplace_back(869010000, 893990000);
        }
    }
}

bool CVersion::IsLegal(std::int64_t hz) const {
    for (const auto& [low, high] : legal_) {
        if (hz >= low && hz <= high) return true;
    }
    return false;
}

bool CVersion::ModeAllowed(std::string_view mode, std::int64_t hz) const {
    const int band = BandClass(hz);
    const bool fm = EqualsNoCase(mode, "FM");
    const bool am = EqualsNoCase(mode, "AM");
    const bool narrow = EqualsNoCase(mode, "FM Narrow");
    if (band == band_class::kAir || band == band_class::k300) return fm || am;
    if (band == band_class::k144) return fm || (narrow && HasNarrowFm());
    if (band == band_class::k430 || Is800BandClass(band)) return fm;
    return false;
}

std::string_view CVersion::ModeFallback(std::string_view mode, std::int64_t hz) const {
    if (ModeAllowed(mode, hz)) return mode;
    for (const std::string_view candidate : {"FM", "AM", "FM Narrow"}) {
        if (ModeAllowed(candidate, hz)) return candidate;
    }
    return "FM";
}

std::string CVersion::ExpansionNames() const {
    std::string names;
    for (const auto& row : kExpansions) {
        if (!Bit(row.bit)) continue;
        if (!names.empty()) names += ',';
        names += row.name;
    }
    return names.empty() ? "NO EXP" : names;
}

std::string CVersion::Handle(std::string_view command) {
    const std::string_view path = Field(command, '=', 0);
    const std::string_view value = Field(command, '=', 1);
    if (!EqualsNoCase(Field(path, '.', 0), "MODEL")) return {};
    const std::string_view item = Field(path, '.', 1);
    const std::string_view rest = Tail(path, '.', 2);

    if (EqualsNoCase(item, "COUNTRY")) {
        const QueryForm form = FormOf(Field(rest, '.', 0));
        if (form == QueryForm::ByNumber) {
            if (!value.empty()) {
                if (const auto n = ScanDecimal(value)) SetNumber(*n);
            }
            return std::to_string(number_);
        }
        if (!value.empty()) {
            for (int n = 0; n < kCount; ++n) {
                if (EqualsNoCase(Name(n), value)) {
                    SetNumber(n);
                    break;
                }
            }
        }
        return std::string(Name(number_));
    }
    if (EqualsNoCase(item, "EXPAND")) return HandleExpand(rest, value);
    if (EqualsNoCase(item, "MODE_ENABLE")) {
        const std::string_view mode = Field(path, '.', 2);
        const std::string_view frequencyText = Field(path, '.', 3);
        if (mode.empty() || frequencyText.empty()) return {};
        CFrequency frequency;
        frequency.SetFromMHzText(frequencyText);
        RoundToRaster(frequency);
        return ModeAllowed(mode, frequency.Hz()) ? "OK" : "NG";
    }
    return {};
}

std::string CVersion::HandleExpand(std::string_view rest, std::string_view value) {
    const std::string_view word = Field(rest, '.', 0);
    for (const auto& row : kExpansions) {
        if (!EqualsNoCase(word, row.name)) continue;
        if (FormOf(Field(rest, '.', 1)) == QueryForm::ByNumber) {
            if (!value.empty()) {
                if (const auto n = ScanDecimal(value)) SetBit(row.bit, *n != 0);
            }
            return Bit(row.bit) ? "1" : "0";
        }
        if (EqualsNoCase(value, "ON")) SetBit(row.bit, true);
        if (EqualsNoCase(value, "OFF")) SetBit(row.bit, false);
        return Bit(row.bit) ? "ON" : "OFF";
    }
    if (EqualsNoCase(word, "ByNumber")) {
        if (!value.empty()) {
            if (const auto n = ScanDecimal(value)) SetMask(static_cast<unsigned>(*n));
        }
        return std::to_string(mask_);
    }
    if (EqualsNoCase(word, "ByMenuItemName")) return {};
    return ExpansionNames();
}

}  // namespace ql

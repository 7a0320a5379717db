#include "model/CChannel.h"

#include <array>

#include "model/BandRules.h"
#include "model/CVersion.h"
#include "model/ChannelCodec.h"
#include "model/QueryForm.h"
#include "model/TextOps.h"

namespace ql {

namespace {

// Tuning steps in list order, in hertz.
constexpr std::array<std::int64_t, 8> kStepHz = {5000,  10000, 12500, 15000,
                                                 20000, 25000, 30000, 50000};
constexpr std::int32_t kStep12_5k = 2;
constexpr std::int32_t kReference5k = 0;
constexpr std::int32_t kReference6_25k = 1;
constexpr std::int32_t kAppearOff = 0;
constexpr std::int32_t kAppearOn = 1;

enum class Item {
    Appear,
    Frequency,
    Reference,
    Skip,
    Mode,
    Duplex,
    ToneMode,
    RepeaterTone,
    SquelchTone,
    TuningStep,
    RepeaterFrequency,
    Name,
    All,
    Unknown
};

constexpr std::array<std::string_view, 12> kItemWords = {"APPEAR",
                                                         "FREQUENCY",
                                                         "REFERENCE_FREQUENCY",
                                                         "SKIP",
                                                         "MODE",
                                                         "DUPLEX_SELECTION",
                                                         "TONE_SELECTION",
                                                         "REPEATER_TONE_FREQUENCY",
                                                         "TSQL_FREQUENCY",
                                                         "TUNING_STEP_SELECTION",
                                                         "REPEATER_FREQUENCY",
                                                         "NAME"};

Item ItemOf(std::string_view word) {
    for (std::size_t i = 0; i < kItemWords.size(); ++i) {
        if (EqualsNoCase(word, kItemWords[i])) return static_cast<Item>(i);
    }
    return EqualsNoCase(word, "ALL") ? Item::All : Item::Unknown;
}

std::string HandleFrequency(CFrequency& frequency, QueryForm form, std::string_view value) {
    if (form == QueryForm::ByNumber) {
        if (!value.empty()) {
            if (const auto hz = ScanDecimal(value)) frequency.SetHz(*hz);
        }
        return std::to_string(frequency.Hz());
    }
    if (!value.empty()) frequency.SetFromMHzText(value);
    return frequency.MHzText();
}

}  // namespace

CChannel::CChannel(const CChannelLists& lists, CChannelLocator locator)
    : locator_(locator),
      reference_(lists.reference),
      appear_(lists.appear),
      skip_(lists.skip),
      mode_(lists.mode),
      duplex_(lists.duplex),
      toneMode_(lists.toneMode),
      tuningStep_(lists.tuningStep),
      repeaterTone_(lists.tones),
      squelchTone_(lists.tones) {}

void CChannel::Decode(const CMemoryImage& image) {
    const std::int32_t b = locator_.ImageOffset();
    frequency_.SetHz(DecodeFrequency(image, b));
    reference_.SetCode(image.ReadBits(b + 3, 7, 1));
    skip_.SetCode(image.ReadBits(b + 3, 6, 2));
    appear_.SetCode(image.ReadBits(b + 3, 4, 1));
    mode_.SetCode(image.ReadBits(b + 3, 3, 2));
    duplex_.SetCode(image.ReadBits(b + 3, 1, 2));
    toneMode_.SetCode(image.ReadBits(b + 4, 7, 2));
    tuningStep_.SetCode(image.ReadBits(b + 4, 3, 4));
    repeaterTone_.SetNumber(image.ReadBits(b + 5, 7, 6));
    squelchTone_.SetNumber(image.ReadBits(b + 5, 1, 6));
    offset_.SetHz(DecodeOffset(image, b + 6));
    if (locator_.HasName()) name_.SetText(image.ReadText(b + 9, 8));
    decoded_ = true;
}

void CChannel::Encode(CMemoryImage& image) const {
    const std::int32_t b = locator_.ImageOffset();
    EncodeFrequency(image, b, frequency_.Hz());
    image.WriteBits(b + 3, 7, 1, reference_.Code());
    image.WriteBits(b + 3, 6, 2, skip_.Code());
    image.WriteBits(b + 3, 4, 1, appear_.Code());
    image.WriteBits(b + 3, 3, 2, mode_.Code());
    image.WriteBits(b + 3, 1, 2, duplex_.Code());
    image.WriteBits(b + 4, 7, 2, toneMode_.Code());
    image.WriteBits(b + 4, 3, 4, tuningStep_.Code());
    image.WriteBits(b + 5, 7, 6, static_cast<unsigned>(repeaterTone_.Number()));
    image.WriteBits(b + 5, 1, 6, static_cast<unsigned>(squelchTone_.Number()));
    EncodeOffset(image, b + 6, offset_.Hz());
    if (locator_.HasName()) image.WriteText(b + 9, name_.Text(), 8);
}

void CChannel::Synchronise(CMemoryImage& image) {
    if (decoded_) {
        Encode(image);
    } else {
        Decode(image);
    }
}

void CChannel::CopyValuesFrom(const CChannel& other) {
    frequency_ = other.frequency_;
    reference_.SetPosition(other.reference_.Position());
    appear_.SetPosition(other.appear_.Position());
    skip_.SetPosition(other.skip_.Position());
    mode_.SetPosition(other.mode_.Position());
    duplex_.SetPosition(other.duplex_.Position());
    toneMode_.SetPosition(other.toneMode_.Position());
    tuningStep_.SetPosition(other.tuningStep_.Position());
    repeaterTone_.SetNumber(other.repeaterTone_.Number());
    squelchTone_.SetNumber(other.squelchTone_.Number());
    offset_ = other.offset_;
    name_.SetText(other.name_.Text());
}

void AssignChannels(std::vector<CChannel>& to, const std::vector<CChannel>& from) {
    if (to.size() != from.size()) {
        to = from;
        return;
    }
    for (std::size_t i = 0; i < to.size(); ++i) {
        if (!(to[i] == from[i])) to[i] = from[i];
    }
}

bool CChannel::InUse() const {
    return appear_.Position() == kAppearOn;
}

void CChannel::SetAppear(bool on) {
    appear_.SetPosition(on ? kAppearOn : kAppearOff);
}

void CChannel::Heal(const CVersion& version, bool safety) {
    if (locator_.CanBeBlank()) {
        if (!InUse()) name_.SetText("");
    } else {
        SetAppear(true);
    }
    if (!locator_.IsMemory()) skip_.SetPosition(0);
    if (!locator_.HasName()) name_.SetText("");
    if (locator_.Kind() == ChannelKind::Vfo) return;

    RoundToRaster(frequency_);
    const bool high = IsHighBandClass(BandClass(frequency_.Hz()));
    RasterFit stepFit = RasterTest(kStepHz[static_cast<std::size_t>(tuningStep_.Position())], high);
    if (!stepFit.on5k && !stepFit.on6_25k) {
        tuningStep_.SetPosition(kStep12_5k);
        stepFit = RasterTest(kStepHz[kStep12_5k], high);
    }
    const RasterFit fit = RasterTest(frequency_.Hz(), high);
    std::int32_t reference = kReference5k;
    if (fit.on5k != fit.on6_25k) {
        reference = fit.on6_25k ? kReference6_25k : kReference5k;
    } else if (stepFit.on6_25k && !stepFit.on5k) {
        reference = kReference6_25k;
    }
    reference_.SetPosition(reference);
    if (!version.ModeAllowed(mode_.Text(), frequency_.Hz())) {
        mode_.SetText(version.ModeFallback(mode_.Text(), frequency_.Hz()));
    }
    LimitOffset(offset_);
    if (safety && !IsLegal(version)) decoded_ = false;
}

bool CChannel::IsLegal(const CVersion& version) const {
    const int band = BandClass(frequency_.Hz());
    const bool band800 = Is800BandClass(band);
    bool checkRanges = true;
    bool bandOk = false;
    switch (locator_.Kind()) {
        case ChannelKind::Vfo:
            switch (locator_.Index()) {
                case 0:
                    bandOk = band == band_class::kAir;
                    checkRanges = false;
                    break;
                case 1:
                    bandOk = band == band_class::k144;
                    break;
                case 2:
                    bandOk = band == band_class::k300;
                    checkRanges = false;
                    break;
                case 3:
                    bandOk = band == band_class::k430;
                    break;
                default:
                    bandOk = band800;
                    checkRanges = false;
                    break;
            }
            break;
        case ChannelKind::Mch430:
        case ChannelKind::Pch430:
        case ChannelKind::Call430:
            bandOk = band == band_class::k300 || band == band_class::k430 || band800;
            break;
        case ChannelKind::Mch144:
        case ChannelKind::Pch144:
        case ChannelKind::Call144:
            bandOk = band == band_class::kAir || band == band_class::k144;
            break;
        case ChannelKind::None:
            return false;
    }
    return bandOk && (!checkRanges || version.IsLegal(frequency_.Hz()));
}

std::string CChannel::HandleItem(std::string_view left, std::string_view value, bool allowAll) {
    const Item item = ItemOf(Field(left, '.', 0));
    const QueryForm form = FormOf(Tail(left, '.', 1));
    switch (item) {
        case Item::Appear:
            return appear_.Handle(form, value);
        case Item::Frequency:
            return HandleFrequency(frequency_, form, value);
        case Item::Reference:
            return reference_.Handle(form, value);
        case Item::Skip:
            return skip_.Handle(form, value);
        case Item::Mode:
            return mode_.Handle(form, value);
        case Item::Duplex:
            return duplex_.Handle(form, value);
        case Item::ToneMode:
            return toneMode_.Handle(form, value);
        case Item::RepeaterTone:
            return repeaterTone_.Handle(form, value);
        case Item::SquelchTone:
            return squelchTone_.Handle(form, value);
        case Item::TuningStep:
            return tuningStep_.Handle(form, value);
        case Item::RepeaterFrequency:
            return HandleFrequency(offset_, form, value);
        case Item::Name:
            return name_.Handle(form, value);
        case Item::All:
            // A list of item assignments separated by TAB, up to the first empty one. An
            // "ALL" inside it is skipped, so a value cannot nest without end.
            if (allowAll && !value.empty()) {
                std::string_view rest = value;
                for (;;) {
                    const std::string_view piece = Field(rest, '\t', 0);
                    if (piece.empty()) break;
                    HandleItem(Field(piece, '=', 0), Tail(piece, '=', 1), false);
                    rest = Tail(rest, '\t', 1);
                }
            }
            return allowAll ? AllText() : std::string();
        case Item::Unknown:
            break;
    }
    return {};
}

std::string CChannel::AllText() const {
    std::string text;
    text.reserve(220);
    auto add = [&text](std::string_view word, std::string_view itemValue) {
        if (!text.empty()) text += '\t';
        text += word;
        text += '=';
        text += itemValue;
    };
    add(kItemWords[0], appear_.Text());
    add(kItemWords[1], frequency_.MHzText());
    add(kItemWords[2], reference_.Text());
    add(kItemWords[3], skip_.Text());
    add(kItemWords[4], mode_.Text());
    add(kItemWords[5], duplex_.Text());
    add(kItemWords[6], toneMode_.Text());
    add(kItemWords[7], repeaterTone_.Text());
    add(kItemWords[8], squelchTone_.Text());
    add(kItemWords[9], tuningStep_.Text());
    add(kItemWords[10], offset_.MHzText());
    add(kItemWords[11], name_.Text());
    return text;
}

}  // namespace ql

#include "document/ChannelImport.h"

#include <array>
#include <cstdint>
#include <utility>

#include "base/DelimitedText.h"
#include "base/FixedDecimal.h"
#include "document/ChannelTexts.h"
#include "model/BandRules.h"
#include "model/CChannel.h"
#include "model/CChannelLists.h"
#include "model/CFrequency.h"
#include "model/CVersion.h"
#include "model/TextOps.h"

namespace ql {

namespace {

constexpr std::size_t kShownValueLength = 40;
// Frequencies are typed in MHz, above 0 and below 2000, as Edit Memory takes them.
constexpr std::int64_t kFrequencyLimitHz = 2'000'000'000;
constexpr int kHzDecimals = 6;    // MHz with six decimals are hertz
constexpr int kToneDecimals = 1;  // tones in tenths of a hertz
constexpr int kStepDecimals = 3;  // kHz with three decimals are hertz

// A value as a refusal line shows it: on one line, bounded, "" for nothing.
std::string Shown(std::string_view value) {
    if (value.empty()) return "\"\"";
    std::string shown(value.substr(0, kShownValueLength));
    for (char& c : shown) {
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    }
    if (value.size() > kShownValueLength) shown += "...";
    return shown;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view BandName(Band band) {
    return band == Band::kVhf ? "144 MHz" : "430 MHz";
}

// Where the columns are in the rows: by the header line's names, or in the exported order.
class ColumnMap {
  public:
    static ColumnMap Exported() {
        ColumnMap map;
        for (std::size_t i = 0; i < kChannelColumnCount; ++i) map.index_[i] = i;
        return map;
    }
    static ColumnMap FromHeader(const DelimitedRecord& header) {
        ColumnMap map;
        for (std::size_t field = 0; field < header.fields.size(); ++field) {
            const std::string_view name = Trimmed(header.fields[field]);
            for (std::size_t i = 0; i < kChannelColumnCount; ++i) {
                if (!map.index_[i] && EqualsNoCase(name, kChannelColumnNames[i])) {
                    map.index_[i] = field;
                }
            }
        }
        return map;
    }
    [[nodiscard]] static bool NamesFrequency(const DelimitedRecord& record) {
        for (const std::string& field : record.fields) {
            if (EqualsNoCase(Trimmed(field), ColumnName(ChannelColumn::kFrequency))) return true;
        }
        return false;
    }

    [[nodiscard]] bool Has(ChannelColumn column) const {
        return index_[static_cast<std::size_t>(column)].has_value();
    }
    // The column's value in record; "" when the column or the field is missing.
    [[nodiscard]] std::string_view Get(const DelimitedRecord& record, ChannelColumn column) const {
        const auto& index = index_[static_cast<std::size_t>(column)];
        if (!index || *index >= record.fields.size()) return {};
        return record.fields[*index];
    }

  private:
    std::array<std::optional<std::size_t>, kChannelColumnCount> index_{};
};

// The texts of a value list with the number each stands for, to find a layout's value.
using NumberedTexts = std::vector<std::pair<std::int64_t, std::string>>;

NumberedTexts ToneTexts(const CChannelLists& lists) {
    NumberedTexts texts;
    for (std::int32_t n = 0; n < lists.tones.Size(); ++n) {
        if (!lists.tones.Allowed(n)) continue;
        const std::string& text = lists.tones.Text(n);
        if (const auto tenths = ParseFixedDecimal(text, kToneDecimals))
            texts.emplace_back(*tenths, text);
    }
    return texts;
}

NumberedTexts StepTexts(const CChannelLists& lists) {
    NumberedTexts texts;
    for (std::int32_t p = 0; p < lists.tuningStep.Count(); ++p) {
        const std::string& text = lists.tuningStep.Text(p);
        if (const auto hz = ParseFixedDecimal(StepKiloHertzText(text), kStepDecimals)) {
            texts.emplace_back(*hz, text);
        }
    }
    return texts;
}

const std::string* Find(const NumberedTexts& texts, std::int64_t number) {
    for (const auto& [n, text] : texts) {
        if (n == number) return &text;
    }
    return nullptr;
}

bool HasText(const CCodedValueList& list, std::string_view text) {
    std::int32_t p = 0;
    return list.FindText(text, p);
}

// Works out each row of the text in turn.
class RowPlanner {
  public:
    RowPlanner(const CommandQuery& query, const ChannelImportOptions& options,
               const ColumnMap& columns, ChannelImportPlan& plan)
        : query_(query), options_(options), columns_(columns), plan_(plan) {
        versionName_ = query_("MODEL.COUNTRY");
        version_.SetNumber(CVersion::NumberOf(versionName_));
        tones_ = ToneTexts(lists_);
        steps_ = StepTexts(lists_);
        const std::string name = query_(ChannelPath(Band::kVhf, kFirstFileChannel) + "NAME");
        if (!name.empty()) nameWidth_ = name.size();
        const unsigned first = options_.firstChannel.value_or(kFirstFileChannel);
        rebased_ = options_.firstChannel.has_value() || !columns_.Has(ChannelColumn::kLocation);
        next_ = {first, first};
    }

    void Row(const DelimitedRecord& record);

  private:
    struct Refusal {
        ChannelColumn column;
        std::string value;
        std::string reason;
    };
    // The row's values as item texts, or the first refusal.
    struct Items {
        std::string offset;
        std::string_view duplex;
        std::string_view toneMode;
        std::string repeaterTone;
        std::string squelchTone;
        std::string step;
        std::string name;
        std::string_view mode;
        std::string_view skip;
    };

    [[nodiscard]] std::string_view Value(ChannelColumn column) const {
        return Trimmed(columns_.Get(*record_, column));
    }
    void Refuse(ChannelColumn column, std::string_view value, std::string reason) {
        plan_.refused.push_back(
            {record_->line, std::string(ColumnName(column)), Shown(value), std::move(reason)});
    }
    [[nodiscard]] bool Legal(Band band, std::int64_t hz) const {
        // Every memory channel of a band takes the same frequencies.
        return query_(ChannelPath(band, kFirstFileChannel) +
                      "ISLEGAL.CHECK=" + FormatFixedDecimal(hz, kHzDecimals)) == "OK";
    }
    [[nodiscard]] std::optional<Refusal> ReadItems(std::int64_t hz, Items& items) const;
    [[nodiscard]] std::optional<Refusal> ReadTones(Items& items) const;
    [[nodiscard]] std::optional<Refusal> ReadName(Items& items) const;
    void Emit(Band band, unsigned channel, std::int64_t hz, const Items& items);

    const CommandQuery& query_;
    const ChannelImportOptions& options_;
    const ColumnMap& columns_;
    ChannelImportPlan& plan_;
    const DelimitedRecord* record_ = nullptr;

    std::string versionName_;
    CVersion version_;
    CChannelLists lists_;
    NumberedTexts tones_;
    NumberedTexts steps_;
    std::size_t nameWidth_ = 8;
    bool rebased_ = false;
    std::array<unsigned, 2> next_{};
    // The line of the row that took each channel of each band; 0 while free.
    std::array<std::array<std::size_t, kLastFileChannel + 1>, 2> takenBy_{};
};

void RowPlanner::Row(const DelimitedRecord& record) {
    record_ = &record;
    const std::string_view frequencyText = Value(ChannelColumn::kFrequency);
    const std::optional<std::int64_t> parsed = ParseFixedDecimal(frequencyText, kHzDecimals);
    const bool frequencyOk = parsed && *parsed > 0 && *parsed < kFrequencyLimitHz;
    const std::int64_t hz = frequencyOk ? *parsed : 0;

    Band band = options_.bands == BandChoice::kUhf ? Band::kUhf : Band::kVhf;
    if (options_.bands == BandChoice::kBoth) {
        if (!frequencyOk) {
            return Refuse(ChannelColumn::kFrequency, frequencyText, "not a frequency in MHz");
        }
        if (Legal(Band::kVhf, hz)) {
            band = Band::kVhf;
        } else if (Legal(Band::kUhf, hz)) {
            band = Band::kUhf;
        } else {
            return Refuse(
                ChannelColumn::kFrequency, frequencyText,
                "outside the 144 MHz and 430 MHz bands of this radio (" + versionName_ + ")");
        }
    }
    const auto b = static_cast<std::size_t>(band);

    unsigned channel = 0;
    if (rebased_) {
        channel = next_[b];
        if (next_[b] <= kLastFileChannel) ++next_[b];
        if (channel < kFirstFileChannel || channel > kLastFileChannel) {
            return Refuse(ChannelColumn::kLocation, std::to_string(channel),
                          "not a memory channel " + std::to_string(kFirstFileChannel) + "-" +
                              std::to_string(kLastFileChannel));
        }
    } else {
        const std::string_view location = Value(ChannelColumn::kLocation);
        const auto number = ParseFixedDecimal(location, 0);
        if (!number || *number < kFirstFileChannel || *number > kLastFileChannel) {
            return Refuse(ChannelColumn::kLocation, location,
                          "not a memory channel " + std::to_string(kFirstFileChannel) + "-" +
                              std::to_string(kLastFileChannel));
        }
        channel = static_cast<unsigned>(*number);
    }

    if (!frequencyOk) {
        return Refuse(ChannelColumn::kFrequency, frequencyText, "not a frequency in MHz");
    }
    if (options_.bands != BandChoice::kBoth && !Legal(band, hz)) {
        return Refuse(ChannelColumn::kFrequency, frequencyText,
                      "outside the " + std::string(BandName(band)) + " band of this radio (" +
                          versionName_ + ")");
    }
    Items items;
    if (const auto refusal = ReadItems(hz, items)) {
        return Refuse(refusal->column, refusal->value, refusal->reason);
    }
    std::size_t& taken = takenBy_[b][channel];
    if (taken != 0) {
        return Refuse(ChannelColumn::kLocation, std::to_string(channel),
                      "channel " + std::to_string(channel) + " of the " +
                          std::string(BandName(band)) + " band is already taken by line " +
                          std::to_string(taken));
    }
    taken = record.line;
    Emit(band, channel, hz, items);
}

std::optional<RowPlanner::Refusal> RowPlanner::ReadItems(std::int64_t hz, Items& items) const {
    const std::string_view duplex = Value(ChannelColumn::kDuplex);
    if (const auto item = ItemDuplex(duplex)) {
        items.duplex = *item;
    } else if (IsLayoutDuplexTheRadioLacks(duplex)) {
        return Refusal{ChannelColumn::kDuplex, std::string(duplex),
                       "the radio has no duplex " + std::string(duplex)};
    } else {
        return Refusal{ChannelColumn::kDuplex, std::string(duplex), "not a duplex (\"\", + or -)"};
    }

    const std::string_view offsetText = Value(ChannelColumn::kOffset);
    const auto offsetHz = offsetText.empty() ? std::optional<std::int64_t>(0)
                                             : ParseFixedDecimal(offsetText, kHzDecimals);
    if (!offsetHz) {
        return Refusal{ChannelColumn::kOffset, std::string(offsetText), "not an offset in MHz"};
    }
    CFrequency limited(*offsetHz);
    CFrequency rounded(*offsetHz);
    LimitOffset(limited);
    RoundToRaster(rounded);
    if (limited != rounded || *offsetHz > std::int64_t{INT32_MAX}) {
        return Refusal{ChannelColumn::kOffset, std::string(offsetText),
                       "more than the radio's largest offset, " + limited.MHzText() + " MHz"};
    }
    items.offset = FormatFixedDecimal(*offsetHz, kHzDecimals);

    if (auto refusal = ReadTones(items)) return refusal;

    const std::string_view modeText = Value(ChannelColumn::kMode);
    const auto mode = modeText.empty() ? std::optional<std::string_view>(lists_.mode.Text(0))
                                       : ItemMode(modeText);
    if (!mode || !HasText(lists_.mode, *mode)) {
        return Refusal{ChannelColumn::kMode, std::string(modeText), "a mode the radio lacks"};
    }
    CFrequency onRaster(hz);
    RoundToRaster(onRaster);
    if (!version_.ModeAllowed(*mode, onRaster.Hz())) {
        return Refusal{ChannelColumn::kMode, std::string(modeText),
                       "not on " + FormatFixedDecimal(hz, kHzDecimals) + " MHz in this radio (" +
                           versionName_ + ")"};
    }
    items.mode = *mode;

    const std::string_view stepText = Value(ChannelColumn::kTStep);
    if (stepText.empty()) {
        items.step = lists_.tuningStep.Text(0);
    } else {
        const auto stepHz = ParseFixedDecimal(stepText, kStepDecimals);
        const std::string* step = stepHz ? Find(steps_, *stepHz) : nullptr;
        if (step == nullptr) {
            return Refusal{ChannelColumn::kTStep, std::string(stepText),
                           "a tuning step (kHz) the radio lacks"};
        }
        items.step = *step;
    }

    const std::string_view skip = Value(ChannelColumn::kSkip);
    const auto skipItem = ItemSkip(skip);
    if (!skipItem)
        return Refusal{ChannelColumn::kSkip, std::string(skip), "not a skip (\"\", S or P)"};
    items.skip = *skipItem;

    return ReadName(items);
}

std::optional<RowPlanner::Refusal> RowPlanner::ReadTones(Items& items) const {
    const std::string_view toneModeText = Value(ChannelColumn::kTone);
    const auto toneMode = ItemToneMode(toneModeText);
    if (!toneMode) {
        return Refusal{ChannelColumn::kTone, std::string(toneModeText),
                       IsLayoutToneModeTheRadioLacks(toneModeText) ? "a tone mode the radio lacks"
                                                                   : "not a tone mode"};
    }
    items.toneMode = *toneMode;
    const std::string unused(kUnusedTone);
    items.repeaterTone = unused;
    items.squelchTone = unused;
    // Only the column of the tone mode counts; the other holds a placeholder.
    const bool tone = EqualsNoCase(toneModeText, kLayoutTone);
    const bool squelch = EqualsNoCase(toneModeText, kLayoutToneSquelch);
    if (!tone && !squelch) return std::nullopt;
    const ChannelColumn column = tone ? ChannelColumn::kRToneFreq : ChannelColumn::kCToneFreq;
    const std::string_view toneText = Value(column);
    if (toneText.empty()) return std::nullopt;
    const auto tenths = ParseFixedDecimal(toneText, kToneDecimals);
    const std::string* found = tenths ? Find(tones_, *tenths) : nullptr;
    if (found == nullptr) return Refusal{column, std::string(toneText), "a tone the radio lacks"};
    (tone ? items.repeaterTone : items.squelchTone) = *found;
    return std::nullopt;
}

std::optional<RowPlanner::Refusal> RowPlanner::ReadName(Items& items) const {
    // Blanks after the name are its padding; blanks before it are part of it.
    std::string_view name = columns_.Get(*record_, ChannelColumn::kName);
    const std::size_t end = name.find_last_not_of(' ');
    name = end == std::string_view::npos ? std::string_view{} : name.substr(0, end + 1);
    if (name.size() > nameWidth_) {
        return Refusal{
            ChannelColumn::kName, std::string(name),
            "longer than the " + std::to_string(nameWidth_) + " characters of a channel name"};
    }
    for (const char c : name) {
        if (!CChannel::KeptNameCharacter(c)) {
            return Refusal{ChannelColumn::kName, std::string(name),
                           "characters the radio cannot show"};
        }
    }
    items.name = name.empty() ? std::string(" ") : std::string(name);
    return std::nullopt;
}

void RowPlanner::Emit(Band band, unsigned channel, std::int64_t hz, const Items& items) {
    const std::string prefix = ChannelPath(band, channel);
    const auto assign = [&](std::string_view item, std::string_view value) {
        std::string command = prefix;
        command += item;
        command.push_back('=');
        command += value;
        plan_.commands.push_back(std::move(command));
    };
    // The items and their order of Edit Memory's OK.
    assign("REPEATER_FREQUENCY", items.offset);
    assign("DUPLEX_SELECTION", items.duplex);
    assign("REPEATER_TONE_FREQUENCY", items.repeaterTone);
    assign("TSQL_FREQUENCY", items.squelchTone);
    assign("TUNING_STEP_SELECTION", items.step);
    assign("NAME", items.name);
    assign("TONE_SELECTION", items.toneMode);
    assign("MODE", items.mode);
    assign("SKIP", items.skip);
    assign("FREQUENCY", FormatFixedDecimal(hz, kHzDecimals));
    assign("APPEAR", "ON");
    plan_.commands.push_back(prefix + "HEAL");
    plan_.channels.push_back({band, channel});
}

}  // namespace

std::string RefusedRow::Text() const {
    return "line " + std::to_string(line) + ": " + column + ": " + value + ": " + reason;
}

ChannelImportPlan PlanChannelImport(std::string_view text, const CommandQuery& query,
                                    const ChannelImportOptions& options) {
    ChannelImportPlan plan;
    const auto fail = [&plan](std::string error) {
        plan = {};
        plan.error = std::move(error);
        return plan;
    };
    CDelimitedReader reader(text);
    DelimitedRecord record;
    bool any = false;
    while ((any = reader.Next(record)) && record.Empty()) {
    }
    if (!reader.Error().empty()) return fail(reader.Error());
    if (!any) {
        return fail(options.headerOptional ? "no rows" : "an empty file, without a header line");
    }
    const bool header = ColumnMap::NamesFrequency(record);
    if (!header && !options.headerOptional) {
        return fail("line " + std::to_string(record.line) +
                    ": the first line names no Frequency column: no channel list");
    }
    const ColumnMap columns = header ? ColumnMap::FromHeader(record) : ColumnMap::Exported();
    RowPlanner planner(query, options, columns, plan);
    std::size_t rows = 0;
    if (!header) {
        planner.Row(record);
        ++rows;
    }
    while (reader.Next(record)) {
        if (record.Empty()) continue;
        if (++rows > kMaxImportRows) {
            return fail("more than " + std::to_string(kMaxImportRows) + " rows: no channel list");
        }
        planner.Row(record);
    }
    if (!reader.Error().empty()) return fail(reader.Error());
    return plan;
}

}  // namespace ql

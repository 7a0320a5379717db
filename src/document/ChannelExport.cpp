#include "document/ChannelExport.h"

#include <array>
#include <string_view>
#include <vector>

#include "base/DelimitedText.h"
#include "base/FixedDecimal.h"
#include "document/ChannelTexts.h"

namespace ql {

namespace {

// The items of an "ALL" answer: ITEM=value pieces separated by TAB.
struct ChannelItems {
    std::string_view appear;
    std::string_view frequency;
    std::string_view skip;
    std::string_view mode;
    std::string_view duplex;
    std::string_view toneMode;
    std::string_view repeaterTone;
    std::string_view squelchTone;
    std::string_view step;
    std::string_view offset;
    std::string_view name;
};

ChannelItems SplitAll(std::string_view all) {
    ChannelItems items;
    const std::array<std::pair<std::string_view, std::string_view*>, 11> slots = {{
        {"APPEAR", &items.appear},
        {"FREQUENCY", &items.frequency},
        {"SKIP", &items.skip},
        {"MODE", &items.mode},
        {"DUPLEX_SELECTION", &items.duplex},
        {"TONE_SELECTION", &items.toneMode},
        {"REPEATER_TONE_FREQUENCY", &items.repeaterTone},
        {"TSQL_FREQUENCY", &items.squelchTone},
        {"TUNING_STEP_SELECTION", &items.step},
        {"REPEATER_FREQUENCY", &items.offset},
        {"NAME", &items.name},
    }};
    while (!all.empty()) {
        const std::size_t tab = all.find('\t');
        const std::string_view piece = all.substr(0, tab);
        all = tab == std::string_view::npos ? std::string_view{} : all.substr(tab + 1);
        const std::size_t equals = piece.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view item = piece.substr(0, equals);
        for (const auto& [word, slot] : slots) {
            if (item == word) *slot = piece.substr(equals + 1);
        }
    }
    return items;
}

// A value the model shows in MHz, with the layout's six decimals; as shown when no number.
std::string MHz(std::string_view shown) {
    const auto hz = ParseFixedDecimal(shown, 6);
    return hz ? FormatFixedDecimal(*hz, 6) : std::string(shown);
}

std::string Tone(std::string_view shown) {
    const auto tenths = ParseFixedDecimal(shown, 1);
    return tenths ? FormatFixedDecimal(*tenths, 1) : std::string(shown);
}

// "12.5k" as "12.50" (kHz with two decimals).
std::string Step(std::string_view shown) {
    const auto hz = ParseFixedDecimal(StepKiloHertzText(shown), 3);
    return hz ? FormatFixedDecimal(*hz / 10, 2) : std::string(shown);
}

std::string_view TrimmedName(std::string_view name) {
    const std::size_t end = name.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : name.substr(0, end + 1);
}

void AppendRow(std::string& out, unsigned channel, const ChannelItems& items, TextFormat format) {
    const char separator = SeparatorOf(format);
    const std::string_view toneMode = LayoutToneMode(items.toneMode);
    const std::array<std::string, kChannelColumnCount> fields = {
        std::to_string(channel),
        std::string(TrimmedName(items.name)),
        MHz(items.frequency),
        std::string(LayoutDuplex(items.duplex)),
        MHz(items.offset),
        std::string(toneMode),
        toneMode == kLayoutTone ? Tone(items.repeaterTone) : std::string(kUnusedTone),
        toneMode == kLayoutToneSquelch ? Tone(items.squelchTone) : std::string(kUnusedTone),
        std::string(kUnusedDtcsCode),
        std::string(kUnusedDtcsPolarity),
        std::string(kUnusedDtcsCode),
        std::string(kUnusedCrossMode),
        std::string(LayoutMode(items.mode)),
        Step(items.step),
        std::string(LayoutSkip(items.skip)),
        {},
        {},
        {},
        {},
        {},
        {}};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out.push_back(separator);
        AppendDelimitedField(out, fields[i], separator);
    }
    out += LineEndOf(format);
}

}  // namespace

std::string ChannelHeaderLine(TextFormat format) {
    std::string line;
    for (std::size_t i = 0; i < kChannelColumnNames.size(); ++i) {
        if (i > 0) line.push_back(SeparatorOf(format));
        line += kChannelColumnNames[i];
    }
    line += LineEndOf(format);
    return line;
}

std::string ExportChannels(const CommandQuery& query, std::span<const ChannelRef> channels,
                           TextFormat format, bool header) {
    std::string out = header ? ChannelHeaderLine(format) : std::string();
    std::string command;
    for (const ChannelRef& ref : channels) {
        if (ref.channel < kFirstFileChannel || ref.channel > kLastFileChannel) continue;
        command = ChannelPath(ref.band, ref.channel);
        command += "ALL";
        const std::string all = query(command);
        const ChannelItems items = SplitAll(all);
        if (items.appear != "ON") continue;
        AppendRow(out, ref.channel, items, format);
    }
    return out;
}

std::string ExportBands(const CommandQuery& query, BandChoice bands, TextFormat format) {
    std::vector<ChannelRef> channels;
    for (const Band band : {Band::kVhf, Band::kUhf}) {
        if (!Covers(bands, band)) continue;
        for (unsigned n = kFirstFileChannel; n <= kLastFileChannel; ++n)
            channels.push_back({band, n});
    }
    return ExportChannels(query, channels, format);
}

}  // namespace ql

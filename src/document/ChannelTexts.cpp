#include "document/ChannelTexts.h"

#include <array>
#include <utility>

#include "model/TextOps.h"

namespace ql {

namespace {

// Pairs of an item's text and the layout's value.
using TextPairs = std::array<std::pair<std::string_view, std::string_view>, 3>;

constexpr TextPairs kDuplex = {{{"OFF", ""}, {"Dup+", "+"}, {"Dup-", "-"}}};
constexpr TextPairs kToneMode = {
    {{"OFF", ""}, {"TONE", kLayoutTone}, {"TSQL", kLayoutToneSquelch}}};
constexpr TextPairs kMode = {{{"FM", "FM"}, {"FM Narrow", "NFM"}, {"AM", "AM"}}};
constexpr TextPairs kSkip = {{{"OFF", ""}, {"SKIP", "S"}, {"PROGRAM_SKIP", "P"}}};

std::string_view ToLayout(const TextPairs& pairs, std::string_view item) {
    for (const auto& [itemText, layout] : pairs) {
        if (EqualsNoCase(item, itemText)) return layout;
    }
    return item;
}

std::optional<std::string_view> ToItem(const TextPairs& pairs, std::string_view layout) {
    for (const auto& [itemText, layoutText] : pairs) {
        if (EqualsNoCase(layout, layoutText)) return itemText;
    }
    return std::nullopt;
}

}  // namespace

std::string_view LayoutDuplex(std::string_view item) {
    return ToLayout(kDuplex, item);
}
std::optional<std::string_view> ItemDuplex(std::string_view layout) {
    return ToItem(kDuplex, layout);
}
bool IsLayoutDuplexTheRadioLacks(std::string_view layout) {
    return EqualsNoCase(layout, "split") || EqualsNoCase(layout, "off");
}

std::string_view LayoutToneMode(std::string_view item) {
    return ToLayout(kToneMode, item);
}
std::optional<std::string_view> ItemToneMode(std::string_view layout) {
    return ToItem(kToneMode, layout);
}
bool IsLayoutToneModeTheRadioLacks(std::string_view layout) {
    return EqualsNoCase(layout, "DTCS") || EqualsNoCase(layout, "Cross") ||
           EqualsNoCase(layout, "TSQL-R");
}

std::string_view LayoutMode(std::string_view item) {
    return ToLayout(kMode, item);
}
std::optional<std::string_view> ItemMode(std::string_view layout) {
    return ToItem(kMode, layout);
}

std::string_view LayoutSkip(std::string_view item) {
    return ToLayout(kSkip, item);
}
std::optional<std::string_view> ItemSkip(std::string_view layout) {
    return ToItem(kSkip, layout);
}

std::string_view StepKiloHertzText(std::string_view item) {
    if (!item.empty() && (item.back() == 'k' || item.back() == 'K')) item.remove_suffix(1);
    return item;
}

}  // namespace ql

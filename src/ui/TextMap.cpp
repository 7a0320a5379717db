#include "ui/TextMap.h"

#include <algorithm>

namespace ql::ui {

std::string_view TextMap::Shown(std::string_view value) const {
    const auto found = std::ranges::find(pairs, value, &TextPair::value);
    return found == pairs.end() ? shownFallback : found->shown;
}

std::string_view TextMap::Value(std::string_view shown) const {
    const auto found = std::ranges::find(pairs, shown, &TextPair::shown);
    return found == pairs.end() ? valueFallback : found->value;
}

int PositionOf(std::span<const std::string_view> texts, std::string_view text, int fallback) {
    const auto found = std::ranges::find(texts, text);
    return found == texts.end() ? fallback : static_cast<int>(found - texts.begin());
}

std::string_view TextAt(std::span<const std::string_view> texts, int position,
                        std::string_view fallback) {
    if (position < 0 || static_cast<std::size_t>(position) >= texts.size()) return fallback;
    return texts[static_cast<std::size_t>(position)];
}

std::string_view TrimRight(std::string_view text) {
    const auto end = text.find_last_not_of(" \t\r\n\v\f");
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string TrimmedOrBlank(std::string_view text) {
    const std::string_view trimmed = TrimRight(text);
    return trimmed.empty() ? std::string(" ") : std::string(trimmed);
}

std::string CommonAssignment(std::string_view name, std::string_view value) {
    std::string command = CommonQuery(name);
    command += '=';
    command += value;
    return command;
}

std::string CommonQuery(std::string_view name) {
    std::string command("COMMON.");
    command += name;
    return command;
}

}  // namespace ql::ui

#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace ql::ui {

// A model value text and the text a dialog shows for it ("3min" and "3 min").
struct TextPair {
    std::string_view value;
    std::string_view shown;
};

// The translation between a setting's value texts and the texts of its control. Texts that
// are in neither column fall back on the given texts; the two directions may fall back on
// different entries. Comparisons are exact, letter case included.
struct TextMap {
    std::span<const TextPair> pairs;
    std::string_view shownFallback;
    std::string_view valueFallback;

    [[nodiscard]] std::string_view Shown(std::string_view value) const;
    [[nodiscard]] std::string_view Value(std::string_view shown) const;
};

// The shown texts of pairs, in their order: the entries of a control's list.
template <std::size_t N>
constexpr std::array<std::string_view, N> ShownTexts(const std::array<TextPair, N>& pairs) {
    std::array<std::string_view, N> entries{};
    for (std::size_t i = 0; i < N; ++i) entries[i] = pairs[i].shown;
    return entries;
}

// A position (a slider's, an entry's) in a list of texts; fallback when the text is not there.
[[nodiscard]] int PositionOf(std::span<const std::string_view> texts, std::string_view text,
                             int fallback);
// The text at a position; fallback for a position outside the list.
[[nodiscard]] std::string_view TextAt(std::span<const std::string_view> texts, int position,
                                      std::string_view fallback);

// A text without its trailing white space; a text left empty becomes a single blank, which
// an assignment needs to carry a value at all.
[[nodiscard]] std::string TrimmedOrBlank(std::string_view text);
// A text without its trailing white space.
[[nodiscard]] std::string_view TrimRight(std::string_view text);

// "COMMON." name "=" value.
[[nodiscard]] std::string CommonAssignment(std::string_view name, std::string_view value);
// "COMMON." name.
[[nodiscard]] std::string CommonQuery(std::string_view name);

}  // namespace ql::ui

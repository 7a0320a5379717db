#pragma once

#include <optional>
#include <string_view>

namespace ql {

// The values of the channel layout beside the channel items' own texts. Each Layout...
// function turns an item's text (as a query answers it) into the layout's value; each
// Item... function turns a layout value (letter case ignored) into the item's text, or
// nullopt when the layout value is none the item has.

// Duplex: "" OFF, "+" Dup+, "-" Dup-. The layout's "split" and "off" (transmit inhibited)
// are values the radio lacks.
[[nodiscard]] std::string_view LayoutDuplex(std::string_view item);
[[nodiscard]] std::optional<std::string_view> ItemDuplex(std::string_view layout);
[[nodiscard]] bool IsLayoutDuplexTheRadioLacks(std::string_view layout);

// Tone: "" OFF, "Tone" TONE, "TSQL" TSQL. "DTCS", "Cross" and "TSQL-R" are modes of other
// radios.
inline constexpr std::string_view kLayoutTone = "Tone";
inline constexpr std::string_view kLayoutToneSquelch = "TSQL";
[[nodiscard]] std::string_view LayoutToneMode(std::string_view item);
[[nodiscard]] std::optional<std::string_view> ItemToneMode(std::string_view layout);
[[nodiscard]] bool IsLayoutToneModeTheRadioLacks(std::string_view layout);

// Mode: "FM", "NFM" (FM Narrow), "AM".
[[nodiscard]] std::string_view LayoutMode(std::string_view item);
[[nodiscard]] std::optional<std::string_view> ItemMode(std::string_view layout);

// Skip: "" OFF, "S" SKIP, "P" PROGRAM_SKIP.
[[nodiscard]] std::string_view LayoutSkip(std::string_view item);
[[nodiscard]] std::optional<std::string_view> ItemSkip(std::string_view layout);

// A tuning step item's number of kHz: "12.5k" gives "12.5".
[[nodiscard]] std::string_view StepKiloHertzText(std::string_view item);

// What the layout writes in the columns a channel does not use: the tone of the tone mode
// not chosen, and the digital-squelch and cross-mode columns this radio has no use for.
inline constexpr std::string_view kUnusedTone = "88.5";
inline constexpr std::string_view kUnusedDtcsCode = "023";
inline constexpr std::string_view kUnusedDtcsPolarity = "NN";
inline constexpr std::string_view kUnusedCrossMode = "Tone->Tone";

}  // namespace ql

#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ChannelRow.h"

namespace ql::ui {

// The tone mode buttons "OFF", "TONE", "TSQL"; none may be checked.
enum class ToneMode { kNone, kOff, kTone, kTsql };
// The mode buttons "FM", "AM", "NarrowFM" and the never shown "WFM".
enum class ChannelMode { kFm, kAm, kNarrowFm, kWideFm };

// What the Edit Memory dialog shows of one channel, in the texts of its controls.
struct ChannelEdit {
    std::string frequency;
    std::string offset = "0.0000";
    std::string duplex = "OFF";  // "OFF", "-Dup", "+Dup"
    std::string repeaterTone = "88.5";
    std::string squelchTone = "88.5";
    std::string tuningStep = "5k";
    std::string name;
    ToneMode toneMode = ToneMode::kOff;
    ChannelMode mode = ChannelMode::kFm;
    std::string skip = "Off";  // "Off", "Memory", "Program & Memory"
};

// The properties that Bulk Edit can give several channels at once, in the order the Edit
// Memory dialog's OK assigns them.
enum class ChannelField {
    kOffset,
    kDuplex,
    kRepeaterTone,
    kSquelchTone,
    kTuningStep,
    kToneMode,
    kMode,
    kSkip
};

// True when the frequency text holds nothing but white space: the channel is blank.
[[nodiscard]] bool IsBlankFrequency(std::string_view frequency);

// Reads a channel with queries: "APPEAR" first; a blank channel gives the defaults above,
// any other the answers of the channel's items, in the order the dialog asks them.
[[nodiscard]] ChannelEdit ReadChannelEdit(const ChannelQuery& query, std::string_view prefix);

// The frequency text OK assigns for the typed one: trimmed, with a decimal comma read as
// the point; "" (the channel is blanked) when it is not above 0 and below 2000 MHz.
[[nodiscard]] std::string FrequencyToSend(std::string_view typed);

// The assignments that write edit back to the channel, in order, "APPEAR" and "HEAL" last.
// A decimal comma in the frequency and offset counts as the decimal point; a frequency
// that is not above 0 and below 2000 MHz blanks the channel.
[[nodiscard]] std::vector<std::string> ChannelEditCommands(const ChannelEdit& edit,
                                                           std::string_view prefix);

// The item assignment ("MODE=FM Narrow") that OK sends for field of edit.
[[nodiscard]] std::string FieldAssignment(const ChannelEdit& edit, ChannelField field);

// The assignments of the given fields of edit to a channel in use, in the order OK sends
// them, then "HEAL": the channel ends up as Edit Memory leaves it with those values changed.
[[nodiscard]] std::vector<std::string> ChannelFieldCommands(const ChannelEdit& edit,
                                                            std::span<const ChannelField> fields,
                                                            std::string_view prefix);

}  // namespace ql::ui

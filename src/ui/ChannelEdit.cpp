#include "ui/ChannelEdit.h"

#include "ui/FrequencyText.h"

namespace ql::ui {

namespace {
constexpr double kHighestFrequency = 2000.0;

ToneMode ToneModeOf(std::string_view answer) {
    if (answer == "OFF") return ToneMode::kOff;
    if (answer == "TONE") return ToneMode::kTone;
    if (answer == "TSQL") return ToneMode::kTsql;
    return ToneMode::kNone;
}

ChannelMode ModeOf(std::string_view answer) {
    if (answer == "Wide FM") return ChannelMode::kWideFm;
    if (answer == "FM Narrow") return ChannelMode::kNarrowFm;
    if (answer == "AM") return ChannelMode::kAm;
    return ChannelMode::kFm;
}

std::string_view ToneModeValue(ToneMode mode) {
    if (mode == ToneMode::kOff) return "OFF";
    if (mode == ToneMode::kTone) return "TONE";
    return "TSQL";
}

std::string_view ModeValue(ChannelMode mode) {
    switch (mode) {
        case ChannelMode::kAm:
            return "AM";
        case ChannelMode::kWideFm:
            return "Wide FM";
        case ChannelMode::kNarrowFm:
            return "FM Narrow";
        case ChannelMode::kFm:
            break;
    }
    return "FM";
}

std::string_view SkipValue(std::string_view shown) {
    if (shown == "Memory") return "SKIP";
    if (shown == "Program & Memory") return "PROGRAM_SKIP";
    return "Off";
}

std::string_view DuplexValue(std::string_view shown) {
    if (shown == "-Dup") return "Dup-";
    if (shown == "+Dup") return "Dup+";
    return "OFF";
}
}  // namespace

bool IsBlankFrequency(std::string_view frequency) {
    return Trimmed(frequency).empty();
}

ChannelEdit ReadChannelEdit(const ChannelQuery& query, std::string_view prefix) {
    std::string command;
    const auto ask = [&](std::string_view item) {
        command.assign(prefix);
        command.append(item);
        return query(command);
    };

    ChannelEdit edit;
    if (ask("APPEAR") == "OFF") return edit;
    edit.frequency = ask("FREQUENCY");
    edit.offset = ask("REPEATER_FREQUENCY");
    const std::string duplex = ask("DUPLEX_SELECTION");
    edit.duplex = duplex == "Dup-" ? "-Dup" : duplex == "Dup+" ? "+Dup" : "OFF";
    edit.repeaterTone = ask("REPEATER_TONE_FREQUENCY");
    edit.squelchTone = ask("TSQL_FREQUENCY");
    edit.tuningStep = ask("TUNING_STEP_SELECTION");
    edit.name = std::string(TrimmedRight(ask("NAME")));
    edit.toneMode = ToneModeOf(ask("TONE_SELECTION"));
    edit.mode = ModeOf(ask("MODE"));
    const std::string skip = ask("SKIP");
    edit.skip = skip == "SKIP" ? "Memory" : skip == "PROGRAM_SKIP" ? "Program & Memory" : "Off";
    return edit;
}

std::string FrequencyToSend(std::string_view typed) {
    const std::string frequency = WithDecimalPoint(typed);
    const double mhz = LeadingDecimal(frequency);
    if (!(mhz > 0.0 && mhz < kHighestFrequency)) return {};
    return std::string(Trimmed(frequency));
}

std::vector<std::string> ChannelEditCommands(const ChannelEdit& edit, std::string_view prefix) {
    std::vector<std::string> commands;
    const auto assign = [&](std::string_view item, std::string_view value) {
        std::string command(prefix);
        command.append(item);
        command.push_back('=');
        command.append(value);
        commands.push_back(std::move(command));
    };

    assign("REPEATER_FREQUENCY", WithDecimalPoint(edit.offset));
    assign("DUPLEX_SELECTION", DuplexValue(edit.duplex));
    assign("REPEATER_TONE_FREQUENCY", edit.repeaterTone);
    assign("TSQL_FREQUENCY", edit.squelchTone);
    assign("TUNING_STEP_SELECTION", edit.tuningStep);
    const std::string_view name = TrimmedRight(edit.name);
    assign("NAME", name.empty() ? std::string_view(" ") : name);
    assign("TONE_SELECTION", ToneModeValue(edit.toneMode));
    assign("MODE", ModeValue(edit.mode));
    assign("SKIP", SkipValue(edit.skip));

    const std::string frequency = FrequencyToSend(edit.frequency);
    assign("FREQUENCY", frequency);
    assign("APPEAR", IsBlankFrequency(frequency) ? "OFF" : "ON");
    commands.push_back(std::string(prefix) + "HEAL");
    return commands;
}

}  // namespace ql::ui

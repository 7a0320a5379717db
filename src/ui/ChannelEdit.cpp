#include "ui/ChannelEdit.h"

#include <algorithm>

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

std::string FieldAssignment(const ChannelEdit& edit, ChannelField field) {
    const auto assignment = [](std::string_view item, std::string_view value) {
        std::string text(item);
        text.push_back('=');
        text.append(value);
        return text;
    };
    switch (field) {
        case ChannelField::kOffset:
            return assignment("REPEATER_FREQUENCY", WithDecimalPoint(edit.offset));
        case ChannelField::kDuplex:
            return assignment("DUPLEX_SELECTION", DuplexValue(edit.duplex));
        case ChannelField::kRepeaterTone:
            return assignment("REPEATER_TONE_FREQUENCY", edit.repeaterTone);
        case ChannelField::kSquelchTone:
            return assignment("TSQL_FREQUENCY", edit.squelchTone);
        case ChannelField::kTuningStep:
            return assignment("TUNING_STEP_SELECTION", edit.tuningStep);
        case ChannelField::kToneMode:
            return assignment("TONE_SELECTION", ToneModeValue(edit.toneMode));
        case ChannelField::kMode:
            return assignment("MODE", ModeValue(edit.mode));
        case ChannelField::kSkip:
            break;
    }
    return assignment("SKIP", SkipValue(edit.skip));
}

std::vector<std::string> ChannelEditCommands(const ChannelEdit& edit, std::string_view prefix) {
    std::vector<std::string> commands;
    const auto add = [&](std::string_view assignment) {
        commands.push_back(std::string(prefix) + std::string(assignment));
    };

    for (const ChannelField field :
         {ChannelField::kOffset, ChannelField::kDuplex, ChannelField::kRepeaterTone,
          ChannelField::kSquelchTone, ChannelField::kTuningStep}) {
        add(FieldAssignment(edit, field));
    }
    const std::string_view name = TrimmedRight(edit.name);
    add("NAME=" + std::string(name.empty() ? std::string_view(" ") : name));
    for (const ChannelField field :
         {ChannelField::kToneMode, ChannelField::kMode, ChannelField::kSkip}) {
        add(FieldAssignment(edit, field));
    }

    const std::string frequency = FrequencyToSend(edit.frequency);
    add("FREQUENCY=" + frequency);
    add(IsBlankFrequency(frequency) ? "APPEAR=OFF" : "APPEAR=ON");
    add("HEAL");
    return commands;
}

std::vector<std::string> ChannelFieldCommands(const ChannelEdit& edit,
                                              std::span<const ChannelField> fields,
                                              std::string_view prefix) {
    std::vector<ChannelField> ordered(fields.begin(), fields.end());
    std::sort(ordered.begin(), ordered.end());
    ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());
    std::vector<std::string> commands;
    commands.reserve(ordered.size() + 1);
    for (const ChannelField field : ordered) {
        commands.push_back(std::string(prefix) + FieldAssignment(edit, field));
    }
    commands.push_back(std::string(prefix) + "HEAL");
    return commands;
}

}  // namespace ql::ui

#include "ui/ChannelRow.h"

#include <array>
#include <cstdio>

namespace ql::ui {

namespace {
constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
constexpr std::array<std::string_view, 6> kEdgeLabels = {"P1A", "P1B", "P2A", "P2B", "P3A", "P3B"};

// The answer "OFF" shows as an empty cell.
std::string OffAsEmpty(const std::string& answer) {
    return answer == "OFF" ? std::string() : answer;
}

std::string DuplexText(std::string_view answer) {
    if (answer == "Dup-") return "-Dup";
    if (answer == "Dup+") return "+Dup";
    return {};
}

std::string SkipText(const std::string& answer) {
    if (answer == "OFF") return {};
    if (answer == "SKIP") return "M";
    if (answer == "PROGRAM_SKIP") return "M+P";
    return answer;
}
}  // namespace

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

std::string_view TrimmedRight(std::string_view text) {
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::string ChannelLabel(unsigned channel) {
    if (channel >= 1 && channel <= kLastMemoryChannel) {
        std::array<char, 8> number{};
        std::snprintf(number.data(), number.size(), " %02u", channel);
        return std::string(Trimmed(number.data()));
    }
    if (IsEdgeChannel(channel)) return std::string(kEdgeLabels.at(channel - kFirstEdgeChannel));
    if (channel == kCallChannel) return "CALL";
    return {};
}

ChannelRowTexts BuildChannelRow(const ChannelQuery& query, std::string_view prefix,
                                unsigned channel) {
    std::string command;
    const auto ask = [&](std::string_view item) {
        command.assign(prefix);
        command.append(item);
        return query(command);
    };

    ChannelRowTexts row;
    row[kColLabel] = ChannelLabel(channel);
    if (ask("APPEAR") != "OFF") {
        std::string frequency = ask("FREQUENCY");
        frequency += ' ';
        if (ask("ISLEGAL") == "NG") frequency += '?';
        row[kColFrequency] = OffAsEmpty(frequency);
        row[kColDuplex] = DuplexText(ask("DUPLEX_SELECTION"));
        row[kColOffset] = ask("REPEATER_FREQUENCY");
        row[kColName] = IsEdgeChannel(channel) ? "------" : ask("NAME");
        row[kColTone] = OffAsEmpty(ask("TONE_SELECTION"));
        row[kColRepeaterTone] = OffAsEmpty(ask("REPEATER_TONE_FREQUENCY"));
        row[kColSquelchTone] = OffAsEmpty(ask("TSQL_FREQUENCY"));
        row[kColSkip] = channel >= kFirstEdgeChannel ? "----" : SkipText(ask("SKIP"));
        row[kColStep] = ask("TUNING_STEP_SELECTION");
        row[kColMode] = ask("MODE");
    }
    for (std::string& cell : row) {
        std::string_view kept = Trimmed(cell);
        if (kept.size() > kCellCapacity) kept = kept.substr(0, kCellCapacity);
        cell = std::string(kept);
    }
    return row;
}

}  // namespace ql::ui

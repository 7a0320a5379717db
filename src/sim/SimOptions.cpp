#include "sim/SimOptions.h"

#include <array>
#include <cctype>
#include <charconv>

#include "model/CVersion.h"

namespace ql::sim {

namespace {

std::optional<unsigned> ParseNumber(std::string_view text, int base, unsigned highest) {
    if (base == 16 && (text.starts_with("0x") || text.starts_with("0X"))) text.remove_prefix(2);
    unsigned value = 0;
    const auto [end, failure] =
        std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || failure != std::errc() || end != text.data() + text.size() ||
        value > highest) {
        return std::nullopt;
    }
    return value;
}

struct FaultName {
    std::string_view name;
    FaultKind kind;
    int base;  // 0: takes no value
    unsigned highest;
};

constexpr std::array<FaultName, 10> kFaults{{
    {"bad-checksum", FaultKind::kBadChecksum, 10, 0xFFFF},
    {"silent-after", FaultKind::kSilentAfter, 10, 0xFFFF},
    {"end-after", FaultKind::kEndAfter, 10, 0xFFFF},
    {"no-answer", FaultKind::kNoAnswer, 0, 0},
    {"no-echo", FaultKind::kNoEcho, 0, 0},
    {"noise", FaultKind::kNoise, 0, 0},
    {"result", FaultKind::kResult, 10, 0xEF},
    {"model", FaultKind::kModel, 16, 0xFFFF},
    {"revision", FaultKind::kRevision, 10, 0xFFFF},
    {"none", FaultKind::kNone, 0, 0},
}};

std::optional<SimFault> ParseFault(std::string_view text) {
    const std::size_t colon = text.find(':');
    const std::string_view name = text.substr(0, colon);
    for (const FaultName& fault : kFaults) {
        if (fault.name != name) continue;
        if (fault.base == 0) {
            if (colon != std::string_view::npos) return std::nullopt;
            return SimFault{fault.kind, 0};
        }
        if (colon == std::string_view::npos) return std::nullopt;
        std::string_view value = text.substr(colon + 1);
        // A result is a byte, in decimal or as 0x...
        int base = fault.base;
        if (fault.kind == FaultKind::kResult) {
            base = value.starts_with("0x") || value.starts_with("0X") ? 16 : 10;
        }
        const std::optional<unsigned> number = ParseNumber(value, base, fault.highest);
        if (!number) return std::nullopt;
        return SimFault{fault.kind, *number};
    }
    return std::nullopt;
}

// A version by number or by name, the name in either letter case.
std::optional<unsigned> ParseCountry(std::string_view text) {
    if (const std::optional<unsigned> number = ParseNumber(text, 10, CVersion::kCount - 1)) {
        return number;
    }
    std::string name(text);
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const int number = CVersion::NumberOf(name);
    if (number < 0) return std::nullopt;
    return static_cast<unsigned>(number);
}

}  // namespace

std::string SimUsage() {
    std::string usage =
        "usage: rz7400-sim --link PATH [--image FILE] [--country VERSION] [--expand MASK]\n"
        "                  [--comment TEXT] [--block-size N] [--pace] [--written FILE]\n"
        "                  [--fault KIND] [--once]\n"
        "       rz7400-sim --help\n"
        "versions (number or name):";
    for (int number = 0; number < CVersion::kCount; ++number) {
        usage += number % 6 == 0 ? "\n       " : "  ";
        usage += std::to_string(number) + ' ' + std::string(CVersion::Name(number));
    }
    usage +=
        "\nfaults: bad-checksum:N silent-after:N end-after:N no-answer no-echo noise\n"
        "        result:V model:HEX revision:N\n";
    return usage;
}

std::optional<SimOptions> ParseSimOptions(std::span<const std::string_view> args,
                                          std::string& error) {
    SimOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const auto value = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        const auto number = [&](unsigned highest, unsigned& out) {
            const std::optional<std::string_view> text = value();
            const std::optional<unsigned> parsed =
                text ? ParseNumber(*text, 10, highest) : std::nullopt;
            if (parsed) out = *parsed;
            return parsed.has_value();
        };
        bool ok = true;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            return options;
        }
        if (arg == "--pace") {
            options.pace = true;
        } else if (arg == "--once") {
            options.once = true;
        } else if (arg == "--country") {
            const std::optional<std::string_view> text = value();
            const std::optional<unsigned> country = text ? ParseCountry(*text) : std::nullopt;
            ok = country.has_value();
            if (ok) options.country = *country;
        } else if (arg == "--expand") {
            ok = number(63, options.expand);
        } else if (arg == "--block-size") {
            ok = number(kMaxBlockSize, options.blockSize) && options.blockSize > 0;
        } else if (arg == "--link" || arg == "--image" || arg == "--comment" ||
                   arg == "--written") {
            const std::optional<std::string_view> text = value();
            ok = text.has_value();
            if (ok) {
                std::string& target = arg == "--link"      ? options.link
                                      : arg == "--image"   ? options.image
                                      : arg == "--written" ? options.written
                                                           : options.comment;
                target = std::string(*text);
            }
        } else if (arg == "--fault") {
            const std::optional<std::string_view> text = value();
            const std::optional<SimFault> fault = text ? ParseFault(*text) : std::nullopt;
            ok = fault.has_value();
            if (ok) options.fault = *fault;
        } else {
            error = "unknown option " + std::string(arg);
            return std::nullopt;
        }
        if (!ok) {
            error = "missing or bad value for " + std::string(arg);
            return std::nullopt;
        }
    }
    if (options.link.empty()) {
        error = "--link PATH is required";
        return std::nullopt;
    }
    return options;
}

}  // namespace ql::sim

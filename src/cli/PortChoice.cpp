#include "cli/PortChoice.h"

#include <string_view>

#include "clone/PortDevices.h"

namespace ql::cli {

namespace {

// "COM1" to "COM4" (in any letter case) name a port number; other "COM" numbers are
// wrong, and anything else is a device path.
std::optional<unsigned> ComPortNumber(std::string_view text, bool& invalid) {
    invalid = false;
    if (text.size() < 4) return std::nullopt;
    const std::string_view prefix = text.substr(0, 3);
    const bool com =
        (prefix[0] | 0x20) == 'c' && (prefix[1] | 0x20) == 'o' && (prefix[2] | 0x20) == 'm';
    const std::string_view digits = text.substr(3);
    if (!com || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    if (digits.size() == 1 && digits[0] >= '1' && digits[0] <= '4') {
        return static_cast<unsigned>(digits[0] - '0');
    }
    invalid = true;
    return std::nullopt;
}

}  // namespace

std::string PortChoice::Device(const CSettingsStore& settings) const {
    return device.empty() ? ResolvePort(settings, number) : device;
}

std::optional<PortChoice> ChoosePort(const CSettingsStore& settings,
                                     const std::optional<std::string>& option, std::string& error) {
    PortChoice choice{StoredPortNumber(settings), {}};
    if (option) {
        bool invalid = false;
        if (const std::optional<unsigned> com = ComPortNumber(*option, invalid)) {
            choice.number = *com;
        } else if (invalid || option->empty()) {
            error = "PORT must be COM1 to COM4 or a device path, not \"" + *option + "\"";
            return std::nullopt;
        } else {
            choice.device = *option;
        }
    }
    return choice;
}

}  // namespace ql::cli

#include "ui/SettingTexts.h"

namespace ql::ui {

std::string DtmfMemoryCommand(int memory) {
    return "DTMF." + std::to_string(memory);
}

std::string DtmfMemoryName(int memory) {
    std::string name("D");
    if (memory >= 0 && memory < static_cast<int>(kMemoryDigits.size())) {
        name += kMemoryDigits[static_cast<std::size_t>(memory)];
    }
    return name;
}

int DtmfChannelIndex(std::string_view answer) {
    const std::size_t found = kMemoryDigits.find(answer);
    if (found == std::string_view::npos) return 0;
    const auto index = static_cast<int>(found);
    return index < kDtmfMemoryCount ? index : 0;
}

}  // namespace ql::ui

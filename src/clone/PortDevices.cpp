#include "clone/PortDevices.h"

#include <array>
#include <string_view>

#include "model/CSettingsStore.h"
#include "model/SettingsKeys.h"

namespace ql {

namespace {
constexpr std::array<std::string_view, kPortCount> kDefaultDevices{"/dev/ttyUSB0", "/dev/ttyUSB1",
                                                                   "/dev/ttyS0", "/dev/ttyS1"};
bool InRange(unsigned number) {
    return number >= 1 && number <= kPortCount;
}
}  // namespace

std::string DefaultPortDevice(unsigned number) {
    return std::string(kDefaultDevices[InRange(number) ? number - 1 : 0]);
}

std::string ResolvePort(const CSettingsStore& settings, unsigned number) {
    if (!InRange(number)) number = 1;
    return settings.GetString(settings::kCommPort, settings::DeviceKey(number),
                              DefaultPortDevice(number));
}

bool AnyDeviceStored(const CSettingsStore& settings) {
    for (unsigned number = 1; number <= kPortCount; ++number) {
        if (!settings.GetString(settings::kCommPort, settings::DeviceKey(number), "").empty()) {
            return true;
        }
    }
    return false;
}

unsigned StoredPortNumber(const CSettingsStore& settings) {
    const int number = settings.GetInt(settings::kCommPort, settings::kPortNumber, 1);
    return number >= 1 && static_cast<unsigned>(number) <= kPortCount
               ? static_cast<unsigned>(number)
               : 1U;
}

}  // namespace ql

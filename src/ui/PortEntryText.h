#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "clone/SerialDiscovery.h"

namespace ql::ui {

// What finds the serial devices: the system's by default, a fake tree's in tests.
using DeviceLister = std::function<std::vector<SerialDevice>()>;
[[nodiscard]] DeviceLister SystemDeviceLister();

// A port number with the device it opens, as the COM Port menu and the initial setup list
// it: "COM1  (ttyUSB0, FT232R USB UART)", or "COM2  (ttyUSB1, not present)" when no such
// device is plugged in.
[[nodiscard]] QString PortEntryText(unsigned number, const std::string& device,
                                    const std::vector<SerialDevice>& devices);

}  // namespace ql::ui

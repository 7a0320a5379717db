#pragma once

#include <vector>

#include "clone/SerialDiscovery.h"

namespace ql {

// The USB serial adapters that are plugged in but have no serial device: their interface was
// taken from the serial driver by a program through usbfs, or has no driver at all. brltty
// does this to adapters that share ids with braille displays, a moment after the device
// appeared. Each with its USB ids, strings and the interface's driver ("usbfs" or empty).
[[nodiscard]] std::vector<SerialDevice> FindUnboundAdapters(const SystemRoots& roots = {});

}  // namespace ql

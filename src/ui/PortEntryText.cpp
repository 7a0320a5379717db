#include "ui/PortEntryText.h"

#include <filesystem>

#include "desktop/QtText.h"
#include "ui/StringTable.h"

namespace ql::ui {

DeviceLister SystemDeviceLister() {
    return [] { return DiscoverSerialDevices(); };
}

QString PortEntryText(unsigned number, const std::string& device,
                      const std::vector<SerialDevice>& devices) {
    const QString port = QStringLiteral("COM%1").arg(number);
    if (device.empty()) return port;
    QString shown;
    if (const std::optional<SerialDevice> found = FindSerialDevice(devices, device)) {
        shown = ToQString(DescribeSerialDevice(*found));
    } else {
        shown = ToQString(std::filesystem::path(device).filename().string()) +
                QStringLiteral(", ") + Text(sid::kPortNotPresent);
    }
    return port + QStringLiteral("  (") + shown + QLatin1Char(')');
}

}  // namespace ql::ui

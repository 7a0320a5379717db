#include "clone/LinkDiagnosis.h"

#include <cerrno>

#include "clone/DeviceHolders.h"
#include "clone/GroupAccess.h"
#include "clone/OutsideText.h"
#include "clone/UnboundAdapters.h"

namespace ql {

namespace {

// The ms of an FTDI adapter's latency timer before anyone lowers it.
constexpr int kDefaultFtdiLatency = 16;

std::string Named(const std::string& device, const std::string& cause) {
    return PrintableText(device) + ": " + cause;
}

std::string VanishedCause(const std::string& device, const SerialDevice& adapter) {
    std::string what = "the USB serial adapter " + UsbIds(adapter);
    if (!adapter.product.empty()) what += " (" + adapter.product + ")";
    return Named(device,
                 what + " is plugged in, but its serial device vanished a moment after it " +
                     "appeared" + (adapter.driver == "usbfs" ? ", taken by a program" : "") +
                     ": brltty does this to such adapters; stop it with \"sudo systemctl mask "
                     "brltty-udev.service\" and \"sudo systemctl stop brltty-udev.service "
                     "brltty.service\" (or remove the brltty package), then plug the adapter in "
                     "again");
}

}  // namespace

std::string MissingDeviceCause(const std::string& device, const SystemRoots& roots) {
    const std::vector<SerialDevice> adapters = FindUnboundAdapters(roots);
    if (!adapters.empty()) return VanishedCause(device, adapters.front());
    const std::vector<SerialDevice> present = DiscoverSerialDevices(roots);
    if (present.empty()) {
        return Named(device,
                     "the device does not exist, and there is no serial device at all: is the "
                     "USB cable plugged into the computer?");
    }
    std::string list;
    for (const SerialDevice& found : present) {
        list += list.empty() ? "" : "; ";
        list += found.path.string();
        if (!found.product.empty()) list += " (" + found.product + ")";
    }
    return Named(device,
                 "the device does not exist; the serial devices here are " + PrintableText(list));
}

std::string PermissionCause(const std::string& device) {
    const std::optional<DeviceGroup> access = CheckDeviceGroup(device);
    if (!access) return {};
    switch (access->membership) {
        case GroupMembership::kNotListed:
            return Named(device, "only the group \"" + access->group + "\" may open it and " +
                                     access->user + " is not in it: \"sudo adduser " +
                                     access->user + " " + access->group +
                                     "\", then log out and in again");
        case GroupMembership::kNotInThisLogin:
            return Named(device, "only the group \"" + access->group + "\" may open it; " +
                                     access->user +
                                     " was added to it after this login began: log out and in "
                                     "again");
        case GroupMembership::kMember:
            break;
    }
    return Named(device, "access refused although " + access->user + " is in the group \"" +
                             access->group + "\" that owns it");
}

std::string BusyCause(const std::string& device, const SystemRoots& roots) {
    const HolderSearch search = FindDeviceHolders(device, roots.proc);
    if (!search.holders.empty()) {
        return Named(device,
                     "held by " + DescribeHolders(search.holders) + ": close that program first");
    }
    return Named(device,
                 "another program holds it, which cannot be seen from here; usually that is "
                 "ModemManager (\"sudo systemctl stop ModemManager\") or brltty (\"sudo systemctl "
                 "stop brltty\")");
}

std::string LatencyNote(const std::string& device, LowLatency lowLatency,
                        const SystemRoots& roots) {
    if (lowLatency == LowLatency::kGranted) return {};
    const std::optional<SerialDevice> found =
        FindSerialDevice(DiscoverSerialDevices(roots), device);
    if (!found || found->driver != "ftdi_sio" || found->latencyTimerMs != kDefaultFtdiLatency) {
        return {};
    }
    return Named(device,
                 "this FTDI adapter waits 16 ms before passing on what it received and refused "
                 "the request for low latency, so a write takes seconds longer; the udev rule "
                 "ACTION==\"add\", SUBSYSTEM==\"usb-serial\", DRIVER==\"ftdi_sio\", "
                 "ATTR{latency_timer}=\"1\" in /etc/udev/rules.d/99-ftdi-latency.rules sets it "
                 "to 1 ms");
}

std::vector<std::string> DiagnoseFailure(const LinkObservation& observed,
                                         const SystemRoots& roots) {
    std::vector<std::string> lines;
    const std::string& device = observed.device;
    const int openError = observed.port.openError;
    if (!observed.opened) {
        std::string cause;
        if (openError == ENOENT || openError == ENODEV || openError == ENXIO) {
            cause = MissingDeviceCause(device, roots);
        } else if (openError == EACCES || openError == EPERM) {
            cause = PermissionCause(device);
        } else if (openError == EBUSY || openError == EWOULDBLOCK) {
            cause = BusyCause(device, roots);
        }
        if (!cause.empty()) lines.push_back(std::move(cause));
        return lines;
    }
    const int ioError = observed.port.ioError;
    if (ioError == ENODEV || ioError == EIO || ioError == ENXIO) {
        const std::vector<SerialDevice> adapters = FindUnboundAdapters(roots);
        lines.push_back(adapters.empty()
                            ? Named(device,
                                    "the device went away during the exchange: was the "
                                    "cable pulled out?")
                            : VanishedCause(device, adapters.front()));
    } else if (observed.sent > 0 && observed.received == 0) {
        lines.push_back(Named(device,
                              "nothing came back: the cable is not connected to the computer or "
                              "to the transceiver, or the transceiver is off"));
    } else if (observed.echoOnly) {
        lines.push_back(Named(
            device,
            "only the echo of what was sent came back: the transceiver is not in cloning mode; "
            "to enter it, hold the microphone [UP] switch and the 4th switch above the left "
            "indicator on the controller while pushing [POWER]"));
    }
    if (std::string note = LatencyNote(device, observed.port.lowLatency, roots); !note.empty()) {
        lines.push_back(std::move(note));
    }
    return lines;
}

}  // namespace ql

#include "cli/PortCommands.h"

#include <sys/ioctl.h>
#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <optional>

#include "cli/ExitStatus.h"
#include "cli/PortChoice.h"
#include "clone/CComPort.h"
#include "clone/CloneResult.h"
#include "clone/DeviceHolders.h"
#include "clone/GroupAccess.h"
#include "clone/LinkDiagnosis.h"
#include "clone/OutsideText.h"

namespace ql::cli {

namespace {

std::string OrDash(const std::string& text) {
    return text.empty() ? "-" : PrintableText(text);
}

std::string ModemLineText(int bits) {
    struct Line {
        int bit;
        const char* name;
    };
    static constexpr std::array<Line, 6> kLines{{{TIOCM_DTR, "DTR"},
                                                 {TIOCM_RTS, "RTS"},
                                                 {TIOCM_CTS, "CTS"},
                                                 {TIOCM_DSR, "DSR"},
                                                 {TIOCM_CAR, "CD"},
                                                 {TIOCM_RI, "RI"}}};
    std::string text;
    for (const Line& line : kLines) {
        if (!text.empty()) text += ", ";
        text += std::string(line.name) + ((bits & line.bit) != 0 ? " on" : " off");
    }
    return text;
}

std::string MembershipText(const DeviceGroup& access) {
    switch (access.membership) {
        case GroupMembership::kMember:
            return access.user + " is in it";
        case GroupMembership::kNotInThisLogin:
            return access.user + " was added after this login began";
        case GroupMembership::kNotListed:
            break;
    }
    return access.user + " is not in it";
}

void PrintNode(const std::string& device, std::ostream& out) {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0) {
        out << "exists: no\n";
        return;
    }
    out << "exists: " << (S_ISCHR(info.st_mode) ? "yes, a character device" : "yes, but no device")
        << '\n';
    char mode[8];
    (void)std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
    if (const std::optional<DeviceGroup> access = CheckDeviceGroup(device)) {
        out << "group: " << access->group << " (mode " << mode << "), " << MembershipText(*access)
            << '\n';
    }
}

void PrintAdapter(const std::string& device, const SystemRoots& roots, std::ostream& out) {
    const std::optional<SerialDevice> found =
        FindSerialDevice(DiscoverSerialDevices(roots), device);
    if (!found) {
        out << "adapter: not among the serial devices of the system\n";
        return;
    }
    out << "adapter: " << DescribeSerialDevice(*found) << " (driver " << OrDash(found->driver)
        << ", " << UsbIds(*found) << ", by-id " << OrDash(found->byId.string()) << ")\n";
    if (found->latencyTimerMs) out << "latency timer: " << *found->latencyTimerMs << " ms\n";
}

}  // namespace

int RunPorts(const std::vector<std::string>& args, const SystemRoots& roots, std::ostream& out,
             std::ostream& err) {
    if (args.size() > 1) {
        err << "ql7400-cli: ports takes no arguments\n";
        return kUsageStatus;
    }
    const std::vector<SerialDevice> devices = DiscoverSerialDevices(roots);
    if (devices.empty()) err << "ql7400-cli: no serial device found\n";
    for (const SerialDevice& device : devices) {
        const HolderSearch search = FindDeviceHolders(device.path, roots.proc);
        out << PrintableText(device.path.string()) << '\t' << OrDash(device.byId.string()) << '\t'
            << OrDash(device.driver) << '\t' << UsbIds(device) << '\t' << OrDash(device.product)
            << '\t' << OrDash(DescribeHolders(search.holders)) << '\n';
    }
    return 0;
}

int RunDiagnose(const std::vector<std::string>& args, const CSettingsStore& settings,
                const SystemRoots& roots, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << "ql7400-cli: diagnose needs one PORT\n";
        return kUsageStatus;
    }
    std::string error;
    const std::optional<PortChoice> port = ChoosePort(settings, args[1], error);
    if (!port) {
        err << "ql7400-cli: " << error << '\n';
        return kUsageStatus;
    }
    const std::string device = port->Device(settings);
    out << "device: " << PrintableText(device) << '\n';
    PrintNode(device, out);
    PrintAdapter(device, roots, out);
    const HolderSearch search = FindDeviceHolders(device, roots.proc);
    out << "in use by: "
        << (search.holders.empty() ? (search.complete ? "no other program" : "none visible")
                                   : DescribeHolders(search.holders))
        << '\n';

    CComPort line;
    const bool opened = line.Open(device, 9600);
    LinkObservation observed{device, line.Observed(), opened, 0, 0, false};
    if (opened) {
        out << "open: yes, 9600 8-N-1, DTR low, RTS high\n";
        const LowLatency latency = observed.port.lowLatency;
        out << "low latency: "
            << (latency == LowLatency::kGranted   ? "granted"
                : latency == LowLatency::kRefused ? "refused"
                                                  : "not offered by the driver")
            << '\n';
        const std::optional<int> bits = line.ModemLines();
        out << "modem lines: " << (bits ? ModemLineText(*bits) : "none") << '\n';
        line.Close();
    } else {
        out << "open: no, " << PrintableText(line.LastFailure()) << '\n';
    }
    for (const std::string& cause : DiagnoseFailure(observed, roots)) {
        out << "cause: " << cause << '\n';
    }
    return opened ? 0 : ResultCode(CloneResult::kPortUnavailable);
}

}  // namespace ql::cli

#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "clone/SerialDiscovery.h"

namespace ql {
class CSettingsStore;
}

namespace ql::cli {

// ports: every serial device, one line each, tab-separated: path, by-id name, driver,
// VID:PID, product, holder ("-" for what is not known). Returns the exit status.
int RunPorts(const std::vector<std::string>& args, const SystemRoots& roots, std::ostream& out,
             std::ostream& err);

// diagnose PORT: what can be seen of the port without a clone request: whether it exists,
// its group and the user's place in it, who holds it, the adapter and its latency, whether
// it opens, its modem lines. 0 when it opened, else 91 (the port cannot be accessed).
int RunDiagnose(const std::vector<std::string>& args, const CSettingsStore& settings,
                const SystemRoots& roots, std::ostream& out, std::ostream& err);

}  // namespace ql::cli

#pragma once

#include <string>
#include <vector>

#include "clone/LinkObservation.h"
#include "clone/SerialDiscovery.h"

namespace ql {

// The likely cause of a failed exchange, from what the link observed and what the system
// shows of the device: one line for the user per finding, each naming the device. Empty
// when nothing points at a cause (the transceiver answered, but wrongly).
//
// Open failures: a missing device (and which serial devices there are, or the adapter that
// vanished again), a refused permission (the device's group and the user's place in it), a
// busy device (who holds it). After an open: nothing came back at all, or only the echo of
// the bytes sent. An FTDI adapter left at its default latency adds a note.
[[nodiscard]] std::vector<std::string> DiagnoseFailure(const LinkObservation& observed,
                                                       const SystemRoots& roots = {});

// The pieces, also for the diagnose command: each an empty string when it has nothing to say.
[[nodiscard]] std::string MissingDeviceCause(const std::string& device, const SystemRoots& roots);
[[nodiscard]] std::string PermissionCause(const std::string& device);
[[nodiscard]] std::string BusyCause(const std::string& device, const SystemRoots& roots);
[[nodiscard]] std::string LatencyNote(const std::string& device, LowLatency lowLatency,
                                      const SystemRoots& roots);

}  // namespace ql

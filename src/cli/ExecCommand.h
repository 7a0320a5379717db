#pragma once

#include "cli/ExitStatus.h"

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace ql {
class CCommandTrace;
class CSettingsStore;
}  // namespace ql

namespace ql::cli {

// Exit status of exec when a signal stopped it.
inline constexpr int kExecStopped = 1;

// exec [--load FILE] [--save FILE] [COMMAND ...]: runs command texts on a fresh data set
// (standard input's lines when no command is given). Returns the exit status: 0, 2 for a
// usage error, 3 when the load or the save fails or the answers could not all be written to
// out (the save is made all the same). When stopRequested answers true no further command
// runs, nothing is saved and 1 is returned. Every command and its answer also go to trace
// when one is given.
int RunExec(const std::vector<std::string>& args, CSettingsStore& settings, std::istream& in,
            std::ostream& out, std::ostream& err, const std::function<bool()>& stopRequested = {},
            CCommandTrace* trace = nullptr);

}  // namespace ql::cli

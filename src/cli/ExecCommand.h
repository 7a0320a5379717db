#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace ql {
class CSettingsStore;
}

namespace ql::cli {

// Exit statuses of exec.
inline constexpr int kExecUsageError = 2;
inline constexpr int kExecFileError = 3;
inline constexpr int kExecStopped = 1;

// exec [--load FILE] [--save FILE] [COMMAND ...]: runs command texts on a fresh data set
// (standard input's lines when no command is given). Returns the exit status: 0, 2 for a
// usage error, 3 when the load or the save fails or the answers could not all be written to
// out (the save is made all the same). When stopRequested answers true no further command
// runs, nothing is saved and 1 is returned.
int RunExec(const std::vector<std::string>& args, CSettingsStore& settings, std::istream& in,
            std::ostream& out, std::ostream& err, const std::function<bool()>& stopRequested = {});

}  // namespace ql::cli

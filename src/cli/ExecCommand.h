#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace ql {
class CCommandTrace;
class CSettingsStore;
}  // namespace ql

namespace ql::cli {

// exec [--load FILE] [--save FILE] [COMMAND ...]: runs command texts on a fresh data set
// (standard input's lines when no command is given). Returns the exit status: 0, 2 for a
// usage error, 3 when the load or the save fails. Every command and its answer also go to
// trace when one is given.
int RunExec(const std::vector<std::string>& args, CSettingsStore& settings, std::istream& in,
            std::ostream& out, std::ostream& err, CCommandTrace* trace = nullptr);

}  // namespace ql::cli

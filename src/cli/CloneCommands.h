#pragma once

#include <string>
#include <vector>

namespace ql::cli {

// setup, info, read and write: args[0] is the subcommand, the rest its arguments.
// Returns the exit status.
int RunCloneCommand(const std::vector<std::string>& args);

}  // namespace ql::cli

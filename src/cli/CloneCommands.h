#pragma once

#include <string>
#include <vector>

namespace ql::cli {

class CInterruptWatch;

// setup, info, read and write: args[0] is the subcommand, the rest its arguments. An ending
// signal seen by interrupts cancels a read or a write. Returns the exit status.
int RunCloneCommand(const std::vector<std::string>& args, CInterruptWatch* interrupts);

}  // namespace ql::cli

#include "cli/CloneCommands.h"

#include <iostream>

namespace ql::cli {

int RunCloneCommand(const std::vector<std::string>& args) {
    std::cerr << "ql7400-cli: " << args.at(0) << " is not available yet\n";
    return 2;
}

}  // namespace ql::cli

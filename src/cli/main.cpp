// ql7400-cli: the RZ-7400 data set and clone link from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "app/CQtSettingsStore.h"
#include "cli/CloneCommands.h"
#include "cli/CommandTraceSetup.h"
#include "cli/ExecCommand.h"
#include "cli/ExitStatus.h"

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: ql7400-cli exec [--load FILE] [--save FILE] [COMMAND ...]\n"
           "       ql7400-cli setup [--port PORT] [--call-sign TEXT]\n"
           "       ql7400-cli info  [--port PORT]\n"
           "       ql7400-cli read  [--port PORT] OUT.icf\n"
           "       ql7400-cli write [--port PORT] IN.icf\n"
           "PORT is COM1 to COM4 or a device path.\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage(std::cerr);
        return ql::cli::kUsageStatus;
    }
    const std::string& command = args.front();
    if (command == "--help" || command == "-h" || command == "help") {
        PrintUsage(std::cout);
        return 0;
    }
    if (command == "exec") {
        ql::CQtSettingsStore settings;
        ql::CCommandTrace trace = ql::cli::OpenTraceFromEnvironment(std::cerr);
        return ql::cli::RunExec(args, settings, std::cin, std::cout, std::cerr, &trace);
    }
    if (command == "setup" || command == "info" || command == "read" || command == "write") {
        return ql::cli::RunCloneCommand(args);
    }
    std::cerr << "ql7400-cli: unknown command " << command << "\n";
    PrintUsage(std::cerr);
    return ql::cli::kUsageStatus;
}

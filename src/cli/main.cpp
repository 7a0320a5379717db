// ql7400-cli: the RZ-7400 data set and clone link from the command line.
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "base/SystemError.h"
#include "cli/CInterruptWatch.h"
#include "cli/CInterruptibleInput.h"
#include "cli/ChannelFileCommands.h"
#include "cli/CloneCommands.h"
#include "cli/ExecCommand.h"
#include "cli/ExitStatus.h"
#include "cli/PortCommands.h"
#include "desktop/CQtSettingsStore.h"
#include "desktop/CommandTraceSetup.h"

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: ql7400-cli exec [--load FILE] [--save FILE] [COMMAND ...]\n"
           "       ql7400-cli setup [--port PORT] [--call-sign TEXT]\n"
           "       ql7400-cli info  [--port PORT]\n"
           "       ql7400-cli export [--load FILE] [--band 144|430|both] [--format csv|tsv] [OUT]\n"
           "       ql7400-cli import [--load FILE] --save FILE [--band 144|430|both] [--dry-run] "
           "CSV\n"
           "       ql7400-cli read  [--port PORT] [--no-backup] OUT.icf\n"
           "       ql7400-cli write [--port PORT] IN.icf\n"
           "       ql7400-cli ports\n"
           "       ql7400-cli diagnose PORT\n"
           "PORT is COM1 to COM4 or a device path. export and import use the channel-list\n"
           "layout of spreadsheets and repeater directories; import prints each refused row as\n"
           "\"line N: column: value: reason\" and then exits with 3. read keeps a backup of\n"
           "what it read in $XDG_DATA_HOME/ql7400/backups (~/.local/share/ql7400/backups).\n";
}

int RunExecCommand(const std::vector<std::string>& args, ql::cli::CInterruptWatch& watch) {
    ql::CQtSettingsStore settings;
    ql::cli::CInterruptibleInput input(STDIN_FILENO, watch);
    std::istream in(&input);
    ql::CCommandTrace trace = ql::OpenTraceFromEnvironment(std::cerr, "ql7400-cli");
    return ql::cli::RunExec(
        args, settings, in, std::cout, std::cerr, [&watch] { return watch.Interrupted(); }, &trace);
}

// Output that never arrived is a failure, not a success: the status says so.
int CheckStandardOutput(int status) {
    std::cout.flush();
    if (std::cout) return status;
    const int cause = errno;
    std::cerr << "ql7400-cli: standard output could not be written: " << ql::DescribeErrno(cause)
              << '\n';
    return status == 0 ? ql::cli::kFileStatus : status;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // A closed pipe on standard output is a write error to report, not a silent death.
    (void)std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage(std::cerr);
        return ql::cli::kUsageStatus;
    }
    const std::string& command = args.front();
    if (command == "--help" || command == "-h" || command == "help") {
        PrintUsage(std::cout);
        return CheckStandardOutput(0);
    }
    if (command == "ports") {
        return CheckStandardOutput(ql::cli::RunPorts(args, {}, std::cout, std::cerr));
    }
    if (command == "diagnose") {
        const ql::CQtSettingsStore settings;
        return CheckStandardOutput(ql::cli::RunDiagnose(args, settings, {}, std::cout, std::cerr));
    }
    if (command == "export" || command == "import") {
        ql::CQtSettingsStore settings;
        const int status = command == "export"
                               ? ql::cli::RunExport(args, settings, std::cout, std::cerr)
                               : ql::cli::RunImport(args, settings, std::cout, std::cerr);
        return CheckStandardOutput(status);
    }
    const bool cloneOperation = command == "info" || command == "read" || command == "write";
    if (command != "exec" && command != "setup" && !cloneOperation) {
        std::cerr << "ql7400-cli: unknown command " << command << "\n";
        PrintUsage(std::cerr);
        return ql::cli::kUsageStatus;
    }
    // The commands that keep temporary files hold the ending signals back until they have
    // unwound; made first, before any thread starts.
    std::optional<ql::cli::CInterruptWatch> watch;
    if (command == "exec" || cloneOperation) watch.emplace();
    int status = 0;
    if (command == "exec") {
        status = RunExecCommand(args, *watch);
    } else {
        status = ql::cli::RunCloneCommand(args, watch ? &*watch : nullptr);
    }
    status = CheckStandardOutput(status);
    const int caught = watch ? watch->Caught() : 0;
    watch.reset();
    // Ctrl-C in a read or a write is the cancel command, whose result is the status; every
    // other ending signal ends the program as that signal does, now that it has cleaned up.
    const bool cancel = caught == SIGINT && (command == "read" || command == "write");
    if (caught != 0 && !cancel) ql::cli::Reraise(caught);
    return status;
}

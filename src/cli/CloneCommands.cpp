#include "cli/CloneCommands.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string_view>

#include "cli/CInterruptWatch.h"
#include "cli/CTerminalCloneUi.h"
#include "cli/ExitStatus.h"
#include "cli/PortChoice.h"
#include "clone/CCloneLink.h"
#include "clone/CComPort.h"
#include "clone/CTonePlayer.h"
#include "clone/PortDevices.h"
#include "desktop/CAlsaTonePlayer.h"
#include "desktop/CQtSettingsStore.h"
#include "desktop/CommandTraceSetup.h"
#include "document/CCloneOperations.h"
#include "document/CCloneStation.h"
#include "document/CInitialSetup.h"
#include "document/DataFileDocument.h"
#include "document/ReadBackup.h"
#include "model/C7400RadioData.h"
#include "model/SettingsKeys.h"

namespace ql::cli {

namespace {

struct CloneArgs {
    std::string command;
    std::optional<std::string> port;
    std::optional<std::string> callSign;
    std::string file;
    bool backup = true;  // read: keep a backup of what was read
};

std::optional<CloneArgs> ParseArgs(const std::vector<std::string>& args, std::string& error) {
    CloneArgs parsed;
    parsed.command = args.at(0);
    const bool wantsFile = parsed.command == "read" || parsed.command == "write";
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if ((arg == "--port" || (arg == "--call-sign" && parsed.command == "setup"))) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return std::nullopt;
            }
            (arg == "--port" ? parsed.port : parsed.callSign) = args[++i];
        } else if (arg == "--no-backup" && parsed.command == "read") {
            parsed.backup = false;
        } else if (wantsFile && parsed.file.empty() && !arg.starts_with("--")) {
            parsed.file = arg;
        } else {
            error = "unexpected argument " + arg;
            return std::nullopt;
        }
    }
    if (wantsFile && parsed.file.empty()) {
        error = parsed.command + " needs a data file";
        return std::nullopt;
    }
    return parsed;
}

void PrintOutcome(CloneResult result, std::string_view what, const CTerminalCloneUi& ui,
                  const CCloneLink& link, bool terminal) {
    if (result == CloneResult::kCompleted) {
        if (!ui.Information().empty()) std::cout << ui.Information();
        if (!ui.Status().empty()) std::cout << TerminalText(ui.Status());
        for (const CTerminalCloneUi::Message& message : ui.Messages()) {
            if (!message.warning && terminal) std::cerr << TerminalText(message.text);
        }
        std::cout << std::flush;
        return;
    }
    if (result == CloneResult::kPortUnavailable && !link.LineFailure().empty()) {
        std::cerr << "ql7400-cli: " << link.LineFailure() << '\n';
    } else {
        std::cerr << "ql7400-cli: " << what << " on " << link.Device() << " ended with result "
                  << result << '\n';
    }
    if (!ui.Status().empty()) std::cerr << TerminalText(ui.Status());
    for (const CTerminalCloneUi::Message& message : ui.Messages()) {
        std::cerr << TerminalText(message.text);
    }
    for (const std::string& cause : ui.Causes()) std::cerr << "ql7400-cli: " << cause << '\n';
}

int RunSetup(const CloneArgs& args, CSettingsStore& settings, CCloneLink& link,
             CTerminalCloneUi& ui, bool terminal) {
    CInitialSetup setup(link, settings, ui);
    std::string error;
    const std::optional<PortChoice> port = ChoosePort(settings, args.port, error);
    if (!port) {
        std::cerr << "ql7400-cli: " << error << '\n';
        return kUsageStatus;
    }
    const SetupOutcome outcome =
        setup.Ok({port->number, args.callSign.value_or(setup.StoredCallSign()), port->device});
    PrintOutcome(outcome.result, "the initial setup", ui, link, terminal);
    if (!outcome.storeFailure.empty()) {
        std::cerr << "ql7400-cli: the settings could not be stored: " << outcome.storeFailure
                  << '\n';
        if (outcome.result == CloneResult::kCompleted) return kFileStatus;
    }
    return ResultCode(outcome.result);
}

// The document keeps the port it used. Written only when it changed, so that settings that
// cannot be written do not spoil an operation that changed none.
void KeepPortNumber(CSettingsStore& settings, unsigned number) {
    if (StoredPortNumber(settings) == number) return;
    settings.SetInt(settings::kCommPort, settings::kPortNumber, static_cast<int>(number));
    if (std::string error; !settings.Flush(error)) {
        std::cerr << "ql7400-cli: the port number could not be stored: " << error << '\n';
    }
}

int RunCloneOperation(const CloneArgs& args, CSettingsStore& settings, CCloneStation& station,
                      CTerminalCloneUi& ui, bool terminal) {
    CCloneLink& link = station.Link();
    std::string error;
    const std::optional<PortChoice> port = ChoosePort(settings, args.port, error);
    if (!port) {
        std::cerr << "ql7400-cli: " << error << '\n';
        return kUsageStatus;
    }
    link.SetDevice(port->Device(settings));
    CCommandTrace trace = OpenTraceFromEnvironment(std::cerr, "ql7400-cli");
    C7400RadioData radio(settings);
    radio.Reset();
    TraceCommands(radio, trace);
    if (station.File().Path().empty()) {
        std::cerr << "ql7400-cli: " << station.File().Failure() << '\n';
        return kFileStatus;
    }
    CCloneOperations operations = station.Operations(radio, ui);
    CloneResult result = CloneResult::kCompleted;
    std::string_view what;
    if (args.command == "info") {
        what = "Clone info.";
        result = operations.CloneInformation();
    } else if (args.command == "read") {
        what = "Clone in";
        result = operations.CloneIn(false).value_or(CloneResult::kCancelled);
        if (result == CloneResult::kCompleted) {
            // Made before the data file, which may fail; a failed backup fails no read.
            if (args.backup) {
                const ReadBackupResult backup =
                    BackUpRead(radio, DataHomesOfEnvironment(), std::chrono::system_clock::now());
                if (!backup.ok)
                    std::cerr << "ql7400-cli: no backup was made: " << backup.message << '\n';
            }
            const DataFileResult saved = SaveDataFile(radio, args.file);
            if (!saved.ok) {
                std::cerr << "ql7400-cli: " << saved.message << '\n';
                return kFileStatus;
            }
        }
    } else {
        what = "Clone out";
        const DataFileResult opened = OpenDataFile(radio, args.file);
        if (!opened.ok) {
            std::cerr << "ql7400-cli: " << opened.message << '\n';
            return kFileStatus;
        }
        result = operations.CloneOut().value_or(CloneResult::kCancelled);
    }
    KeepPortNumber(settings, port->number);
    PrintOutcome(result, what, ui, link, terminal);
    return ResultCode(result);
}

}  // namespace

int RunCloneCommand(const std::vector<std::string>& args, CInterruptWatch* interrupts) {
    std::string error;
    const std::optional<CloneArgs> parsed = ParseArgs(args, error);
    if (!parsed) {
        std::cerr << "ql7400-cli: " << error << '\n';
        return kUsageStatus;
    }
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    CQtSettingsStore settings;
    // The result tones sound for someone at a terminal, not for a script or a pipe.
    CAlsaTonePlayer alsaTones;
    CSilentTones silentTones;
    CTonePlayer& tones = terminal ? static_cast<CTonePlayer&>(alsaTones) : silentTones;
    CCloneStation station(std::make_unique<CComPort>(), tones);
    CTerminalCloneUi ui(std::cerr, terminal, interrupts);
    if (parsed->command == "setup")
        return RunSetup(*parsed, settings, station.Link(), ui, terminal);
    return RunCloneOperation(*parsed, settings, station, ui, terminal);
}

}  // namespace ql::cli

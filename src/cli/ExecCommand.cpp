#include "cli/ExecCommand.h"

#include <optional>

#include "base/LineReader.h"
#include "cli/CommandTraceSetup.h"
#include "cli/ExitStatus.h"
#include "document/DataFileDocument.h"
#include "model/C7400RadioData.h"

namespace ql::cli {

namespace {

// Command lines from standard input are short; anything longer is no command.
constexpr std::size_t kMaxCommandLength = 1 << 20;

struct ExecOptions {
    std::optional<std::string> load;
    std::optional<std::string> save;
    std::vector<std::string> commands;
};

std::optional<ExecOptions> ParseOptions(const std::vector<std::string>& args, std::ostream& err) {
    ExecOptions options;
    bool optionsDone = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsDone && (arg == "--load" || arg == "--save")) {
            if (i + 1 >= args.size()) {
                err << "ql7400-cli exec: " << arg << " needs a file name\n";
                return std::nullopt;
            }
            (arg == "--load" ? options.load : options.save) = args[++i];
        } else if (!optionsDone && arg == "--") {
            optionsDone = true;
        } else if (!optionsDone && arg.starts_with("--")) {
            err << "ql7400-cli exec: unknown option " << arg << "\n";
            return std::nullopt;
        } else {
            options.commands.push_back(arg);
        }
    }
    return options;
}

}  // namespace

int RunExec(const std::vector<std::string>& args, CSettingsStore& settings, std::istream& in,
            std::ostream& out, std::ostream& err, CCommandTrace* trace) {
    const auto options = ParseOptions(args, err);
    if (!options) {
        err << "usage: ql7400-cli exec [--load FILE] [--save FILE] [COMMAND ...]\n";
        return kUsageStatus;
    }
    C7400RadioData radio(settings);
    radio.Reset();
    if (trace != nullptr) TraceCommands(radio, *trace);
    if (options->load) {
        const DataFileResult loaded = OpenDataFile(radio, *options->load);
        if (!loaded.ok) {
            err << "ql7400-cli: cannot open " << loaded.message << "\n";
            return kFileStatus;
        }
    }
    if (!options->commands.empty()) {
        for (const std::string& command : options->commands) out << radio.Command(command) << '\n';
    } else {
        std::string line;
        for (;;) {
            const LineStatus status = ReadBoundedLine(in, line, kMaxCommandLength);
            if (status == LineStatus::End) break;
            if (status == LineStatus::TooLong) {
                err << "ql7400-cli exec: a command line on standard input is longer than "
                    << kMaxCommandLength << " characters\n";
                return kUsageStatus;
            }
            out << radio.Command(line) << '\n';
        }
    }
    out.flush();
    if (options->save) {
        const DataFileResult saved = SaveDataFile(radio, *options->save);
        if (!saved.ok) {
            err << "ql7400-cli: cannot save " << saved.message << "\n";
            return kFileStatus;
        }
    }
    return 0;
}

}  // namespace ql::cli

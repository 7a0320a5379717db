#include "cli/ExecCommand.h"

#include <cerrno>
#include <optional>

#include "base/LineReader.h"
#include "base/SystemError.h"
#include "cli/ExitStatus.h"
#include "desktop/CommandTraceSetup.h"
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

// The answers go out one line each. The first failure to write them is remembered with its
// cause; the stream refuses every later line by itself.
class AnswerWriter {
  public:
    explicit AnswerWriter(std::ostream& out) : out_(out) {}
    void Line(const std::string& answer) {
        out_ << answer << '\n';
        Check();
    }
    void Finish() {
        out_.flush();
        Check();
    }
    [[nodiscard]] bool Failed() const { return failed_; }
    [[nodiscard]] int Cause() const { return cause_; }

  private:
    void Check() {
        if (out_ || failed_) return;
        failed_ = true;
        cause_ = errno;
    }

    std::ostream& out_;
    bool failed_ = false;
    int cause_ = 0;
};

}  // namespace

int RunExec(const std::vector<std::string>& args, CSettingsStore& settings, std::istream& in,
            std::ostream& out, std::ostream& err, const std::function<bool()>& stopRequested,
            CCommandTrace* trace) {
    const auto stopped = [&] { return stopRequested && stopRequested(); };
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
    AnswerWriter answers(out);
    if (!options->commands.empty()) {
        for (const std::string& command : options->commands) {
            if (stopped()) break;
            answers.Line(radio.Command(command));
        }
    } else {
        std::string line;
        while (!stopped()) {
            const LineStatus status = ReadBoundedLine(in, line, kMaxCommandLength);
            if (status == LineStatus::End || stopped()) break;
            if (status == LineStatus::Error) {
                // A directory or a device that fails: the commands cannot be read.
                out.flush();
                err << "ql7400-cli exec: standard input cannot be read (CANNOT_OPEN_FILE)\n";
                return kFileStatus;
            }
            if (status == LineStatus::TooLong) {
                err << "ql7400-cli exec: a command line on standard input is longer than "
                    << kMaxCommandLength << " characters\n";
                return kUsageStatus;
            }
            answers.Line(radio.Command(line));
        }
    }
    answers.Finish();
    if (stopped()) return kExecStopped;
    // Answers that could not be shown do not cost the user the data set asked for.
    if (options->save) {
        const DataFileResult saved = SaveDataFile(radio, *options->save);
        if (!saved.ok) {
            err << "ql7400-cli: cannot save " << saved.message << "\n";
            return kFileStatus;
        }
    }
    if (answers.Failed()) {
        err << "ql7400-cli: the answers could not be written to standard output: "
            << DescribeErrno(answers.Cause()) << "\n";
        return kFileStatus;
    }
    return 0;
}

}  // namespace ql::cli

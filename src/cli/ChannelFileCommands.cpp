#include "cli/ChannelFileCommands.h"

#include <optional>
#include <string_view>

#include "base/FileWriting.h"
#include "cli/ExitStatus.h"
#include "document/ChannelExport.h"
#include "document/ChannelFile.h"
#include "document/ChannelImport.h"
#include "document/DataFileDocument.h"
#include "model/C7400RadioData.h"

namespace ql::cli {

namespace {

struct ChannelFileOptions {
    std::optional<std::string> load;
    std::optional<std::string> save;
    BandChoice bands = BandChoice::kBoth;
    TextFormat format = TextFormat::kCsv;
    bool dryRun = false;
    std::optional<std::string> file;  // OUT of export, CSV of import
};

std::optional<BandChoice> BandsOf(std::string_view word) {
    if (word == "144") return BandChoice::kVhf;
    if (word == "430") return BandChoice::kUhf;
    if (word == "both") return BandChoice::kBoth;
    return std::nullopt;
}

std::optional<ChannelFileOptions> ParseOptions(const std::vector<std::string>& args,
                                               std::ostream& err) {
    const std::string& command = args.at(0);
    const bool isImport = command == "import";
    ChannelFileOptions options;
    const auto usage = [&](const std::string& what) {
        err << "ql7400-cli " << command << ": " << what << "\n";
        return std::nullopt;
    };
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue =
            arg == "--load" || arg == "--band" || (isImport ? arg == "--save" : arg == "--format");
        if (takesValue) {
            if (i + 1 >= args.size()) return usage(arg + " needs a value");
            const std::string& value = args[++i];
            if (arg == "--load") {
                options.load = value;
            } else if (arg == "--save") {
                options.save = value;
            } else if (arg == "--band") {
                const auto bands = BandsOf(value);
                if (!bands) return usage("--band takes 144, 430 or both, not " + value);
                options.bands = *bands;
            } else if (value == "csv" || value == "tsv") {
                options.format = value == "csv" ? TextFormat::kCsv : TextFormat::kTsv;
            } else {
                return usage("--format takes csv or tsv, not " + value);
            }
        } else if (isImport && arg == "--dry-run") {
            options.dryRun = true;
        } else if (!options.file && !arg.starts_with("--")) {
            options.file = arg;
        } else {
            return usage("unexpected argument " + arg);
        }
    }
    if (isImport && !options.file) return usage("needs the CSV file to import");
    if (isImport && !options.save && !options.dryRun)
        return usage("needs --save FILE or --dry-run");
    return options;
}

bool LoadInto(C7400RadioData& radio, const std::optional<std::string>& load, std::ostream& err) {
    if (!load) return true;
    const DataFileResult loaded = OpenDataFile(radio, *load);
    if (!loaded.ok) err << "ql7400-cli: cannot open " << loaded.message << "\n";
    return loaded.ok;
}

}  // namespace

int RunExport(const std::vector<std::string>& args, CSettingsStore& settings, std::ostream& out,
              std::ostream& err) {
    const auto options = ParseOptions(args, err);
    if (!options) {
        err << "usage: ql7400-cli export [--load FILE] [--band 144|430|both] [--format csv|tsv] "
               "[OUT]\n";
        return kUsageStatus;
    }
    C7400RadioData radio(settings);
    radio.Reset();
    if (!LoadInto(radio, options->load, err)) return kFileStatus;
    const std::string text =
        ExportBands([&radio](std::string_view command) { return radio.Command(command); },
                    options->bands, options->format);
    if (!options->file) {
        out << text;
        return 0;
    }
    if (const FileSaveResult saved = SaveFile(*options->file, text, Durability::Flushed);
        !saved.Ok()) {
        err << "ql7400-cli: cannot save " << *options->file << ": " << saved.Cause() << "\n";
        return kFileStatus;
    }
    return 0;
}

int RunImport(const std::vector<std::string>& args, CSettingsStore& settings, std::ostream& out,
              std::ostream& err) {
    const auto options = ParseOptions(args, err);
    if (!options) {
        err << "usage: ql7400-cli import [--load FILE] --save FILE [--band 144|430|both] "
               "[--dry-run] CSV\n";
        return kUsageStatus;
    }
    C7400RadioData radio(settings);
    radio.Reset();
    if (!LoadInto(radio, options->load, err)) return kFileStatus;
    std::string error;
    const std::optional<std::string> text = ReadChannelFile(*options->file, error);
    if (!text) {
        err << "ql7400-cli: cannot import " << error << "; nothing was imported\n";
        return kFileStatus;
    }
    ChannelImportOptions importOptions;
    importOptions.bands = options->bands;
    const ChannelImportPlan plan = PlanChannelImport(
        *text, [&radio](std::string_view command) { return radio.Command(command); },
        importOptions);
    if (!plan.Ok()) {
        err << "ql7400-cli: cannot import " << *options->file << ": " << plan.error
            << "; nothing was imported\n";
        return kFileStatus;
    }
    for (const RefusedRow& row : plan.refused) err << row.Text() << "\n";
    const std::size_t count = plan.channels.size();
    out << count << (count == 1 ? " channel" : " channels")
        << (options->dryRun ? " would be imported" : " imported");
    if (!plan.refused.empty()) out << ", " << plan.refused.size() << " rows refused";
    out << "\n";
    if (options->dryRun) return plan.refused.empty() ? 0 : kFileStatus;
    for (const std::string& command : plan.commands) radio.Command(command);
    // Without --dry-run the options hold a file to save to.
    const DataFileResult saved = SaveDataFile(radio, *options->save);
    if (!saved.ok) {
        err << "ql7400-cli: cannot save " << saved.message << "\n";
        return kFileStatus;
    }
    return plan.refused.empty() ? 0 : kFileStatus;
}

}  // namespace ql::cli

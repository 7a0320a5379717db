#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ql {
class CSettingsStore;
}  // namespace ql

namespace ql::cli {

// export [--load FILE] [--band 144|430|both] [--format csv|tsv] [OUT]: the memory channels in
// use of a fresh data set (or of FILE) in the channel layout, to OUT (replaced as a data file
// is saved) or to out. Returns 0, 2 for a usage error, 3 when FILE cannot be opened or the
// channels cannot be written.
int RunExport(const std::vector<std::string>& args, CSettingsStore& settings, std::ostream& out,
              std::ostream& err);

// import [--load FILE] --save FILE [--band 144|430|both] [--dry-run] CSV: the rows of CSV into
// a fresh data set (or FILE), saved to the --save file. Each refused row goes to err as
// "line N: column: value: reason"; the rest are imported and saved all the same, unless
// --dry-run, which saves nothing (and needs no --save). out gets one line saying how many
// channels were imported. Returns 0; 2 for a usage error; 3 when a row was refused, CSV is
// no channel list (nothing is then imported), or a data file cannot be opened or saved.
int RunImport(const std::vector<std::string>& args, CSettingsStore& settings, std::ostream& out,
              std::ostream& err);

}  // namespace ql::cli

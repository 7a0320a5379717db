#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ql {

class CRadioData;

// Every successful Clone in leaves a copy of what was read as a data file in the user's backup
// folder, so that an image of the radio survives whatever is done to the data set afterwards.

// The backup folder: "ql7400/backups" under $XDG_DATA_HOME when that is an absolute path, else
// under $HOME/.local/share; nullopt when neither gives one. The environment's values are the
// caller's to read and pass in.
[[nodiscard]] std::optional<std::filesystem::path> BackupFolder(std::string_view xdgDataHome,
                                                                std::string_view home);

// The name of a backup taken at when of a radio of version (the version's name, such as
// "EUR-B"): "rz7400-20250131-142305Z-EUR-B.icf", the time in UTC so that names sort by time
// whatever the time zone, with only letters, digits, "-" and "." in it.
[[nodiscard]] std::string BackupFileName(std::chrono::system_clock::time_point when,
                                         std::string_view version);
// The time a backup's name gives; nullopt for a name that is no backup's.
[[nodiscard]] std::optional<std::chrono::system_clock::time_point> BackupTime(
    std::string_view fileName);

// Which backups pruning keeps: the newest keepNewest always, the rest while younger than maxAge.
struct BackupPolicy {
    std::size_t keepNewest = 20;
    std::chrono::system_clock::duration maxAge = std::chrono::years(1);
};

struct ReadBackupResult {
    bool ok = false;
    std::filesystem::path file;  // the backup written
    std::string message;         // when not ok: one line naming the folder or file and the cause
    std::vector<std::filesystem::path> pruned;  // the old backups removed
};

// Writes the data set of radio (as a data file, replaced atomically and flushed) into folder,
// which is made when missing, as a backup taken at now, named after the version of the radio's
// identity; never replaces an earlier backup. Then prunes the folder's backups by policy.
// Leaves the data set and its modified state as they were.
[[nodiscard]] ReadBackupResult WriteReadBackup(CRadioData& radio,
                                               const std::filesystem::path& folder,
                                               std::chrono::system_clock::time_point now,
                                               const BackupPolicy& policy = {});

// Removes the backups of folder that policy does not keep (files whose names are no backup's
// are never touched). Returns the files removed.
std::vector<std::filesystem::path> PruneBackups(const std::filesystem::path& folder,
                                                std::chrono::system_clock::time_point now,
                                                const BackupPolicy& policy = {});

// The environment's values that place the backup folder ("" when unset).
struct DataHomes {
    std::string xdgDataHome;
    std::string home;
};
// $XDG_DATA_HOME and $HOME of this process.
[[nodiscard]] DataHomes DataHomesOfEnvironment();

// What the window and the command-line tool call after a successful Clone in: the folder from
// the environment's values, the backup written and the folder pruned. A failure is only
// reported in the result; the read stands.
[[nodiscard]] ReadBackupResult BackUpRead(CRadioData& radio, const DataHomes& homes,
                                          std::chrono::system_clock::time_point now);

}  // namespace ql

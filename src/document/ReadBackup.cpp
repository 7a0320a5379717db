#include "document/ReadBackup.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "base/FileWriting.h"
#include "base/SystemError.h"
#include "model/CRadioData.h"
#include "model/CVersion.h"

namespace ql {

namespace {

namespace fs = std::filesystem;
using std::chrono::system_clock;

constexpr std::string_view kPrefix = "rz7400-";
constexpr std::string_view kExtension = ".icf";
// "20250131-142305Z"
constexpr std::size_t kStampLength = 16;
// Backups taken within the same second get "-2", "-3"... after the version.
constexpr int kMaxSameSecond = 100;

void AppendDigits(std::string& out, long long value, int width) {
    std::string digits = std::to_string(value);
    if (digits.size() < static_cast<std::size_t>(width))
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    out += digits;
}

std::optional<int> Digits(std::string_view text, std::size_t pos, std::size_t count) {
    int value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// The version's name as a file name takes it: letters, digits and "-".
std::string SafeVersion(std::string_view version) {
    std::string safe;
    for (const char c : version) {
        const bool keep =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        safe.push_back(keep ? c : '-');
    }
    return safe.empty() ? std::string("unknown") : safe;
}

std::string Describe(const fs::path& path, std::string_view cause) {
    return path.string() + ": " + std::string(cause);
}

}  // namespace

std::optional<fs::path> BackupFolder(std::string_view xdgDataHome, std::string_view home) {
    fs::path base;
    if (!xdgDataHome.empty() && xdgDataHome.front() == '/') {
        base = fs::path(xdgDataHome);
    } else if (!home.empty() && home.front() == '/') {
        base = fs::path(home) / ".local" / "share";
    } else {
        return std::nullopt;
    }
    return base / "ql7400" / "backups";
}

std::string BackupFileName(system_clock::time_point when, std::string_view version) {
    const auto day = std::chrono::floor<std::chrono::days>(when);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss time{std::chrono::floor<std::chrono::seconds>(when - day)};
    std::string name(kPrefix);
    AppendDigits(name, static_cast<int>(date.year()), 4);
    AppendDigits(name, static_cast<unsigned>(date.month()), 2);
    AppendDigits(name, static_cast<unsigned>(date.day()), 2);
    name.push_back('-');
    AppendDigits(name, time.hours().count(), 2);
    AppendDigits(name, time.minutes().count(), 2);
    AppendDigits(name, time.seconds().count(), 2);
    name += "Z-";
    name += SafeVersion(version);
    name += kExtension;
    return name;
}

std::optional<system_clock::time_point> BackupTime(std::string_view fileName) {
    if (!fileName.starts_with(kPrefix) || !fileName.ends_with(kExtension)) return std::nullopt;
    const std::string_view stamp = fileName.substr(kPrefix.size());
    if (stamp.size() < kStampLength + 1 || stamp[8] != '-' || stamp[15] != 'Z' ||
        stamp[16] != '-') {
        return std::nullopt;
    }
    const auto year = Digits(stamp, 0, 4);
    const auto month = Digits(stamp, 4, 2);
    const auto day = Digits(stamp, 6, 2);
    const auto hours = Digits(stamp, 9, 2);
    const auto minutes = Digits(stamp, 11, 2);
    const auto seconds = Digits(stamp, 13, 2);
    if (!year || !month || !day || !hours || !minutes || !seconds) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{*year},
                                           std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok() || *hours > 23 || *minutes > 59 || *seconds > 59) return std::nullopt;
    return std::chrono::sys_days{date} + std::chrono::hours{*hours} +
           std::chrono::minutes{*minutes} + std::chrono::seconds{*seconds};
}

std::vector<fs::path> PruneBackups(const fs::path& folder, system_clock::time_point now,
                                   const BackupPolicy& policy) {
    struct Backup {
        system_clock::time_point time;
        fs::path path;
    };
    std::vector<Backup> backups;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const auto time = BackupTime(name);
        std::error_code statusError;
        if (time && it->symlink_status(statusError).type() == fs::file_type::regular) {
            backups.push_back({*time, it->path()});
        }
    }
    // Newest first (backups of one second in the order of their names).
    std::sort(backups.begin(), backups.end(), [](const Backup& a, const Backup& b) {
        return a.time != b.time ? a.time > b.time : a.path.filename() > b.path.filename();
    });
    std::vector<fs::path> pruned;
    for (std::size_t i = policy.keepNewest; i < backups.size(); ++i) {
        if (now - backups[i].time <= policy.maxAge) continue;
        std::error_code removeError;
        if (fs::remove(backups[i].path, removeError)) pruned.push_back(backups[i].path);
    }
    return pruned;
}

ReadBackupResult WriteReadBackup(CRadioData& radio, const fs::path& folder,
                                 system_clock::time_point now, const BackupPolicy& policy) {
    ReadBackupResult result;
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        result.message =
            Describe(folder, "the backup folder cannot be made: " + DescribeErrno(error.value()));
        return result;
    }
    const int versionNumber = radio.GetIdentity().PayloadByte(CIdentityRecord::kVersionByte, 0xFF);
    const std::string name = BackupFileName(now, CVersion::Name(versionNumber));
    const std::string_view stem = std::string_view(name).substr(0, name.size() - kExtension.size());
    fs::path file = folder / name;
    for (int n = 2; fs::exists(fs::symlink_status(file, error)); ++n) {
        if (n > kMaxSameSecond) {
            result.message = Describe(file, "too many backups within one second");
            return result;
        }
        file = folder / (std::string(stem) + "-" + std::to_string(n) + std::string(kExtension));
    }
    const FileSaveResult saved = SaveFile(file, radio.SaveText(), Durability::Flushed);
    if (!saved.Ok()) {
        result.message = Describe(file, "the backup cannot be written: " + saved.Cause());
        return result;
    }
    result.ok = true;
    result.file = file;
    result.pruned = PruneBackups(folder, now, policy);
    return result;
}

DataHomes DataHomesOfEnvironment() {
    const auto value = [](const char* name) {
        const char* text = std::getenv(name);
        return text != nullptr ? std::string(text) : std::string();
    };
    return {value("XDG_DATA_HOME"), value("HOME")};
}

ReadBackupResult BackUpRead(CRadioData& radio, const DataHomes& homes,
                            system_clock::time_point now) {
    const std::optional<fs::path> folder = BackupFolder(homes.xdgDataHome, homes.home);
    if (!folder) {
        ReadBackupResult result;
        result.message = "no backup folder: neither XDG_DATA_HOME nor HOME names one";
        return result;
    }
    return WriteReadBackup(radio, *folder, now);
}

}  // namespace ql

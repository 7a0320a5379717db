#pragma once

#include <filesystem>
#include <optional>

namespace ql {

// Why a settings file could not be written, as an errno value: the path is a directory
// (EISDIR), the file or its folder cannot be written (EACCES, EROFS, ...), or the file
// system has no space left (ENOSPC). Empty when nothing stands in the way. The store's own
// status says only that writing failed, and nothing at all when it had nothing to write.
[[nodiscard]] std::optional<int> SettingsFileProblem(const std::filesystem::path& file);

}  // namespace ql

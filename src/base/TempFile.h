#pragma once

#include <filesystem>
#include <string_view>

namespace ql {

// The system temporary directory: $TMPDIR when it is an absolute path that a command text
// can quote (no double quote, no "="), else /tmp.
[[nodiscard]] std::filesystem::path TemporaryDirectory();

// Creates a new empty file with an unguessable name (mkstemp) in the temporary directory
// and returns its path; an empty path when that fails.
[[nodiscard]] std::filesystem::path CreateTemporaryFile(std::string_view prefix);

}  // namespace ql

#pragma once

// Running a piece of a test as an ordinary user, for checks that root would pass anyway
// (root may write any file).

#include <filesystem>
#include <functional>
#include <string>

namespace ql::test {

// Runs body in a forked child and returns its result (or -1 when the child died). When the
// test runs as root, the child first hands folder over to "nobody", makes the folders above
// it passable and takes on that user's identity; otherwise it runs as it is. body must not
// use gtest assertions: it returns 0 for success and a small number naming what failed.
[[nodiscard]] int RunUnprivileged(const std::filesystem::path& folder,
                                  const std::function<int()>& body);

// A file "kept.icf" holding "old" with mode 0444, in a new folder "user" below parent: what an
// unprivileged body must not be able to replace.
[[nodiscard]] std::filesystem::path MakeWriteProtectedFile(const std::filesystem::path& parent);

// Why unprivileged checks cannot run here, or "" when they can.
[[nodiscard]] std::string UnprivilegedUnavailable();

}  // namespace ql::test

#pragma once

#include <QString>

namespace ql {

// The user manual for "&Contents" and "&Help Topics": the installed copy beside the
// program (share/doc/ql7400/index.html above its bin folder), else the source tree's.
class CHelpLauncher {
  public:
    // The manual's path; empty when there is none.
    [[nodiscard]] static QString ManualPath();
    // Opens it in the user's browser; false when there is none or the browser failed.
    static bool Open();
};

}  // namespace ql

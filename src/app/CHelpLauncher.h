#pragma once

#include <QString>

namespace ql {

// The user manual for "&Contents" and "&Help Topics": the installed copy beside the
// program (share/doc/ql7400/index.html above its bin folder), else the source tree's.
class CHelpLauncher {
  public:
    // The manual's path; empty when there is none.
    [[nodiscard]] static QString ManualPath();
    enum class Outcome {
        kOpened,
        kMissing,   // no manual
        kNoViewer,  // the manual is there, but no program took it
    };
    // Opens it in the user's browser.
    static Outcome Open();
};

}  // namespace ql

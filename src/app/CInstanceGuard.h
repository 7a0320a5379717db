#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace ql {

// Admits one running copy per user: a lock file in the user's runtime directory
// ($XDG_RUNTIME_DIR, else the temporary directory with the user id in its name). A lock
// left by a copy that crashed is taken over; a copy that runs holds it however long.
class CInstanceGuard {
  public:
    // The lock file of the current user.
    [[nodiscard]] static QString DefaultLockPath();

    explicit CInstanceGuard(QString lockPath = DefaultLockPath());

    // True when this copy now holds the lock (or held it already).
    [[nodiscard]] bool Acquire();
    void Release();
    [[nodiscard]] const QString& LockPath() const { return path_; }

  private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace ql

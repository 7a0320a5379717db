#include "app/CInstanceGuard.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>

namespace ql {

QString CInstanceGuard::DefaultLockPath() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        return QDir(runtime).filePath(QStringLiteral("ql7400.lock"));
    }
    return QDir(QDir::tempPath()).filePath(QStringLiteral("ql7400-%1.lock").arg(::getuid()));
}

CInstanceGuard::CInstanceGuard(QString lockPath) : path_(std::move(lockPath)) {}

bool CInstanceGuard::Acquire() {
    if (lock_ && lock_->isLocked()) return true;
    lock_ = std::make_unique<QLockFile>(path_);
    // Age alone never makes the lock stale: a copy that runs for days keeps it. A lock whose
    // process is gone (on this host) is stale at once and taken over by tryLock.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

void CInstanceGuard::Release() {
    if (lock_) lock_->unlock();
    lock_.reset();
}

}  // namespace ql

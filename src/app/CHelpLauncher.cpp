#include "app/CHelpLauncher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace ql {

QString CHelpLauncher::ManualPath() {
    const QDir bin(QCoreApplication::applicationDirPath());
    const QStringList candidates{
        bin.filePath(QStringLiteral("../share/doc/ql7400/index.html")),
        bin.filePath(QStringLiteral("../share/doc/ql7400/html/index.html")),
        QDir(QStringLiteral(QL_SOURCE_DIR)).filePath(QStringLiteral("docs/index.html")),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
    }
    return {};
}

CHelpLauncher::Outcome CHelpLauncher::Open() {
    const QString path = ManualPath();
    if (path.isEmpty()) return Outcome::kMissing;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? Outcome::kOpened
                                                                : Outcome::kNoViewer;
}

}  // namespace ql

#include "app/CRecentFileList.h"

#include <QDir>
#include <QFileInfo>

#include <string>

#include "desktop/QtText.h"
#include "model/CSettingsStore.h"
#include "model/SettingsKeys.h"

namespace ql {

namespace {
QString Canonical(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
}  // namespace

CRecentFileList::CRecentFileList(CSettingsStore& settings) : settings_(settings) {
    for (int i = 0; i < kSize; ++i) {
        const QString path = ToQString(
            settings_.GetString(settings::kRecentFileList, settings::RecentFileKey(i), ""));
        if (!path.isEmpty() && !files_.contains(path)) files_.append(path);
    }
}

void CRecentFileList::Add(const QString& path) {
    const QString canonical = Canonical(path);
    files_.removeAll(canonical);
    files_.prepend(canonical);
    while (files_.size() > kSize) files_.removeLast();
    Store();
}

void CRecentFileList::Remove(const QString& path) {
    files_.removeAll(path);
    files_.removeAll(Canonical(path));
    Store();
}

QString CRecentFileList::MenuText(int index) const {
    if (index < 0 || index >= files_.size()) return {};
    QString shown = QDir::toNativeSeparators(files_.at(index));
    const QString home = QDir::homePath();
    if (home.size() > 1 && shown.startsWith(home + QLatin1Char('/'))) {
        shown.replace(0, home.size(), QStringLiteral("~"));
    }
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

void CRecentFileList::Store() {
    for (int i = 0; i < kSize; ++i) {
        settings_.SetString(settings::kRecentFileList, settings::RecentFileKey(i),
                            i < files_.size() ? files_.at(i).toStdString() : std::string());
    }
}

}  // namespace ql

#pragma once

#include <QString>
#include <QStringList>

namespace ql {

class CSettingsStore;

// The recently-used data files, most recent first, kept in the settings ("Recent File
// List", "File1" to "File4") as they change.
class CRecentFileList {
  public:
    static constexpr int kSize = 4;

    explicit CRecentFileList(CSettingsStore& settings);

    [[nodiscard]] const QStringList& Files() const { return files_; }
    // Puts path first (once).
    void Add(const QString& path);
    void Remove(const QString& path);
    // The menu text of entry index: "&1 " and the path, the home folder shown as "~".
    [[nodiscard]] QString MenuText(int index) const;

  private:
    void Store();

    CSettingsStore& settings_;
    QStringList files_;
};

}  // namespace ql

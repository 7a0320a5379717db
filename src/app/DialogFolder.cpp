#include "app/DialogFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "model/CSettingsStore.h"
#include "model/SettingsKeys.h"

namespace ql {

QString DialogFolder(const CSettingsStore& settings, const QString& currentFile) {
    if (!currentFile.isEmpty()) return QFileInfo(currentFile).absolutePath();
    const QString last = QString::fromStdString(
        settings.GetString(settings::kFileDialog, settings::kLastFolder, {}));
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

void RememberDialogFolder(CSettingsStore& settings, const QString& chosenFile) {
    if (chosenFile.isEmpty()) return;
    settings.SetString(settings::kFileDialog, settings::kLastFolder,
                       QFileInfo(chosenFile).absolutePath().toStdString());
}

}  // namespace ql

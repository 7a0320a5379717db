#pragma once

#include <QString>

namespace ql {

class CSettingsStore;

// Where the Open and Save As dialogs start: the folder of the current file, else the last
// folder a file was chosen in (while it still exists), else the user's documents folder
// (the home folder when there is none).
[[nodiscard]] QString DialogFolder(const CSettingsStore& settings, const QString& currentFile);

// Keeps the folder of a file chosen in one of the dialogs as the last one used.
void RememberDialogFolder(CSettingsStore& settings, const QString& chosenFile);

}  // namespace ql

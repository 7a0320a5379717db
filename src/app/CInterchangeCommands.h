#pragma once

#include <QString>

#include "document/ChannelImport.h"
#include "ui/CCommandTarget.h"

namespace ql {

class CQL7400Doc;
class CSettingsStore;

namespace ui {
class CQL7400View;
}

// Channel lists in and out as text: File > Import CSV... and Export CSV..., and Edit >
// Paste Text, which reads rows a spreadsheet put on the clipboard. What is imported or pasted
// is one undo step; the user sees the rows that cannot be taken before anything changes.
class CInterchangeCommands final : public ui::CCommandTarget {
  public:
    CInterchangeCommands(CQL7400Doc& doc, ui::CQL7400View& view, CSettingsStore& settings);

    [[nodiscard]] bool IsEnabled(int command) override;
    [[nodiscard]] bool IsChecked(int command) override;
    void Execute(int command) override;

    // Each returns true when it changed or wrote something.
    bool ImportCsv();
    bool ExportCsv();
    bool PasteText();

  private:
    // Applies plan as one step of the given kind and shows its channels.
    void ApplyPlan(const ChannelImportPlan& plan, bool paste);
    [[nodiscard]] CommandQuery Query() const;
    [[nodiscard]] QString Folder() const;

    CQL7400Doc& doc_;
    ui::CQL7400View& view_;
    CSettingsStore& settings_;
};

}  // namespace ql

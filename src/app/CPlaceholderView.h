#pragma once

#include <QWidget>

#include "app/CViewCommands.h"

namespace ql {

class CQL7400Doc;

// The client area until the channel list arrives: an empty pane that already switches the
// band of the lists (VHF or UHF), opens the settings dialogs and leaves the channel
// commands disabled.
class CPlaceholderView final : public QWidget, public CViewCommands {
    Q_OBJECT
  public:
    CPlaceholderView(CQL7400Doc& doc, QWidget* parent);

    [[nodiscard]] QWidget* Widget() override { return this; }
    [[nodiscard]] bool IsEnabled(int command) override;
    [[nodiscard]] bool IsChecked(int command) override;
    void Execute(int command) override;
    void Refresh() override {}

  private:
    CQL7400Doc& doc_;
};

}  // namespace ql

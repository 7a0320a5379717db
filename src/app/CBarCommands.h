#pragma once

#include "ui/CCommandTarget.h"

class QStatusBar;
class QToolBar;

namespace ql {

// View > Toolbar and View > Status Bar: each shows or hides its bar and is checked while the
// bar shows.
class CBarCommands final : public ui::CCommandTarget {
  public:
    CBarCommands(QToolBar& toolBar, QStatusBar& statusBar);

    [[nodiscard]] bool IsEnabled(int command) override;
    [[nodiscard]] bool IsChecked(int command) override;
    void Execute(int command) override;

  private:
    QToolBar& toolBar_;
    QStatusBar& statusBar_;
};

}  // namespace ql

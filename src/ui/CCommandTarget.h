#pragma once

#include <QString>

namespace ql::ui {

// Whoever carries out commands of the menus, the toolbar and the accelerators: the
// document, the channel list, the application and the window's bars. The main window sends
// each command to the one target that its command table entry names and asks that target
// whether the command is enabled and checked.
class CCommandTarget {
  public:
    CCommandTarget() = default;
    CCommandTarget(const CCommandTarget&) = delete;
    CCommandTarget& operator=(const CCommandTarget&) = delete;
    virtual ~CCommandTarget() = default;

    [[nodiscard]] virtual bool IsEnabled(int command) = 0;
    [[nodiscard]] virtual bool IsChecked(int command) {
        (void)command;
        return false;
    }
    virtual void Execute(int command) = 0;
    // The menu text the command shows now, when it says more than its fixed text (a port
    // with its device); empty for the fixed text.
    [[nodiscard]] virtual QString MenuText(int command) {
        (void)command;
        return {};
    }
};

}  // namespace ql::ui

#include "app/CBarCommands.h"

#include <QStatusBar>
#include <QToolBar>

#include "ui/StringTable.h"

namespace ql {

CBarCommands::CBarCommands(QToolBar& toolBar, QStatusBar& statusBar)
    : toolBar_(toolBar), statusBar_(statusBar) {}

bool CBarCommands::IsEnabled(int command) {
    return command == ui::cmd::kToolbar || command == ui::cmd::kStatusBar;
}

bool CBarCommands::IsChecked(int command) {
    if (command == ui::cmd::kToolbar) return !toolBar_.isHidden();
    if (command == ui::cmd::kStatusBar) return !statusBar_.isHidden();
    return false;
}

void CBarCommands::Execute(int command) {
    if (command == ui::cmd::kToolbar) toolBar_.setVisible(toolBar_.isHidden());
    if (command == ui::cmd::kStatusBar) statusBar_.setVisible(statusBar_.isHidden());
}

}  // namespace ql

#pragma once

class QWidget;

namespace ql {

// What the main frame asks of the view in its client area: the commands that the view
// handles (the band lists, the channel edit commands, the settings dialogs) with their
// display state, and a refresh after the data set changed.
class CViewCommands {
  public:
    CViewCommands() = default;
    CViewCommands(const CViewCommands&) = delete;
    CViewCommands& operator=(const CViewCommands&) = delete;
    virtual ~CViewCommands() = default;

    [[nodiscard]] virtual QWidget* Widget() = 0;
    [[nodiscard]] virtual bool IsEnabled(int command) = 0;
    [[nodiscard]] virtual bool IsChecked(int command) = 0;
    virtual void Execute(int command) = 0;
    // Everything shown is rebuilt from fresh queries.
    virtual void Refresh() = 0;
};

}  // namespace ql

#pragma once

#include <span>
#include <string_view>

namespace ql {

// Who handles a command.
enum class CommandRoute {
    kDocument,     // file, port and clone commands
    kView,         // band lists, channel edit commands, settings dialogs
    kApplication,  // About, Notes, help, exit
    kBars,         // the bars' toggles
    kInterchange,  // channel lists in and out as text: CSV files and the clipboard
    kNone,         // declared for its key, no handler: stays disabled
};

// One command of the menus, the toolbar and the accelerators. Its menu text comes from the
// string table's menu entries, its status-bar prompt and tool tip from the string table entry
// of the same number; its keys are declared here and nowhere else.
struct CommandEntry {
    int id = 0;
    CommandRoute route = CommandRoute::kNone;
    std::string_view icon;  // toolbar icon resource name; empty: not on the toolbar
    // Accelerators, separated by ";": portable key texts, or "std:" and the name of a standard
    // key (Undo, Redo) for the desktop's own keys of that action.
    std::string_view shortcuts;
    bool checkable = false;
};

// Every command, in no particular order.
[[nodiscard]] std::span<const CommandEntry> Commands();
[[nodiscard]] const CommandEntry* FindCommand(int id);

// The toolbar left to right; 0 stands for a separator.
[[nodiscard]] std::span<const int> ToolbarLayout();

// The menus: a title string number and the entries; 0 stands for a separator.
struct MenuEntry {
    int title = 0;
    std::span<const int> entries;
};
[[nodiscard]] std::span<const MenuEntry> MenuLayout();

}  // namespace ql

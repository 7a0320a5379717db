#include "app/CommandTable.h"

#include <algorithm>
#include <array>

#include "ui/StringTable.h"

namespace ql {

namespace {
using ui::cmd::kAbout, ui::cmd::kClear, ui::cmd::kCloneIn, ui::cmd::kCloneInfo, ui::cmd::kCloneOut,
    ui::cmd::kCom1, ui::cmd::kCom2, ui::cmd::kCom3, ui::cmd::kCom4, ui::cmd::kCommonSetting,
    ui::cmd::kContents, ui::cmd::kCopy, ui::cmd::kCut, ui::cmd::kDelete, ui::cmd::kDtmfAutoDial,
    ui::cmd::kEditMemory, ui::cmd::kExit, ui::cmd::kHelpTopics, ui::cmd::kInsert, ui::cmd::kNew,
    ui::cmd::kNextPane, ui::cmd::kNotes, ui::cmd::kOpen, ui::cmd::kPaste, ui::cmd::kPortSettings,
    ui::cmd::kPrevPane, ui::cmd::kPrint, ui::cmd::kPrintPreview, ui::cmd::kExportPdf,
    ui::cmd::kRecentFile, ui::cmd::kRedo, ui::cmd::kHideEmpty, ui::cmd::kSave, ui::cmd::kSaveAs,
    ui::cmd::kStatusBar, ui::cmd::kToolbar, ui::cmd::kUhfMemory, ui::cmd::kUndo,
    ui::cmd::kVhfMemory;
using ui::cmd::kBulkEdit, ui::cmd::kFind, ui::cmd::kFindNext, ui::cmd::kGoToChannel;
using ui::cmd::kExportCsv, ui::cmd::kImportCsv, ui::cmd::kOpenBackup, ui::cmd::kPasteText;
using R = CommandRoute;

constexpr std::array kCommands = std::to_array<CommandEntry>({
    {kNew, R::kDocument, "new", "Ctrl+N"},
    {kOpen, R::kDocument, "open", "Ctrl+O"},
    {kSave, R::kDocument, "save", "Ctrl+S"},
    {kSaveAs, R::kDocument, "", ""},
    {kImportCsv, R::kInterchange, "", ""},
    {kExportCsv, R::kInterchange, "", ""},
    {kOpenBackup, R::kDocument, "", ""},
    {kPrint, R::kDocument, "", "Ctrl+P"},
    {kPrintPreview, R::kDocument, "", ""},
    {kExportPdf, R::kDocument, "", ""},
    {kRecentFile, R::kDocument, "", ""},
    {kExit, R::kApplication, "", ""},
    {kEditMemory, R::kView, "edit", "Return;Enter"},
    {kCopy, R::kView, "copy", "Ctrl+C;Ctrl+Ins"},
    {kPaste, R::kView, "paste", "Ctrl+V;Shift+Ins"},
    {kPasteText, R::kInterchange, "", "Ctrl+Shift+V"},
    {kCut, R::kNone, "", "Ctrl+X;Shift+Del"},
    {kUndo, R::kDocument, "undo", "Ctrl+Z;Alt+Backspace;std:Undo"},
    {kRedo, R::kDocument, "redo", "std:Redo;Ctrl+Shift+Z;Ctrl+Y"},
    {kClear, R::kView, "clear", "Del"},
    {kDelete, R::kView, "", ""},
    {kInsert, R::kView, "", ""},
    {kBulkEdit, R::kView, "", ""},
    {kGoToChannel, R::kView, "", "Ctrl+G"},
    {kFind, R::kView, "", "Ctrl+F"},
    // F3 itself: some desktops make Ctrl+G the standard Find Next, which is Go to here.
    {kFindNext, R::kView, "", "F3"},
    {kVhfMemory, R::kView, "vhf", "", true},
    {kUhfMemory, R::kView, "uhf", "", true},
    {kHideEmpty, R::kView, "", "", true},
    {kDtmfAutoDial, R::kDocument, "dtmf", ""},
    {kCommonSetting, R::kDocument, "common", ""},
    {kToolbar, R::kBars, "", "", true},
    {kStatusBar, R::kBars, "", "", true},
    {kCom1, R::kDocument, "com1", "", true},
    {kCom2, R::kDocument, "com2", "", true},
    {kCom3, R::kDocument, "com3", "", true},
    {kCom4, R::kDocument, "com4", "", true},
    {kPortSettings, R::kDocument, "", ""},
    {kCloneIn, R::kDocument, "clonein", ""},
    {kCloneOut, R::kDocument, "cloneout", ""},
    {kCloneInfo, R::kDocument, "cloneinfo", ""},
    {kContents, R::kApplication, "help", ""},
    {kHelpTopics, R::kApplication, "", ""},
    {kAbout, R::kApplication, "", ""},
    {kNotes, R::kApplication, "", ""},
    {kNextPane, R::kNone, "", "F6"},
    {kPrevPane, R::kNone, "", "Shift+F6"},
});

constexpr std::array kToolbarButtons = std::to_array<int>({
    kNew,           kOpen,      kSave,  0,         kUndo,      kRedo,      0, kEditMemory,
    kCopy,          kPaste,     kClear, 0,         kVhfMemory, kUhfMemory, 0, kDtmfAutoDial,
    kCommonSetting, 0,          kCom1,  kCom2,     kCom3,      kCom4,      0, kCloneIn,
    kCloneOut,      kCloneInfo, 0,      kContents,
});

constexpr std::array kFileMenu =
    std::to_array<int>({kNew, kOpen, kSave, kSaveAs, 0, kImportCsv, kExportCsv, kOpenBackup, 0,
                        kPrint, kPrintPreview, kExportPdf, 0, kRecentFile, 0, kExit});
constexpr std::array kEditMenu =
    std::to_array<int>({kUndo, kRedo, 0, kEditMemory, 0, kCopy, kPaste, kPasteText, 0, kClear,
                        kDelete, kInsert, 0, kBulkEdit, kGoToChannel, kFind, kFindNext});
constexpr std::array kViewMenu =
    std::to_array<int>({kVhfMemory, kUhfMemory, kHideEmpty, 0, kDtmfAutoDial, kCommonSetting, 0,
                        kToolbar, kStatusBar});
constexpr std::array kPortMenu = std::to_array<int>({kCom1, kCom2, kCom3, kCom4, 0, kPortSettings});
constexpr std::array kCloningMenu = std::to_array<int>({kCloneIn, kCloneOut, 0, kCloneInfo});
constexpr std::array kHelpMenu = std::to_array<int>({kContents, kHelpTopics, 0, kAbout});

constexpr std::array kMenus = std::to_array<MenuEntry>({
    {ui::sid::kFileMenu, kFileMenu},
    {ui::sid::kEditMenu, kEditMenu},
    {ui::sid::kViewMenu, kViewMenu},
    {ui::sid::kPortMenu, kPortMenu},
    {ui::sid::kCloningMenu, kCloningMenu},
    {ui::sid::kHelpMenu, kHelpMenu},
});
}  // namespace

std::span<const CommandEntry> Commands() {
    return kCommands;
}

const CommandEntry* FindCommand(int id) {
    const auto* found = std::find_if(kCommands.begin(), kCommands.end(),
                                     [id](const CommandEntry& entry) { return entry.id == id; });
    return found == kCommands.end() ? nullptr : found;
}

std::span<const int> ToolbarLayout() {
    return kToolbarButtons;
}

std::span<const MenuEntry> MenuLayout() {
    return kMenus;
}

}  // namespace ql

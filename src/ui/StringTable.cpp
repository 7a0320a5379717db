#include "ui/StringTable.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QStringList>

#include "clone/CloneStrings.h"
#include "desktop/QtText.h"

namespace ql::ui {

namespace {

using Entry = std::pair<int, std::string_view>;

// The string table. Cloning's own texts live with the clone operations (the command-line
// tool shows them too) and are looked up there, so each text is held once.
constexpr std::array kStrings = std::to_array<Entry>({
    {sid::kPortNotPresent, "not present"},
    {sid::kPortSettingsTitle, "Port Settings"},
    {sid::kPortSlotLabel, "&Port:"},
    {sid::kPortDevicesLabel, "Serial &devices found:"},
    {sid::kPortDeviceHeaders, "Device\nStable name\nAdapter"},
    {sid::kPortRefresh, "&Refresh"},
    {sid::kPortPathLabel, "Device pat&h:"},
    {sid::kSettingsNotStored, "The settings could not be stored: %1"},
    {sid::kPortNoDevices,
     "No serial device was found. Plug in the clone cable and choose Refresh, "
     "or type the device's path."},
    {cmd::kPortSettings, "Choose the serial device of each COM port\nPort Settings"},
    {sid::kNotesEntry, "&Notes..."},
    {sid::kNotesHeading, "Notes"},
    {sid::kHelpMenu, "&Help"},
    {sid::kNotesText,
     "- To enter cloning mode:\n"
     "    While pushing the microphone[UP] switch + the 4th switch\n"
     "    above the left indicator on the controller, push [POWER] on the controller.\n\n"
     "  - While in cloning mode, controller switches, dials and volume do not function.\n"
     "  - Beep volume corresponds to the volume level before entering cloning mode.\n\n"
     "- To exit cloning mode:\n"
     "    Push the microphone [UP]or[DN] switch."},
    {sid::kDocTemplate,
     "QL-7400\n\nQL-7400 Data\nData Files (*.ICF)\n.icf\nQL-7400.Document\nQL-7400 Document"},
    {cmd::kCommonSetting, "Edit the common settings\nCommon Setting"},
    {cmd::kDtmfAutoDial, "Edit the DTMF autodial memories\nDTMF AutoDial"},
    {cmd::kCom1, "Use COM1\nCOM1"},
    {cmd::kCom2, "Use COM2\nCOM2"},
    {cmd::kCom3, "Use COM3\nCOM3"},
    {cmd::kCom4, "Use COM4\nCOM4"},
    {cmd::kUhfMemory, "Show the UHF memory channels\nUHF Memory"},
    {cmd::kVhfMemory, "Show the VHF memory channels\nVHF Memory"},
    {cmd::kCloneIn, "Read From Transceiver\nClone in"},
    {cmd::kCloneOut, "Write to Transceiver\nClone out"},
    {cmd::kCloneInfo, "Read Information\nClone info."},
    {cmd::kDelete, "Delete the channel and move the ones below it up\nDelete"},
    {cmd::kInsert, "Insert a blank channel and move the ones below it down\nInsert"},
    {cmd::kEditMemory, "Edit the selected memory channel\nEdit Memory"},
    {sid::kSetupText,
     "Thank you for purchasing this Orva QL-7400 cloning software.\r\n\r\n"
     "To use this software, the transceiver's version must be recognized.  Therefore the "
     "following start-up operation is necessary in advance.\r\n\r\n"
     "If an RZ-7400 is not on hand, push [Cancel] to skip the initial setup.This program can "
     "be used to edit data although actual cloning operations cannot be performed in such "
     "cases.\r\n\r\n"
     "START-UP OPERATION\r\n\r\n"
     "(1) Be sure the transceiver and PC are connected using the cloning cable.If they are "
     "not yet connected, turn all power OFF, then connect the cable in advance.\r\n\r\n"
     "(2) While pushing rhe microphone[UP] switch + the 4th switch above the left indicator "
     "on the controller, push [POWER] on the controller.\r\n\r\n"
     "(3) Select the RS-232C port, and Push [OK] to start the initial setup.\r\n\r\n"},
    {sid::kCallSign, "Call Sign"},
    {sid::kComPort, "COM Port"},
    {sid::kAppTitle, "QL-7400"},
    {cmd::kNew, "Create a new document\nNew"},
    {cmd::kOpen, "Open an existing document\nOpen"},
    {cmd::kSave, "Save the active document\nSave"},
    {cmd::kSaveAs, "Save the active document with a new name\nSave As"},
    {cmd::kRecentFile, "Open this document"},
    {cmd::kClear, "Clear the selected channel\nClear"},
    {cmd::kCopy, "Copy the selected channel\nCopy"},
    {cmd::kCut, "Cut the selection and put it on the Clipboard\nCut"},
    {cmd::kPaste, "Paste the copied channel over the selected one\nPaste"},
    {cmd::kUndo, "Undo the last action\nUndo"},
    {cmd::kRedo, "Redo the last action undone\nRedo"},
    {cmd::kHideEmpty, "Show or hide the blank memory channels of the list\nHide Empty Channels"},
    {cmd::kAbout, "Display program information and version number\nAbout"},
    {cmd::kExit, "Quit the application; prompts to save the document\nExit"},
    {cmd::kContents, "Open the user manual\nHelp"},
    {cmd::kHelpTopics, "List the topics of the user manual\nHelp Topics"},
    {cmd::kNextPane, "Switch to the next window pane\nNext Pane"},
    {cmd::kPrevPane, "Switch back to the previous window pane\nPrevious Pane"},
    {cmd::kToolbar, "Show or hide the toolbar\nToggle ToolBar"},
    {cmd::kStatusBar, "Show or hide the status bar\nToggle StatusBar"},
    {cmd::kNotes, "Show how to put the transceiver into cloning mode\nNotes"},
    {sid::kReady, "Ready"},
    {sid::kUntitled, "Untitled"},
    {sid::kAskToSave, "Save changes to %1?"},
    {sid::kIndicatorCaps, "CAP"},
    {sid::kIndicatorNum, "NUM"},
    {sid::kIndicatorScroll, "SCRL"},
    {sid::kToolbarTitle, "Toolbar"},
    {sid::kOk, "OK"},
    {sid::kCancel, "Cancel"},
    {sid::kYes, "&Yes"},
    {sid::kNo, "&No"},
    {sid::kOpenFailed, "Cannot open the data file.\n%1"},
    {sid::kSaveFailed, "Cannot save the data file; the document still holds the changes.\n%1"},
    {sid::kHelpMissing, "The user manual cannot be found."},
    {sid::kStatusBarTitle, "Status Bar"},
    {sid::kAboutTitle, "About QL-7400"},
    {sid::kAboutVersion, "QL-7400 Rev.1.0"},
    {sid::kInformationTitle, "Information"},
    {sid::kModel, "Model"},
    {sid::kComment, "Comment"},
    {sid::kUnknown, "unknown"},
    {sid::kNotesTitle, "Notes"},
    {sid::kStartup, "&Startup"},
    {sid::kClose, "&Close"},
    {sid::kSetupTitle, "QL-7400 Initial Setup"},
    {sid::kProgressName, "Progress"},
    {sid::kCallSignPane, "Call sign"},
    {sid::kMessagePane, "Message"},
    {sid::kFileMenu, "&File"},
    {sid::kEditMenu, "&Edit"},
    {sid::kViewMenu, "&View"},
    {sid::kPortMenu, "COM &Port"},
    {sid::kCloningMenu, "&Cloning"},
    {sid::kCannotInsert, " The last CH(99ch) is not blank. Cannot insert a blank channel."},
    {sid::kOverwriteHere, " Overwite here ?    "},
    {sid::kColumnHeaders + 0, "CH"},
    {sid::kColumnHeaders + 1, "Frequency"},
    {sid::kColumnHeaders + 2, "Duplex"},
    {sid::kColumnHeaders + 3, "Offset freq."},
    {sid::kColumnHeaders + 4, "Name"},
    {sid::kColumnHeaders + 5, "Tone"},
    {sid::kColumnHeaders + 6, "Repeater Tone"},
    {sid::kColumnHeaders + 7, "CTCSS Tone"},
    {sid::kColumnHeaders + 8, "Skip"},
    {sid::kColumnHeaders + 9, "TS"},
    {sid::kColumnHeaders + 10, "Mode"},
    {sid::kColumnHeaders + 11, ""},
    {sid::kChannelList, "Channel list"},
    {sid::kEditMemoryTitle, "Edit Memory ch"},
    {sid::kFrequencyLabel, "Operating Frequency"},
    {sid::kDuplexLabel, "Dup"},
    {sid::kOffsetLabel, "Offset Freq."},
    {sid::kStepLabel, "Tuning Step"},
    {sid::kNameLabel, "Name"},
    {sid::kToneGroup, "Tone / ToneSquelch"},
    {sid::kToneOff, "OFF"},
    {sid::kToneTone, "TONE"},
    {sid::kToneTsql, "TSQL"},
    {sid::kModeGroup, "Mode"},
    {sid::kModeFm, "FM"},
    {sid::kModeAm, "AM"},
    {sid::kModeNarrowFm, "NarrowFM"},
    {sid::kModeWideFm, "WFM"},
    {sid::kSkipGroup, "Skip"},
    {sid::kRepeaterToneList, "Repeater tone frequency"},
    {sid::kSquelchToneList, "Tone squelch frequency"},
    // The settings sheet and the DTMF Autodial dialog.
    {sid::kSettingCaption, "Setting"},
    {sid::kCommonPage, " Common "},
    {sid::kDisplayPage, " Display "},
    {sid::kMicOptionPage, " MIC Option "},
    {sid::kOperationBeep, "Operation Beep"},
    {sid::kRfAttenuator, "RF Attenuator"},
    {sid::kMemoryName, "Memory Name"},
    {sid::kSubBandBeep, "Sub Band Beep"},
    {sid::kSubBandMute, "Sub Band Mute"},
    {sid::kCoolingFan, "Cooling Fan"},
    {sid::kTxTot, "Tx T.O.T"},
    {sid::kAutoRepeater, "Auto Repeater"},
    {sid::kAutoPowerOff, "Auto Power-Off"},
    {sid::kSquelchDelay, "Squelch Delay"},
    {sid::kPacketBps, "Packet BPS"},
    {sid::kVhfFrame, "VHF"},
    {sid::kUhfFrame, "UHF"},
    {sid::kScanResume, "Scan Resume"},
    {sid::kRfPower, "RF Power"},
    {sid::kPowerLow, "Low"},
    {sid::kPowerMidLo, "Mid-Lo"},
    {sid::kPowerMidHi, "Mid-Hi"},
    {sid::kPowerHigh, "High"},
    {sid::kContrastControl, "Contrast Control"},
    {sid::kBrightControl, "Bright Control"},
    {sid::kDisplayType, "Display Type"},
    {sid::kOpeningTitle, "Opening Title"},
    {sid::kCommentLabel, "Comment"},
    {sid::kSliderLeftEnd, "0%"},
    {sid::kSliderRightEnd, "100%"},
    {sid::kDisplayPicture, "Display type picture"},
    {sid::kMicFunctions, "MIC Functions"},
    {sid::kF1Key, "MK-31 F-1 Key"},
    {sid::kF2Key, "MK-31 F-2 Key"},
    {sid::kUpKey, "UP Key"},
    {sid::kDnKey, "DN Key"},
    {sid::kOptionMic, "Option MIC MK-35"},
    {sid::kMicAddress, "MIC Address"},
    {sid::kDtmfCaption, "DTMF Autodial"},
    {sid::kChannelSelection, "Channel Selection"},
    {sid::kSpeed, "Speed"},
    {sid::kAutodialMemories, "Autodial Memories"},
    {sid::kDtmfCode, "Code"},
    {sid::kHelpNoViewer, "No program to open the user manual was found.\n\nThe manual is at:\n%1"},
    {sid::kFrequencyNote, "What OK will do with the frequency"},
    {sid::kOutsideVhfBands,
     "%1 MHz is outside the VHF bands of %2: the channel will be marked ? "
     "and the transceiver will not keep it"},
    {sid::kOutsideUhfBands,
     "%1 MHz is outside the UHF bands of %2: the channel will be marked ? "
     "and the transceiver will not keep it"},
    {sid::kFrequencyErases,
     "OK will erase this channel: a frequency is above 0 MHz and below 2000 MHz"},
    {sid::kFrequencyKept,
     "OK will keep the channel's frequency: a frequency is above 0 MHz and below 2000 MHz"},
    {sid::kUndoNamed, "&Undo %1"},
    {sid::kRedoNamed, "&Redo %1"},
    {sid::kStepEditMemory, "Edit Memory %1 %2"},
    {sid::kStepBulkEdit, "Bulk Edit (%1 channels)"},
    {sid::kStepChange, "Change"},
    {cmd::kImportCsv,
     "Read channels from a CSV file of a spreadsheet or a repeater list into the list\nImport CSV"},
    {cmd::kExportCsv, "Write channels to a CSV file for a spreadsheet\nExport CSV"},
    {cmd::kPasteText,
     "Paste rows of a spreadsheet from the clipboard into the list from the selected row on\n"
     "Paste Text"},
    {cmd::kOpenBackup, "Open a backup of what a Clone in read\nOpen Backup"},
    {sid::kStepImport, "Import"},
    {sid::kCsvFilter, "CSV Files (*.csv *.CSV *.txt *.tsv)"},
    {sid::kImportTitle, "Import CSV"},
    {sid::kImportSummary, "%1 channels of %2 go into the %3 list."},
    {sid::kImportSummaryName, "What the import does"},
    {sid::kImportAtNumbers, "At the channel &numbers in the file"},
    {sid::kImportAtSelection, "From the &selected channel %1 on"},
    {sid::kImportRefusedLabel, "&Rows that will not be imported:"},
    {sid::kImportNoneRefused, "Every row can be imported."},
    {sid::kImportUnreadable, "%1 cannot be imported:\n%2"},
    {sid::kImportNothing, "No row of %1 can be imported."},
    {sid::kExportTitle, "Export CSV"},
    {sid::kExportWhat, "Channels to export"},
    {sid::kExportSelected, "The &selected rows (%1)"},
    {sid::kExportBand, "The &%1 list"},
    {sid::kExportBoth, "&Both lists"},
    {sid::kExportFailed, "%1 could not be written:\n%2"},
    {sid::kPasteTextTitle, "Paste Text"},
    {sid::kClipboardSource, "the clipboard"},
    {sid::kPasteTextOverwrite, "Paste Text overwrites %1 channels in use. Go on?"},
    {sid::kPasteTextUnreadable, "The clipboard holds no channel rows:\n%1"},
    {sid::kBackupFailed, "The read is complete, but no backup of it was kept: %1"},
    {cmd::kBulkEdit, "Give every selected channel in use the values you check\nBulk Edit"},
    {cmd::kGoToChannel, "Select a channel of the list by its number\nGo to Channel"},
    {cmd::kFind, "Find a channel by its name or frequency in both lists\nFind"},
    {cmd::kFindNext, "Find the next channel that matches the last search\nFind Next"},
    {sid::kGoToTitle, "Go to Channel"},
    {sid::kGoToLabel, "&Channel:"},
    {sid::kGoToHint, "1 to 99, a scan edge 1A to 3B, or C for the call channel"},
    {sid::kGoToUnknown,
     "\"%1\" is no channel. Type 1 to 99, a scan edge 1A to 3B, or C for the call channel."},
    {sid::kGoToMessage, "Why the channel cannot be shown"},
    {sid::kFindTitle, "Find"},
    {sid::kFindLabel, "Fi&nd what:"},
    {sid::kFindNextButton, "&Find Next"},
    {sid::kFindHint, "A part of a channel name, or a frequency in MHz such as 145.5"},
    {sid::kFindNoMatch, "No channel in use matches \"%1\"."},
    {sid::kBulkEditTitle, "Bulk Edit"},
    {sid::kBulkEditSummary,
     "The checked values go to the %1 selected channels in use of the %2 list.\n"
     "Blank channels stay blank."},
    {sid::kBulkDuplex, "&Dup"},
    {sid::kBulkOffset, "O&ffset Freq."},
    {sid::kBulkToneMode, "&Tone Mode"},
    {sid::kBulkRepeaterTone, "&Repeater Tone"},
    {sid::kBulkSquelchTone, "TS&QL Tone"},
    {sid::kBulkStep, "Tuning &Step"},
    {sid::kBulkMode, "&Mode"},
    {sid::kBulkSkip, "S&kip"},
    {sid::kBulkRefused,
     "Nothing was changed: %1 channel %2 cannot keep %3 %4.\n\n"
     "Leave that channel out of the selection or choose another value."},
    {sid::kBulkNoOffset, "Nothing was changed: type the offset frequency in MHz."},
    {sid::kVhfBand, "VHF"},
    {sid::kUhfBand, "UHF"},
    {cmd::kPrint, "Print the channel lists, the settings and the DTMF memories\nPrint"},
    {cmd::kPrintPreview, "Show the pages that Print would print\nPrint Preview"},
    {cmd::kExportPdf,
     "Save the channel lists, the settings and the DTMF memories as a PDF file\nExport PDF"},
    {sid::kReportOn, "On"},
    {sid::kReportOff, "Off"},
    {sid::kReportTitle, "QL-7400 channel list"},
    {sid::kReportVhfChannels, "VHF memory channels"},
    {sid::kReportUhfChannels, "UHF memory channels"},
    {sid::kReportSettings, "Common settings"},
    {sid::kReportNoChannels, "No channel in use."},
    {sid::kReportVersion, "Version %1"},
    {sid::kReportPage, "Page %1 of %2"},
    {sid::kPdfFileType, "PDF Files (*.pdf)\n.pdf"},
    {sid::kPdfFailed, "Cannot write the PDF file %1: %2"},
    {sid::kPrintFailed, "Cannot print: the printer could not be started."},
});

// The menu entries; their keys live in the command table.
constexpr std::array kMenuTexts = std::to_array<Entry>({
    {cmd::kNew, "&New"},
    {cmd::kOpen, "&Open..."},
    {cmd::kSave, "&Save"},
    {cmd::kSaveAs, "Save &As..."},
    {cmd::kImportCsv, "&Import CSV..."},
    {cmd::kExportCsv, "&Export CSV..."},
    {cmd::kOpenBackup, "Open &Backup..."},
    {cmd::kPrint, "&Print..."},
    {cmd::kPrintPreview, "Print Pre&view..."},
    {cmd::kExportPdf, "Export P&DF..."},
    {cmd::kRecentFile, "Recent File"},
    {cmd::kExit, "E&xit"},
    {cmd::kEditMemory, "&Edit Memory..."},
    {cmd::kCopy, "&Copy"},
    {cmd::kPaste, "&Paste"},
    {cmd::kPasteText, "Paste &Text"},
    {cmd::kUndo, "&Undo"},
    {cmd::kRedo, "&Redo"},
    {cmd::kClear, "Clear"},
    {cmd::kDelete, "Delete"},
    {cmd::kInsert, "Insert"},
    {cmd::kBulkEdit, "&Bulk Edit..."},
    {cmd::kGoToChannel, "&Go to Channel..."},
    {cmd::kFind, "&Find..."},
    {cmd::kFindNext, "Find &Next"},
    {cmd::kVhfMemory, "&VHF Memory List.."},
    {cmd::kUhfMemory, "&UHF Memory List..."},
    {cmd::kDtmfAutoDial, "&DTMF AutoDial..."},
    {cmd::kCommonSetting, "&Common Setting..."},
    {cmd::kToolbar, "&Toolbar"},
    {cmd::kStatusBar, "&Status Bar"},
    {cmd::kHideEmpty, "&Hide Empty Channels"},
    {cmd::kCom1, "COM1"},
    {cmd::kCom2, "COM2"},
    {cmd::kCom3, "COM3"},
    {cmd::kCom4, "COM4"},
    {cmd::kPortSettings, "Port &Settings..."},
    {cmd::kCloneIn, "&Read <- TR"},
    {cmd::kCloneOut, "&Write -> TR"},
    {cmd::kCloneInfo, "&Information..."},
    {cmd::kContents, "&Contents"},
    {cmd::kHelpTopics, "&Help Topics"},
    {cmd::kAbout, "&About QL-7400..."},
    {cmd::kNotes, "&Notes..."},
});

std::string_view Find(const auto& table, int id) {
    const auto* found =
        std::find_if(table.begin(), table.end(), [id](const Entry& e) { return e.first == id; });
    return found == table.end() ? std::string_view() : found->second;
}

}  // namespace

std::string_view RawText(int id) {
    const std::string_view own = Find(kStrings, id);
    if (!own.empty()) return own;
    return CloneText(id);
}

QString Text(int id) {
    return ToQString(RawText(id));
}

QString TextPart(int id, int n) {
    const QStringList parts = Text(id).split(QLatin1Char('\n'));
    return n >= 0 && n < parts.size() ? parts.at(n) : QString();
}

std::string_view MenuText(int command) {
    return Find(kMenuTexts, command);
}

QString WithoutMnemonic(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&')) plain.append('&');
            ++i;
            if (i < text.size() && text.at(i) != QLatin1Char('&')) plain.append(text.at(i));
            continue;
        }
        plain.append(text.at(i));
    }
    return plain.section(QLatin1Char('\t'), 0, 0);
}

QString PlainMenuText(int command) {
    QString text = WithoutMnemonic(ToQString(MenuText(command)));
    while (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text;
}

}  // namespace ql::ui

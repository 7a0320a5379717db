#pragma once

#include <QString>
#include <string_view>

namespace ql::ui {

// Numbers of the string table and of the commands. A command's number is also the number
// of its prompt text: "status bar prompt\ntool tip".
namespace sid {
// Texts of the application.
inline constexpr int kNotesCommand = 104;
inline constexpr int kNotesEntry = 105;
inline constexpr int kNotesHeading = 106;
inline constexpr int kHelpMenu = 109;
inline constexpr int kNotesText = 110;
inline constexpr int kDocTemplate = 1000;
inline constexpr int kCloning = 1201;
inline constexpr int kSetupText = 5062;
inline constexpr int kCallSign = 5063;
inline constexpr int kComPort = 5064;
inline constexpr int kBlankCallSign = 5065;
inline constexpr int kAppTitle = 57344;

// Texts of the document framework.
inline constexpr int kReady = 61440;
inline constexpr int kUntitled = 61441;
inline constexpr int kAskToSave = 61442;
inline constexpr int kIndicatorCaps = 61443;
inline constexpr int kIndicatorNum = 61444;
inline constexpr int kIndicatorScroll = 61445;
inline constexpr int kToolbarTitle = 61446;
inline constexpr int kOk = 61447;
inline constexpr int kCancel = 61448;
inline constexpr int kYes = 61449;
inline constexpr int kNo = 61450;
inline constexpr int kOpenFailed = 61451;
inline constexpr int kSaveFailed = 61452;
inline constexpr int kHelpMissing = 61453;
inline constexpr int kStatusBarTitle = 61454;

// Texts of the dialogs.
inline constexpr int kAboutTitle = 62000;
inline constexpr int kAboutVersion = 62001;
inline constexpr int kInformationTitle = 62010;
inline constexpr int kModel = 62011;
inline constexpr int kComment = 62012;
inline constexpr int kUnknown = 62013;
inline constexpr int kNotesTitle = 62020;
inline constexpr int kStartup = 62021;
inline constexpr int kClose = 62022;
inline constexpr int kSetupTitle = 62030;
inline constexpr int kProgressName = 62040;
inline constexpr int kCallSignPane = 62041;
inline constexpr int kMessagePane = 62042;
inline constexpr int kFileMenu = 63000;
inline constexpr int kEditMenu = 63001;
inline constexpr int kViewMenu = 63002;
inline constexpr int kPortMenu = 63003;
inline constexpr int kCloningMenu = 63004;

// Texts of the port settings: the COM Port menu's device names and the Port Settings dialog.
inline constexpr int kPortNotPresent = 64010;
inline constexpr int kPortSettingsTitle = 64011;
inline constexpr int kPortSlotLabel = 64012;
inline constexpr int kPortDevicesLabel = 64013;
inline constexpr int kPortDeviceHeaders = 64014;  // "Device\nStable name\nAdapter"
inline constexpr int kPortRefresh = 64015;
inline constexpr int kPortPathLabel = 64016;
inline constexpr int kSettingsNotStored = 64017;
inline constexpr int kPortNoDevices = 64018;

// Texts of the channel list and the Edit Memory dialog.
inline constexpr int kCannotInsert = 5057;
inline constexpr int kOverwriteHere = 5059;
inline constexpr int kColumnHeaders = 63100;  // one per column, 63100 to 63111
inline constexpr int kChannelList = 63112;
inline constexpr int kEditMemoryTitle = 63120;
inline constexpr int kFrequencyLabel = 63121;
inline constexpr int kDuplexLabel = 63122;
inline constexpr int kOffsetLabel = 63123;
inline constexpr int kStepLabel = 63124;
inline constexpr int kNameLabel = 63125;
inline constexpr int kToneGroup = 63126;
inline constexpr int kToneOff = 63127;
inline constexpr int kToneTone = 63128;
inline constexpr int kToneTsql = 63129;
inline constexpr int kModeGroup = 63130;
inline constexpr int kModeFm = 63131;
inline constexpr int kModeAm = 63132;
inline constexpr int kModeNarrowFm = 63133;
inline constexpr int kModeWideFm = 63134;
inline constexpr int kSkipGroup = 63135;
inline constexpr int kRepeaterToneList = 63136;
inline constexpr int kSquelchToneList = 63137;

// The settings sheet and the DTMF Autodial dialog.
inline constexpr int kSettingCaption = 62100;
inline constexpr int kCommonPage = 62101;
inline constexpr int kDisplayPage = 62102;
inline constexpr int kMicOptionPage = 62103;

// " Common ".
inline constexpr int kOperationBeep = 62110;
inline constexpr int kRfAttenuator = 62111;
inline constexpr int kMemoryName = 62112;
inline constexpr int kSubBandBeep = 62113;
inline constexpr int kSubBandMute = 62114;
inline constexpr int kCoolingFan = 62115;
inline constexpr int kTxTot = 62116;
inline constexpr int kAutoRepeater = 62117;
inline constexpr int kAutoPowerOff = 62118;
inline constexpr int kSquelchDelay = 62119;
inline constexpr int kPacketBps = 62120;
inline constexpr int kVhfFrame = 62121;
inline constexpr int kUhfFrame = 62122;
inline constexpr int kScanResume = 62123;
inline constexpr int kRfPower = 62124;
inline constexpr int kPowerLow = 62125;
inline constexpr int kPowerMidLo = 62126;
inline constexpr int kPowerMidHi = 62127;
inline constexpr int kPowerHigh = 62128;
// The two upper frames have no string of their own, so they carry no caption.
inline constexpr int kSwitchesFrame = 62129;
inline constexpr int kListsFrame = 62130;

// " Display ".
inline constexpr int kContrastControl = 62140;
inline constexpr int kBrightControl = 62141;
inline constexpr int kDisplayType = 62142;
inline constexpr int kOpeningTitle = 62143;
inline constexpr int kCommentLabel = 62144;
inline constexpr int kSliderLeftEnd = 62145;
inline constexpr int kSliderRightEnd = 62146;
inline constexpr int kDisplayFrame = 62147;  // no string: no caption
inline constexpr int kDisplayPicture = 62148;

// " MIC Option ".
inline constexpr int kMicFunctions = 62150;
inline constexpr int kF1Key = 62151;
inline constexpr int kF2Key = 62152;
inline constexpr int kUpKey = 62153;
inline constexpr int kDnKey = 62154;
inline constexpr int kOptionMic = 62155;
inline constexpr int kMicAddress = 62156;

// "DTMF Autodial".
inline constexpr int kDtmfCaption = 62200;
inline constexpr int kChannelSelection = 62201;
inline constexpr int kSpeed = 62202;
inline constexpr int kAutodialMemories = 62203;
inline constexpr int kDtmfCode = 62204;

// Texts of the help and accessibility additions (64100-64199).
inline constexpr int kHelpNoViewer = 64100;  // %1: the manual's path

// 64200-64299: the Edit Memory dialog's note on what OK does with the typed frequency.
inline constexpr int kFrequencyNote = 64200;
inline constexpr int kOutsideVhfBands = 64201;
inline constexpr int kOutsideUhfBands = 64202;
inline constexpr int kFrequencyErases = 64203;
inline constexpr int kFrequencyKept = 64204;

// 64350-64399: the undo history.
inline constexpr int kUndoNamed = 64350;  // %1: the step's name
inline constexpr int kRedoNamed = 64351;
inline constexpr int kStepEditMemory = 64352;  // %1: band, %2: channel label
inline constexpr int kStepBulkEdit = 64353;    // %1: number of channels
inline constexpr int kStepChange = 64354;

// 64460-64499: channel lists in and out as text, and the backups of reads.
inline constexpr int kStepImport = 64460;
inline constexpr int kCsvFilter = 64461;      // the file dialogs' filter
inline constexpr int kImportTitle = 64462;    // "Import CSV"
inline constexpr int kImportSummary = 64463;  // %1 rows, %2 file, %3 band
inline constexpr int kImportAtNumbers = 64464;
inline constexpr int kImportAtSelection = 64465;  // %1: the selected channel's label
inline constexpr int kImportRefusedLabel = 64466;
inline constexpr int kImportNoneRefused = 64467;
inline constexpr int kImportUnreadable = 64468;  // %1 file, %2 why
inline constexpr int kExportTitle = 64469;
inline constexpr int kExportWhat = 64470;
inline constexpr int kExportSelected = 64471;  // %1: number of rows
inline constexpr int kExportBand = 64472;      // %1: the band
inline constexpr int kExportBoth = 64473;
inline constexpr int kExportFailed = 64474;  // %1 file, %2 why
inline constexpr int kPasteTextTitle = 64475;
inline constexpr int kPasteTextOverwrite = 64476;   // %1: channels in use
inline constexpr int kPasteTextUnreadable = 64477;  // %1: why
inline constexpr int kBackupFailed = 64478;         // %1: the cause
inline constexpr int kImportNothing = 64479;
inline constexpr int kImportSummaryName = 64480;
inline constexpr int kClipboardSource = 64481;
// 64310-64349: Go to Channel, Find and Bulk Edit.
inline constexpr int kGoToTitle = 64310;
inline constexpr int kGoToLabel = 64311;
inline constexpr int kGoToHint = 64312;
inline constexpr int kGoToUnknown = 64313;  // %1: the typed text
inline constexpr int kGoToMessage = 64314;
inline constexpr int kFindTitle = 64320;
inline constexpr int kFindLabel = 64321;
inline constexpr int kFindNextButton = 64322;
inline constexpr int kFindHint = 64323;
inline constexpr int kFindNoMatch = 64324;  // %1: the text looked for
inline constexpr int kBulkEditTitle = 64330;
inline constexpr int kBulkEditSummary = 64331;  // %1: channels in use, %2: the band
inline constexpr int kBulkDuplex = 64332;
inline constexpr int kBulkOffset = 64333;
inline constexpr int kBulkToneMode = 64334;
inline constexpr int kBulkRepeaterTone = 64335;
inline constexpr int kBulkSquelchTone = 64336;
inline constexpr int kBulkStep = 64337;
inline constexpr int kBulkMode = 64338;
inline constexpr int kBulkSkip = 64339;
inline constexpr int kBulkRefused = 64340;  // %1 band, %2 channel, %3 field, %4 value
inline constexpr int kBulkNoOffset = 64341;
inline constexpr int kVhfBand = 64342;
inline constexpr int kUhfBand = 64343;
// 64430-64459: the printed channel list and its PDF file.
inline constexpr int kReportOn = 64430;
inline constexpr int kReportOff = 64431;
inline constexpr int kReportTitle = 64432;
inline constexpr int kReportVhfChannels = 64433;
inline constexpr int kReportUhfChannels = 64434;
inline constexpr int kReportSettings = 64435;
inline constexpr int kReportNoChannels = 64436;
inline constexpr int kReportVersion = 64437;  // %1: the version's name
inline constexpr int kReportPage = 64438;     // %1 of %2
inline constexpr int kPdfFileType = 64439;    // "filter\nextension"
inline constexpr int kPdfFailed = 64440;      // %1: the file, %2: the cause
inline constexpr int kPrintFailed = 64441;
}  // namespace sid

// Command numbers of the menus, the toolbar and the accelerators.
namespace cmd {
inline constexpr int kNotes = 104;
inline constexpr int kCommonSetting = 1100;
inline constexpr int kDtmfAutoDial = 1101;
inline constexpr int kCom1 = 1102;
inline constexpr int kCom2 = 1103;
inline constexpr int kCom3 = 1104;
inline constexpr int kCom4 = 1105;
inline constexpr int kUhfMemory = 1106;
inline constexpr int kVhfMemory = 1107;
inline constexpr int kCloneIn = 1108;
inline constexpr int kCloneOut = 1109;
inline constexpr int kCloneInfo = 1110;
inline constexpr int kDelete = 1111;
inline constexpr int kInsert = 1112;
inline constexpr int kEditMemory = 1113;
inline constexpr int kNew = 57600;
inline constexpr int kOpen = 57601;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kRecentFile = 57616;
inline constexpr int kClear = 57632;
inline constexpr int kCopy = 57634;
inline constexpr int kCut = 57635;
inline constexpr int kPaste = 57637;
inline constexpr int kUndo = 57643;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kContents = 57666;
inline constexpr int kHelpTopics = 57667;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;
inline constexpr int kPortSettings = 64001;
inline constexpr int kRedo = 64300;
inline constexpr int kHideEmpty = 64305;
inline constexpr int kBulkEdit = 64301;
inline constexpr int kGoToChannel = 64302;
inline constexpr int kFind = 64303;
inline constexpr int kFindNext = 64304;
inline constexpr int kImportCsv = 64404;
inline constexpr int kExportCsv = 64405;
inline constexpr int kPasteText = 64406;
inline constexpr int kOpenBackup = 64407;
inline constexpr int kPrint = 64401;
inline constexpr int kPrintPreview = 64402;
inline constexpr int kExportPdf = 64403;
inline constexpr int kToolbar = 59392;
inline constexpr int kStatusBar = 59393;
}  // namespace cmd

// The text of a string table number, exactly as stored; empty for an unknown number.
[[nodiscard]] std::string_view RawText(int id);
// The same as a QString.
[[nodiscard]] QString Text(int id);
// The n-th piece (from 0) of a text of the string table split at "\n".
[[nodiscard]] QString TextPart(int id, int n);
// The menu text of a command ("&New"); empty when the command has no menu entry. The keys
// shown beside it come from the command's shortcuts.
[[nodiscard]] std::string_view MenuText(int command);
// A text without its mnemonic "&" (the name assistive technology reads).
[[nodiscard]] QString WithoutMnemonic(const QString& text);
// A command's menu text without its mnemonic and its dots ("Paste", "Common Setting").
[[nodiscard]] QString PlainMenuText(int command);

}  // namespace ql::ui

#pragma once

#include <string>
#include <string_view>

namespace ql::settings {

// Every section and key of the per-user settings store, named once.

// The initial setup's result: whether it ran, the version and expansion it learnt, the call
// sign shown in the status bar.
inline constexpr std::string_view kSetupInfo = "SetupInfo";
inline constexpr std::string_view kSetupDone = "0000";
inline constexpr std::string_view kSetupVersion = "0001";
inline constexpr std::string_view kSetupExpansion = "0002";
inline constexpr std::string_view kCallSign = "CallSign";

// The serial port: the number chosen (1-4) and each number's device ("Device1".."Device4").
inline constexpr std::string_view kCommPort = "CommPort";
inline constexpr std::string_view kPortNumber = "PortNumber";
[[nodiscard]] inline std::string DeviceKey(unsigned number) {
    return "Device" + std::to_string(number);
}

// The channel list's column widths ("Width0".."Width11").
inline constexpr std::string_view kColumn = "Column";
[[nodiscard]] inline std::string WidthKey(int column) {
    return "Width" + std::to_string(column);
}

// The channel list's filter: whether blank memory channels are hidden ("HideEmpty", 0 or 1).
inline constexpr std::string_view kChannelList = "Channel List";
inline constexpr std::string_view kHideEmpty = "HideEmpty";

// The main window's placement and its toolbar.
inline constexpr std::string_view kWindowPosition = "Window Position";
inline constexpr std::string_view kZoom = "Zoom";
inline constexpr std::string_view kIcon = "Icon";
inline constexpr std::string_view kLeft = "Left";
inline constexpr std::string_view kTop = "Top";
inline constexpr std::string_view kWidth = "Width";
inline constexpr std::string_view kHeight = "Height";
inline constexpr std::string_view kToolBarState = "ToolBarState";
inline constexpr std::string_view kState = "State";

// The recently used files ("File1".."File4", most recent first).
inline constexpr std::string_view kRecentFileList = "Recent File List";
[[nodiscard]] inline std::string RecentFileKey(int index) {
    return "File" + std::to_string(index + 1);
}

// The folder of the file last chosen in the Open or Save As dialog, where the next one starts
// when no file is open.
inline constexpr std::string_view kFileDialog = "File Dialog";
inline constexpr std::string_view kLastFolder = "LastFolder";

// Whether the Notes open at start-up (0: they do).
inline constexpr std::string_view kTip = "Tip";
inline constexpr std::string_view kStartUp = "StartUp";

}  // namespace ql::settings

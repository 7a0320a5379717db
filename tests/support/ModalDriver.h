#pragma once

// Answers a modal dialog that a call is about to open: once the dialog is the active modal
// widget, the action runs on it (clicking its buttons, typing into it). Waits at most
// timeout for the dialog; a dialog that never comes fails the test.

#include <QWidget>
#include <chrono>
#include <functional>

namespace ql::test {

using ModalAction = std::function<void(QWidget* dialog)>;

void WhenModal(ModalAction action,
               std::chrono::milliseconds timeout = std::chrono::milliseconds(20000));

// Runs action on the first top-level widget of type T once it is visible (modeless windows
// such as the progress dialog).
void WhenVisible(const char* className, ModalAction action,
                 std::chrono::milliseconds timeout = std::chrono::milliseconds(20000));

// The settings of the application, emptied.
void ClearSettings();
// The settings file as text (after a sync).
[[nodiscard]] std::string SettingsFileText();

}  // namespace ql::test

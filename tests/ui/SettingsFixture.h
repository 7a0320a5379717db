#pragma once

// A real document on a chosen transceiver version for the settings dialogs, with every
// command text that the dialogs send recorded through the radio data object's observer,
// and each step through the document's entry point for changes counted.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/CQL7400Doc.h"
#include "clone/CloneFakes.h"
#include "support/CMemorySettingsStore.h"
#include "support/ScriptedPrompts.h"

namespace ql::test {

class SettingsDialogTest : public ::testing::Test {
  protected:
    SettingsDialogTest();
    ~SettingsDialogTest() override;

    // A new document on version (the initial setup done for it).
    void Start(int version);
    // The commands sent since the last call, in order.
    [[nodiscard]] std::vector<std::string> Take();
    // Sets the model (not recorded, not a step).
    void Set(const std::vector<std::string>& commands);
    // Asks the model (not recorded).
    [[nodiscard]] std::string Model(std::string_view command);

    CMemorySettingsStore settings;
    ScriptedPrompts prompts;
    RecordingTones tones;
    std::unique_ptr<CQL7400Doc> doc;
    ui::CRadioCommands* radio = nullptr;  // the document
    // Steps through the document's entry point for changes.
    int steps = 0;

  private:
    std::vector<std::string> sent_;
    bool recording_ = true;
};

// The control whose buddy label under root reads text (the nth such label).
template <typename T>
T* Labelled(const QWidget& root, const QString& text, int nth = 0) {
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        if (label->text() != text || !label->buddy()) continue;
        if (nth-- == 0) return qobject_cast<T*>(label->buddy());
    }
    return nullptr;
}

// "COMMON." name for each name.
[[nodiscard]] std::vector<std::string> CommonQueries(const std::vector<std::string>& names);

// Every control a user can reach has a name for assistive technology, and every drop-down
// list and edit box has a buddy label or sits in a titled frame.
void ExpectAccessible(const QWidget& root);

}  // namespace ql::test

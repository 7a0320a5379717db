#pragma once

// The channel list and its dialog on real widgets over a real radio data object, with the
// settings store in memory, the message boxes answered by script and every command text
// sent to the radio data object recorded.

#include <gtest/gtest.h>

#include <QMenu>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/CMemorySettingsStore.h"
#include "support/DirectDoc.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSupport.h"
#include "ui/CQL7400View.h"

namespace ql::test {

class ViewTest : public ::testing::Test {
  protected:
    explicit ViewTest(int version = 0) : radio(version), doc(radio.Data()) {}

    // A list of 620 x 300 pixels, shown.
    [[nodiscard]] std::unique_ptr<ui::CQL7400View> MakeView() {
        auto view = std::make_unique<ui::CQL7400View>(doc, settings, prompts, nullptr);
        view->resize(620, 300);
        view->show();
        return view;
    }

    // The command texts that action sends to the radio data object.
    std::vector<std::string> Record(const std::function<void()>& action) {
        std::vector<std::string> sent;
        radio->SetCommandObserver(
            [&](std::string_view command, std::string_view) { sent.emplace_back(command); });
        action();
        radio->SetCommandObserver({});
        return sent;
    }

    // The channels whose rows were rebuilt, in order (each rebuild asks "APPEAR" first).
    static std::vector<std::string> Rebuilt(const std::vector<std::string>& sent) {
        std::vector<std::string> rows;
        for (const std::string& command : sent) {
            if (command.ends_with(".APPEAR")) rows.push_back(command.substr(0, command.size() - 7));
        }
        return rows;
    }

    static bool Contains(const std::vector<std::string>& sent, std::string_view command) {
        for (const std::string& text : sent) {
            if (text == command) return true;
        }
        return false;
    }

    TestRadio radio;
    DirectDoc doc;
    CMemorySettingsStore settings;
    ScriptedPrompts prompts;
};

// Runs action on the context menu once it is shown, then closes it.
inline void WhenMenuShown(std::function<void(QMenu& menu)> action) {
    WhenVisible("QMenu", [action = std::move(action)](QWidget* widget) {
        auto* menu = qobject_cast<QMenu*>(widget);
        ASSERT_NE(menu, nullptr);
        action(*menu);
        menu->close();
    });
}

}  // namespace ql::test

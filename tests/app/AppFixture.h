#pragma once

// The application object on real widgets with its settings emptied before each test, the
// message boxes and file dialogs answered by script, the tones recorded.

#include <gtest/gtest.h>

#include <QString>
#include <memory>

#include "app/CQL7400App.h"
#include "clone/CloneFakes.h"
#include "desktop/CQtSettingsStore.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSupport.h"

namespace ql::test {

class AppTest : public ::testing::Test {
  protected:
    AppTest();
    ~AppTest() override;

    [[nodiscard]] std::unique_ptr<CQL7400App> MakeApp();
    // Starts an application as a user whose setup is done and who turned the Notes off.
    [[nodiscard]] std::unique_ptr<CQL7400App> StartPlain(const QStringList& arguments = {});
    // Records that the setup was done (version and expansion) and the Notes are off.
    void SetupDone(int version = 0, int expansion = 0);
    // Port number n is the device path.
    void SetDevice(unsigned port, const std::string& device);

    TempDir dir;
    QString lockPath;
    // The serial devices the application finds: none unless a test plugs some in.
    std::vector<SerialDevice> devices;
    CQtSettingsStore settings;
    ScriptedPrompts prompts;
    RecordingTones tones;
};

}  // namespace ql::test

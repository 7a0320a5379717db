// The initial setup's OK and Cancel and what they keep in the settings.

#include <gtest/gtest.h>

#include <optional>

#include "clone/CCloneLink.h"
#include "clone/CloneStrings.h"
#include "clone/TestLines.h"
#include "document/CInitialSetup.h"
#include "support/CMemorySettingsStore.h"

namespace ql::test {
namespace {

class InitialSetup : public ::testing::Test {
  protected:
    InitialSetup() {
        settings.SetInt("CommPort", "PortNumber", 3);
        auto made = std::make_unique<MemoryLine>(clock, peer);
        line = made.get();
        link.emplace(std::move(made), clock, tones);
        setup.emplace(*link, settings, ui);
    }
    void Identify(const Bytes& payload) {
        Bytes all{0x20, 0x47, 0x00, 0x01};
        all.insert(all.end(), payload.begin(), payload.end());
        peer.On(0xE0, TransceiverFrame(0xE1, all));
    }

    FakeClock clock;
    ScriptedPeer peer;
    RecordingTones tones;
    ScriptedUi ui;
    CMemorySettingsStore settings;
    MemoryLine* line = nullptr;
    std::optional<CCloneLink> link;
    std::optional<CInitialSetup> setup;
};

TEST_F(InitialSetup, OkKeepsTheVersionTheCallSignAndThePort) {
    EXPECT_EQ(setup->StoredPort(), 3U);
    Identify({0x07, 0x21, 'x'});
    const SetupOutcome outcome = setup->Ok({2, "DL1ABC  ", {}});
    EXPECT_EQ(outcome.result, CloneResult::kCompleted);
    EXPECT_EQ(outcome.storeFailure, "");
    EXPECT_EQ(settings.Flushes(), 1);
    EXPECT_EQ(settings.GetInt("SetupInfo", "0000", 0), 1);
    EXPECT_EQ(settings.GetInt("SetupInfo", "0001", 0), 7);
    EXPECT_EQ(settings.GetInt("SetupInfo", "0002", 0), 0x21);
    EXPECT_EQ(settings.GetString("SetupInfo", "CallSign", ""), "DL1ABC  ");  // as entered
    EXPECT_EQ(settings.GetInt("CommPort", "PortNumber", 0), 2);
    EXPECT_EQ(setup->StoredCallSign(), "DL1ABC");
    EXPECT_TRUE(ui.Report().empty());
}

TEST_F(InitialSetup, ABlankCallSignIsStoredAsSixBlanksAndALongOneIsCut) {
    Identify({0x00, 0x00});
    EXPECT_EQ(setup->Ok({1, "   ", {}}).result, CloneResult::kCompleted);
    EXPECT_EQ(settings.GetString("SetupInfo", "CallSign", ""), "      ");
    EXPECT_EQ(setup->StoredCallSign(), "");
    EXPECT_EQ(setup->Cancel({1, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", {}}).storeFailure, "");
    EXPECT_EQ(settings.GetString("SetupInfo", "CallSign", ""), "ABCDEFGHIJKLMNOPQRST");
}

TEST_F(InitialSetup, AFailedOkKeepsOnlyTheCallSignAndThePort) {
    EXPECT_EQ(setup->Ok({3, "K1XYZ", {}}).result, CloneResult::kFailed);  // nobody answers
    EXPECT_FALSE(settings.Contains("SetupInfo", "0000"));
    EXPECT_FALSE(settings.Contains("SetupInfo", "0001"));
    EXPECT_EQ(settings.GetString("SetupInfo", "CallSign", ""), "K1XYZ");
    EXPECT_EQ(settings.GetInt("CommPort", "PortNumber", 0), 3);
    EXPECT_EQ(ui.Report(), (std::vector<std::string>{
                               "status: " + std::string(CloneText(text_id::kIllegalInformation)),
                               "box!: " + std::string(CloneText(text_id::kCheckCloning))}));
    EXPECT_EQ(tones.signals.at(0).front().hertz, 500U);
}

TEST_F(InitialSetup, AFailedOkNamesTheLikelyCauseWithItsBox) {
    peer.echo = false;  // the line stays silent
    EXPECT_EQ(setup->Ok({2, "K1XYZ", "/dev/ttyACM4"}).result, CloneResult::kFailed);
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "status: " + std::string(CloneText(text_id::kIllegalInformation)),
                          "cause: /dev/ttyACM4: nothing came back: the cable is not connected to "
                          "the computer or to the transceiver, or the transceiver is off",
                          "box!: " + std::string(CloneText(text_id::kCheckCloning))}));
}

TEST_F(InitialSetup, AnIdentificationWithoutVersionAndExpansionTeachesNothing) {
    Identify({0x05});  // the expansion byte never came
    EXPECT_EQ(setup->Ok({1, "K1XYZ", {}}).result, CloneResult::kFailed);
    EXPECT_FALSE(settings.Contains("SetupInfo", "0000"));
    EXPECT_FALSE(settings.Contains("SetupInfo", "0001"));
    EXPECT_FALSE(settings.Contains("SetupInfo", "0002"));
}

TEST_F(InitialSetup, CancelKeepsTheCallSignAndThePort) {
    EXPECT_EQ(setup->Cancel({3, "", {}}).result, CloneResult::kCompleted);
    EXPECT_FALSE(settings.Contains("SetupInfo", "0000"));
    EXPECT_EQ(settings.GetString("SetupInfo", "CallSign", ""), "      ");
    EXPECT_EQ(settings.GetInt("CommPort", "PortNumber", 0), 3);
    EXPECT_TRUE(peer.heard.empty());
}

TEST_F(InitialSetup, ThePortNumberOpensTheDeviceTheSettingsName) {
    settings.SetString("CommPort", "Device2", "/dev/my-cable");
    Identify({0x03, 0x00});
    EXPECT_EQ(setup->Ok({2, "K1XYZ", {}}).result, CloneResult::kCompleted);
    EXPECT_EQ(line->openedDevice, "/dev/my-cable");
    // A port without a device of its own in the settings opens its default device.
    EXPECT_EQ(setup->Ok({4, "K1XYZ", {}}).result, CloneResult::kCompleted);
    EXPECT_EQ(line->openedDevice, "/dev/ttyS1");
    // A device path given directly is opened as it is; the port number is kept.
    EXPECT_EQ(setup->Ok({2, "K1XYZ", "/dev/other"}).result, CloneResult::kCompleted);
    EXPECT_EQ(line->openedDevice, "/dev/other");
    EXPECT_EQ(settings.GetInt("CommPort", "PortNumber", 0), 2);
}

TEST_F(InitialSetup, SettingsThatCouldNotBeStoredAreReported) {
    settings.FailFlushes("/cfg/QL-7400.conf: no space left on the device");
    Identify({0x03, 0x00});
    const SetupOutcome ok = setup->Ok({1, "K1XYZ", {}});
    EXPECT_EQ(ok.result, CloneResult::kCompleted);
    EXPECT_EQ(ok.storeFailure, "/cfg/QL-7400.conf: no space left on the device");
    EXPECT_EQ(setup->Cancel({1, "K1XYZ", {}}).storeFailure,
              "/cfg/QL-7400.conf: no space left on the device");
}

}  // namespace
}  // namespace ql::test

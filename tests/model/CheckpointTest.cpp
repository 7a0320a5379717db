#include <gtest/gtest.h>

#include "model/C7400RadioData.h"
#include "model/CRigChange.h"
#include "model/CRigCheckpoint.h"
#include "support/CMemorySettingsStore.h"

namespace ql {
namespace {

// A checkpoint puts back everything the commands changed: channels, common settings, DTMF,
// version (with its common settings lists), edit flag and the values not yet rebuilt.
TEST(CheckpointTest, PutsBackEveryChangeIncludingTheVersion) {
    CMemorySettingsStore settings;
    C7400RadioData radio(settings);
    radio.Reset();
    radio.Command("CH.MCH_144.1.FREQUENCY=145.0000");
    radio.Command("COMMON.SUB_BAND_REMO_PASSWORD=99999");  // held beyond the 12 stored bits
    const auto checkpoint = radio.TakeCheckpoint();
    const std::string saved = radio.SaveText();
    radio.RestoreCheckpoint(*checkpoint);  // the save rebuilt; back to the unrebuilt state

    radio.Command("CH.MCH_144.1.FREQUENCY=146.0000");
    radio.Command("COMMON.AUTO_REPEATER=ON1");
    radio.Command("DTMF.3=123");
    radio.Command("MODEL.COUNTRY.ByNumber=10");
    radio.Command("EDIT_FLAG=OFF");
    radio.RestoreCheckpoint(*checkpoint);

    EXPECT_EQ(radio.Command("MODEL.COUNTRY.ByNumber"), "0");
    EXPECT_EQ(radio.Command("COMMON.SUB_BAND_REMO_PASSWORD"), "99999");
    EXPECT_EQ(radio.Command("CH.MCH_144.1.FREQUENCY"), "145.0000");
    EXPECT_EQ(radio.Command("DTMF.3"), "");
    EXPECT_EQ(radio.Command("COMMON.AUTO_REPEATER=ON1"), "ON1");  // version 0's lists again
    radio.RestoreCheckpoint(*checkpoint);
    EXPECT_EQ(radio.SaveText(), saved);
    EXPECT_EQ(radio.Command("EDIT_FLAG"), "ON");
}

}  // namespace
}  // namespace ql

namespace ql {
namespace {

// An edit's change, taken back and made again, gives the files saved before and after it;
// it holds only what differs.
TEST(RigChangeTest, TakenBackAndMadeAgainGivesTheSameFiles) {
    CMemorySettingsStore settings;
    C7400RadioData radio(settings);
    radio.Reset();
    radio.Command("CH.MCH_144.7.ALL=APPEAR=ON\tFREQUENCY=145.5000\tNAME=HOME");
    const std::string before = radio.SaveText();

    const auto state = radio.CaptureState();
    radio.Command("CH.MCH_144.7.FREQUENCY=146.0000");
    radio.Command("CH.MCH_144.7.COPY");
    radio.Command("CH.MCH_430.99.PASTE");
    radio.Command("CH.MCH_144.3.DELETE");
    radio.Command("COMMON.RF_POWER_VHF=MID-L");
    radio.Command("DTMF.3=123");
    const CRigChange change = radio.ChangeSince(*state);
    const std::string after = radio.SaveText();
    ASSERT_NE(after, before);
    EXPECT_LT(change.channels.size(), 110U) << "the channels that moved or changed, no more";
    EXPECT_FALSE(change.settings.empty());

    radio.PutBack(change, false);
    EXPECT_EQ(radio.SaveText(), before);
    EXPECT_EQ(radio.Command("CH.MCH_144.7.NAME"), "HOME    ");
    radio.PutBack(change, true);
    EXPECT_EQ(radio.SaveText(), after);
    EXPECT_TRUE(radio.ChangeSince(*radio.CaptureState()).Empty());
}

}  // namespace
}  // namespace ql

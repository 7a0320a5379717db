#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/C7400RadioData.h"
#include "model/CRigCheckpoint.h"
#include "support/CMemorySettingsStore.h"
#include "support/FullDataSet.h"

namespace ql {
namespace {

// The data file a whole rebuild makes of the data set as it stands (every channel healed and
// written again); the data set is left as it was.
std::string WholeRebuildText(CRadioData& radio) {
    const std::unique_ptr<CRigCheckpoint> before = radio.TakeCheckpoint();
    std::unique_ptr<CRigCheckpoint> whole = radio.TakeCheckpoint();
    whole->healed.Forget();
    radio.RestoreCheckpoint(*whole);
    std::string text = radio.SaveText();
    radio.RestoreCheckpoint(*before);
    return text;
}

class RebuildTest : public ::testing::Test {
  protected:
    RebuildTest() {
        radio_.Reset();
        test::FillAllMemoryChannels(radio_);
        radio_.Command("DTMF.0=0123456789ABCDEF");
        (void)radio_.SaveText();  // from here on a rebuild heals only what changed
    }

    // Runs the commands, then proves the rebuild's data file equal to a whole rebuild's.
    void ExpectSameAfter(const std::vector<std::string_view>& commands) {
        for (const std::string_view command : commands) radio_.Command(command);
        const std::string whole = WholeRebuildText(radio_);
        EXPECT_EQ(radio_.SaveText(), whole) << "after " << commands.front();
    }

    CMemorySettingsStore settings_;
    C7400RadioData radio_{settings_};
};

// Each kind of change a user can make, one after the other on the same data set, so that
// every rebuild starts from the last one's image.
TEST_F(RebuildTest, ChangedChannelsAloneGiveTheWholeRebuildsImage) {
    ExpectSameAfter({"CH.MCH_144.12.FREQUENCY=145.00625"});  // off the raster: healed
    ExpectSameAfter({"CH.MCH_430.5.ALL=APPEAR=ON\tFREQUENCY=851.0000\tMODE=AM"});  // mode healed
    ExpectSameAfter({"CH.MCH_144.7.APPEAR=OFF"});  // blank: the name goes
    ExpectSameAfter({"CH.MCH_144.3.COPY", "CH.MCH_144.40.PASTE"});
    ExpectSameAfter({"CH.MCH_144.2.INSERT"});  // every channel below moves
    ExpectSameAfter({"CH.MCH_430.9.DELETE"});
    ExpectSameAfter({"CH.MCH_430.20.CLEAR"});
    ExpectSameAfter({"CH.VFO.144.FREQUENCY=146.0000"});  // the VFO entries go back to factory
    ExpectSameAfter({"CH.CALL_430.1.NAME=home", "CH.PCH_144.2A.FREQUENCY=144.5000"});
    ExpectSameAfter({"COMMON.BEEP=OFF", "COMMON.MCH_NO_VHF=17", "DTMF.4=555"});
    ExpectSameAfter({"MODEL.EXPAND.CEL=ON"});  // the legal ranges change under every channel
    ExpectSameAfter({"CH.MCH_144.12.FREQUENCY=144.0000", "CH.MCH_144.12.FREQUENCY=145.00625"});
    ExpectSameAfter({"MODEL.COUNTRY.ByNumber=3"});  // a new version initializes
    ExpectSameAfter({"CH.MCH_144.1.FREQUENCY=145.0000"});
}

// The edit flag compares the image with the one last saved; a change undone again must read
// as no change, and a change must not be missed by a rebuild that skips unchanged channels.
TEST_F(RebuildTest, EditFlagSeesAChangeAndItsUndoing) {
    ASSERT_EQ(radio_.Command("EDIT_FLAG=OFF"), "OFF");
    const std::string name = radio_.Command("CH.MCH_144.30.NAME");
    radio_.Command("CH.MCH_144.30.NAME=OTHER");
    EXPECT_EQ(radio_.Command("EDIT_FLAG"), "ON");
    radio_.Command("EDIT_FLAG=OFF");
    radio_.Command("CH.MCH_144.30.NAME=" + name);
    radio_.Command("CH.MCH_144.30.NAME=OTHER");
    EXPECT_EQ(radio_.Command("EDIT_FLAG"), "OFF");
}

// A load replaces the image under the remembered channels; what is rebuilt afterwards must
// come from the loaded file, not from what the channels were before.
TEST_F(RebuildTest, ALoadedFileIsNotMistakenForTheChannelsBeforeIt) {
    const std::string saved = radio_.SaveText();
    radio_.Command("CH.MCH_144.50.FREQUENCY=146.5200");
    const std::string changed = radio_.SaveText();
    ASSERT_NE(changed, saved);
    ASSERT_EQ(radio_.LoadText(saved), IcfResult::kOk);
    EXPECT_EQ(radio_.SaveText(), saved);
    EXPECT_EQ(radio_.Command("CH.MCH_144.50.FREQUENCY"), "145.0000");
}

}  // namespace
}  // namespace ql

// Port Settings and the initial setup's port list over a fake /sys and /dev: what they list,
// what OK stores, and the adapter a first start proposes.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "clone/CClock.h"
#include "clone/CCloneLink.h"
#include "clone/CComPort.h"
#include "clone/CloneFakes.h"
#include "clone/FakeSystemTree.h"
#include "document/CInitialSetup.h"
#include "support/CMemorySettingsStore.h"
#include "support/TestSupport.h"
#include "ui/CInitialSetupDlg.h"
#include "ui/CPortSettingsDlg.h"
#include "ui/PortEntryText.h"

namespace ql::test {
namespace {

class PortSettingsTest : public ::testing::Test {
  protected:
    PortSettingsTest() : tree(dir.Path()) {}

    // An FTDI adapter with its by-id link, as the kernel shows one.
    void PlugFtdi() {
        const auto usb = tree.AddUsbDevice("1-1", "0403", "6001", "FTDI", "FT232R USB UART");
        const auto interface = tree.AddInterface(usb, "ftdi_sio");
        tree.AddConverterPort(interface, "ttyUSB0", "ftdi_sio");
        tree.AddById("usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0", "ttyUSB0");
    }
    void PlugAcm() {
        const auto usb = tree.AddUsbDevice("1-2", "2341", "0043", "Maker", "Clone Cable");
        const auto interface = tree.AddInterface(usb, "cdc_acm");
        tree.AddTty("ttyACM0", interface);
    }
    [[nodiscard]] ui::DeviceLister Lister() const {
        return [this] { return DiscoverSerialDevices(tree.Roots()); };
    }
    [[nodiscard]] std::string ById() const {
        return (tree.Roots().dev / "serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0")
            .string();
    }

    TempDir dir;
    FakeSystemTree tree;
    CMemorySettingsStore settings;
};

TEST_F(PortSettingsTest, PortEntriesNameTheDeviceOrSayItIsMissing) {
    PlugFtdi();
    const std::vector<SerialDevice> devices = Lister()();
    EXPECT_EQ(ui::PortEntryText(1, ById(), devices), "COM1  (ttyUSB0, FT232R USB UART)");
    EXPECT_EQ(ui::PortEntryText(1, (tree.Roots().dev / "ttyUSB0").string(), devices),
              "COM1  (ttyUSB0, FT232R USB UART)");
    EXPECT_EQ(ui::PortEntryText(3, "/dev/ttyS0", devices), "COM3  (ttyS0, not present)");
}

TEST_F(PortSettingsTest, ChoosingAListedDeviceStoresItsStableName) {
    PlugFtdi();
    PlugAcm();
    settings.SetString("CommPort", "Device3", "/dev/pts/7");
    ui::CPortSettingsDlg dialog(settings, 2, Lister(), nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Port Settings");
    EXPECT_EQ(dialog.PortList()->currentText(), "COM2");
    EXPECT_EQ(dialog.PathField()->text(), "/dev/ttyUSB1");
    QTreeWidget& table = *dialog.DeviceTable();
    ASSERT_EQ(table.topLevelItemCount(), 2);
    // The adapter with a by-id name is chosen by that name, the other by its path.
    table.setCurrentItem(table.topLevelItem(1));
    EXPECT_EQ(table.topLevelItem(1)->text(2), "FT232R USB UART");
    EXPECT_EQ(dialog.PathField()->text().toStdString(), ById());
    table.setCurrentItem(table.topLevelItem(0));
    EXPECT_EQ(dialog.PathField()->text().toStdString(), (tree.Roots().dev / "ttyACM0").string());
    table.setCurrentItem(table.topLevelItem(1));

    // Another port keeps its own device; a path typed by hand is taken as it is.
    dialog.PortList()->setCurrentIndex(2);
    EXPECT_EQ(dialog.PathField()->text(), "/dev/pts/7");
    dialog.PathField()->setText("  /dev/pts/9 ");
    dialog.accept();
    EXPECT_EQ(settings.GetString("CommPort", "Device2", ""), ById());
    EXPECT_EQ(settings.GetString("CommPort", "Device3", ""), "/dev/pts/9");
    EXPECT_FALSE(settings.Contains("CommPort", "Device1")) << "an unchanged port stores nothing";
}

TEST_F(PortSettingsTest, CancelStoresNothingAndRefreshFindsANewAdapter) {
    ui::CPortSettingsDlg dialog(settings, 1, Lister(), nullptr);
    dialog.show();
    EXPECT_EQ(dialog.DeviceTable()->topLevelItemCount(), 0);
    PlugFtdi();
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == "&Refresh") button->click();
    }
    EXPECT_EQ(dialog.DeviceTable()->topLevelItemCount(), 1);
    dialog.PathField()->setText("/dev/ttyACM3");
    dialog.reject();
    EXPECT_FALSE(settings.Contains("CommPort", "Device1"));
}

TEST_F(PortSettingsTest, EveryControlIsNamedAfterItsLabel) {
    ui::CPortSettingsDlg dialog(settings, 1, Lister(), nullptr);
    EXPECT_EQ(dialog.PortList()->accessibleName(), "Port:");
    EXPECT_EQ(dialog.DeviceTable()->accessibleName(), "Serial devices found:");
    EXPECT_EQ(dialog.PathField()->accessibleName(), "Device path:");
}

class SetupProposalTest : public PortSettingsTest {
  protected:
    SetupProposalTest()
        : link(std::make_unique<CComPort>(), clock, tones), setup(link, settings, cloneUi) {}

    CMonotonicClock clock;
    RecordingTones tones;
    CCloneLink link;
    ScriptedUi cloneUi;
    CInitialSetup setup;
};

TEST_F(SetupProposalTest, AFirstStartProposesTheOneAdapterAndCancelKeepsIt) {
    PlugFtdi();
    {
        ui::CInitialSetupDlg dialog(setup, nullptr, Lister());
        EXPECT_EQ(dialog.findChild<QComboBox*>()->currentText(),
                  "COM1  (ttyUSB0, FT232R USB UART)");
        EXPECT_EQ(dialog.findChild<QComboBox*>()->itemText(1), "COM2  (ttyUSB1, not present)");
        dialog.reject();
    }
    EXPECT_EQ(settings.GetString("CommPort", "Device1", ""), ById());
}

TEST_F(SetupProposalTest, NoProposalWithTwoAdaptersOrAStoredDevice) {
    PlugFtdi();
    PlugAcm();
    {
        ui::CInitialSetupDlg dialog(setup, nullptr, Lister());
        EXPECT_EQ(dialog.findChild<QComboBox*>()->currentText(), "COM1  (ttyUSB0, not present)");
        dialog.reject();
    }
    EXPECT_FALSE(settings.Contains("CommPort", "Device1"));

    settings.SetString("CommPort", "Device4", "/dev/ttyS1");
    tree.AddPlatformPort("ttyS1", 4);
    ui::CInitialSetupDlg dialog(setup, nullptr, Lister());
    EXPECT_EQ(dialog.findChild<QComboBox*>()->itemText(0), "COM1  (ttyUSB0, not present)");
    dialog.reject();
    EXPECT_FALSE(settings.Contains("CommPort", "Device1"));
}

}  // namespace
}  // namespace ql::test

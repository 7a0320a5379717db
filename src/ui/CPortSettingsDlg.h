#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <vector>

#include "clone/PortDevices.h"
#include "clone/SerialDiscovery.h"
#include "ui/PortEntryText.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace ql {
class CSettingsStore;
}

namespace ql::ui {

// "Port Settings": which device each of COM1 to COM4 opens. It lists the serial devices the
// system has (device, stable by-id name, adapter), with Refresh, and a field for any path (a
// pseudo-terminal, a by-id name typed by hand). Choosing a listed device puts its stable
// name in the field, so the port survives replugging. OK stores "CommPort" "Device<n>" of
// every port whose device was changed; Cancel stores nothing.
class CPortSettingsDlg final : public QDialog {
    Q_OBJECT
  public:
    CPortSettingsDlg(CSettingsStore& settings, unsigned port, DeviceLister lister, QWidget* parent);

    void accept() override;

    // Lists the devices again.
    void Refresh();

    [[nodiscard]] QComboBox* PortList() const { return port_; }
    [[nodiscard]] QTreeWidget* DeviceTable() const { return devices_; }
    [[nodiscard]] QLineEdit* PathField() const { return path_; }

  private:
    void ShowPort(int index);
    void TakeSelectedDevice();

    CSettingsStore& settings_;
    DeviceLister lister_;
    std::vector<SerialDevice> found_;
    // Each port's device as the dialog shows it, index 0 for COM1.
    std::array<QString, kPortCount> chosen_;
    int shownPort_ = 0;
    QComboBox* port_ = nullptr;
    QTreeWidget* devices_ = nullptr;
    QLabel* none_ = nullptr;
    QLineEdit* path_ = nullptr;
};

}  // namespace ql::ui

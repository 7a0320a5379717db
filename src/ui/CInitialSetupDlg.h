#pragma once

#include <QDialog>
#include <string>

#include "document/CInitialSetup.h"
#include "ui/PortEntryText.h"

class QComboBox;
class QLineEdit;

namespace ql::ui {

// "QL-7400 Initial Setup": the instructions, the port list and the call sign. OK reads the
// transceiver's identification through the setup and closes only when that succeeded;
// Cancel (and Escape) keeps the call sign and the port, not the version.
class CInitialSetupDlg final : public QDialog {
    Q_OBJECT
  public:
    // The port list names each port's device as the system has it (lister); on a first start
    // with no device stored and exactly one USB serial adapter plugged in, the stored port
    // proposes that adapter, which OK and Cancel then keep as the port's device.
    CInitialSetupDlg(CInitialSetup& setup, QWidget* parent,
                     const DeviceLister& lister = SystemDeviceLister());

    void accept() override;
    void reject() override;

  private:
    [[nodiscard]] SetupChoice Choice() const;
    void ReportStoreFailure(const std::string& failure);

    CInitialSetup& setup_;
    // The port that OK last tried (at first the stored one): what Cancel keeps.
    unsigned port_number_;
    // The adapter proposed for the stored port (empty: none).
    std::string proposed_;
    QComboBox* port_ = nullptr;
    QLineEdit* callSign_ = nullptr;
};

}  // namespace ql::ui

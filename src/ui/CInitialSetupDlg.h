#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace ql {
class CCloneLink;
class CInitialSetup;
class CSettingsStore;
}  // namespace ql

namespace ql::ui {

// "QL-7400 Initial Setup": the instructions, the port list and the call sign. OK reads the
// transceiver's identification through the setup and closes only when that succeeded;
// Cancel (and Escape) keeps the call sign and the port, not the version.
class CInitialSetupDlg final : public QDialog {
    Q_OBJECT
  public:
    CInitialSetupDlg(CInitialSetup& setup, CCloneLink& link, const CSettingsStore& settings,
                     QWidget* parent);

    void accept() override;
    void reject() override;

  private:
    CInitialSetup& setup_;
    CCloneLink& link_;
    const CSettingsStore& settings_;
    QComboBox* port_ = nullptr;
    QLineEdit* callSign_ = nullptr;
};

}  // namespace ql::ui

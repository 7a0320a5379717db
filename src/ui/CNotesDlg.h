#pragma once

#include <QDialog>

class QCheckBox;

namespace ql {
class CSettingsStore;
}

namespace ql::ui {

// "Notes": how to put the transceiver into cloning mode, on a white panel under a heading,
// with the "&Startup" check box that decides whether the dialog opens at start-up ("Tip"
// "StartUp"): "&Close" writes it, Escape writes nothing.
class CNotesDlg final : public QDialog {
    Q_OBJECT
  public:
    CNotesDlg(CSettingsStore& settings, QWidget* parent);

    // True when the settings ask for the dialog at start-up.
    [[nodiscard]] static bool ShowAtStartup(const CSettingsStore& settings);

    void accept() override;

  private:
    CSettingsStore& settings_;
    QCheckBox* startup_ = nullptr;
};

}  // namespace ql::ui

#pragma once

// CPropertyPageC33: the " MIC Option " page of the Setting sheet.

#include <array>

#include "ui/CPropertyPage.h"

class QComboBox;
class QGroupBox;
class QLabel;

namespace ql::ui {

// The " MIC Option " page: the functions of the microphone's F-1, F-2, UP and DN keys, and
// the address of the optional microphone.
class CPropertyPageC33 final : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CPropertyPageC33(CRadioCommands& radio);

    void OnSetActive() override;
    void OnKillActive() override;

  private:
    void SetLabels();

    QGroupBox* functionsFrame_ = nullptr;
    QGroupBox* optionFrame_ = nullptr;
    // F-1, F-2, UP, DN.
    std::array<Row, 4> keys_{};
    Row address_;
};

}  // namespace ql::ui

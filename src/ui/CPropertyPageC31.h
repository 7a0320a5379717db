#pragma once

// CPropertyPageC31: the " Common " page of the Setting sheet.

#include <array>

#include "ui/CPropertyPage.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSlider;

namespace ql::ui {

// The " Common " page: the beeps and switches, time-out timer, auto repeater, auto
// power-off, fan, packet speed, squelch delay, and per band the scan resume and RF power.
class CPropertyPageC31 final : public CPropertyPage {
    Q_OBJECT
  public:
    // What the version offers for the auto repeater.
    enum class RepeaterStyle { kNone = 0, kOffOn = 1, kDuplex = 2 };

    explicit CPropertyPageC31(CRadioCommands& radio);

    void OnSetActive() override;
    void OnKillActive() override;

    [[nodiscard]] RepeaterStyle Style() const { return style_; }

  private:
    struct Band {
        QGroupBox* frame = nullptr;
        QLabel* scanLabel = nullptr;
        QComboBox* scan = nullptr;
        QLabel* powerLabel = nullptr;
        QSlider* power = nullptr;
        std::array<QLabel*, 4> marks{};
    };
    [[nodiscard]] Band MakeBand();
    void SetLabels();
    void FillLists();
    void LoadValues();

    QGroupBox* switchesFrame_ = nullptr;
    QGroupBox* listsFrame_ = nullptr;
    QCheckBox* beep_ = nullptr;
    QCheckBox* subBandMute_ = nullptr;
    QCheckBox* subBandBeep_ = nullptr;
    QCheckBox* attenuator_ = nullptr;
    QCheckBox* memoryName_ = nullptr;
    Row tot_;
    Row repeater_;
    Row powerOff_;
    Row fan_;
    Row packet_;
    Row squelch_;
    Band vhf_;
    Band uhf_;
    RepeaterStyle style_ = RepeaterStyle::kNone;
};

}  // namespace ql::ui

#pragma once

#include <QDialog>
#include <string>

#include "model/ChannelPath.h"
#include "ui/ChannelEdit.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace ql::ui {

class CRadioCommands;

// "Edit Memory ch": every property of one channel of a band's list. It reads the
// channel with queries when it is made and, on OK, writes every property back with
// assignments as one change, "APPEAR" and "HEAL" last. Cancel sends nothing. While the
// frequency is typed, a note under it tells when OK will erase the channel or keep a
// frequency the version cannot use.
class CEditMemoryDlg final : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kFrequencyLength = 11;
    static constexpr int kNameLength = 8;

    CEditMemoryDlg(CRadioCommands& radio, Band band, unsigned channel, QWidget* parent);

    void accept() override;

    // The controls' texts and button states as they stand.
    [[nodiscard]] ChannelEdit Values() const;

  private:
    void BuildControls();
    void Show(const ChannelEdit& edit);
    // Enables the controls that a channel with this frequency and number may change, and
    // shows "NarrowFM" on the European versions in the VHF list only.
    void UpdateControls();
    // Says under the frequency what OK will do with the typed text when the user may not
    // expect it; hidden when there is nothing to say.
    void UpdateNote();

    CRadioCommands& radio_;
    Band band_;
    unsigned channel_;
    std::string prefix_;

    QLineEdit* frequency_ = nullptr;
    QLabel* note_ = nullptr;
    QComboBox* duplex_ = nullptr;
    QLineEdit* offset_ = nullptr;
    QComboBox* step_ = nullptr;
    QLineEdit* name_ = nullptr;
    QRadioButton* toneOff_ = nullptr;
    QRadioButton* tone_ = nullptr;
    QRadioButton* tsql_ = nullptr;
    QComboBox* repeaterTone_ = nullptr;
    QComboBox* squelchTone_ = nullptr;
    QRadioButton* fm_ = nullptr;
    QRadioButton* am_ = nullptr;
    QRadioButton* narrowFm_ = nullptr;
    QRadioButton* wideFm_ = nullptr;
    QComboBox* skip_ = nullptr;
};

}  // namespace ql::ui

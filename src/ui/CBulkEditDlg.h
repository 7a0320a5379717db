#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "model/ChannelPath.h"
#include "ui/ChannelEdit.h"

class QComboBox;
class QGroupBox;
class QLineEdit;

namespace ql::ui {

class CRadioCommands;
class CUserPrompts;

// "Bulk Edit": gives several channels of one band's list the same values at once. Each
// property (Dup, offset, tone mode, repeater tone, TSQL tone, tuning step, mode, skip) sits
// in a group box whose check box says whether OK assigns it. The values start as the first
// channel in use of the selection holds them. OK first asks the radio data, for every
// channel, whether it would keep each checked value once healed; the first one that would
// not is named in a warning and nothing changes. Otherwise every channel in use gets the
// checked values followed by "HEAL", as Edit Memory's OK leaves a channel, all in one change;
// blank channels stay blank.
class CBulkEditDlg final : public QDialog {
    Q_OBJECT
  public:
    static constexpr std::size_t kFieldCount = 8;

    CBulkEditDlg(CRadioCommands& radio, Band band, const std::vector<unsigned>& channels,
                 CUserPrompts& prompts, QWidget* parent);

    void accept() override;

    // The channels of the selection in use, which OK changes.
    [[nodiscard]] const std::vector<unsigned>& Channels() const { return channels_; }
    // The checkable group box of a field.
    [[nodiscard]] QGroupBox* Group(ChannelField field) const;
    // The controls' values as they stand.
    [[nodiscard]] ChannelEdit Values() const;
    // The fields whose box is checked, in the order OK assigns them.
    [[nodiscard]] std::vector<ChannelField> CheckedFields() const;

  private:
    void BuildControls();
    void Show(const ChannelEdit& edit);
    // The warning for the first channel that would not keep a checked value; empty when
    // every channel keeps them all.
    [[nodiscard]] QString Refusal(const ChannelEdit& edit, const std::vector<ChannelField>& fields);
    // What the field's control shows, as the warning names the value.
    [[nodiscard]] QString ShownValue(ChannelField field) const;

    CRadioCommands& radio_;
    Band band_;
    CUserPrompts& prompts_;
    std::vector<unsigned> channels_;

    std::array<QGroupBox*, kFieldCount> groups_{};
    QComboBox* duplex_ = nullptr;
    QLineEdit* offset_ = nullptr;
    QComboBox* toneMode_ = nullptr;
    QComboBox* repeaterTone_ = nullptr;
    QComboBox* squelchTone_ = nullptr;
    QComboBox* step_ = nullptr;
    QComboBox* mode_ = nullptr;
    QComboBox* skip_ = nullptr;
};

}  // namespace ql::ui

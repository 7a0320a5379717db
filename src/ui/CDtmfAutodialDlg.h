#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "ui/SettingTexts.h"

class QComboBox;
class QLineEdit;

namespace ql::ui {

class CDtmfListBox;
class CRadioCommands;

// "DTMF Autodial": the fourteen autodial memories D0 to DD, the memory sent on the
// transceiver ("Channel Selection") and the sending speed ("Speed"). The dialog edits a copy
// of the codes of its own; OK sends every code and both settings as one step, Cancel sends
// nothing.
class CDtmfAutodialDlg final : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kMemoryCount = kDtmfMemoryCount;
    static constexpr int kCodeLength = kDtmfCodeLength;

    // Reads the codes and both settings from the radio data.
    CDtmfAutodialDlg(CRadioCommands& radio, QWidget* parent);

    void accept() override;

    [[nodiscard]] CDtmfListBox* MemoryList() const { return list_; }
    [[nodiscard]] QLineEdit* CodeEdit() const { return code_; }
    [[nodiscard]] QComboBox* ChannelSelection() const { return channel_; }
    [[nodiscard]] QComboBox* Speed() const { return speed_; }
    // The dialog's copy of memory i's code.
    [[nodiscard]] const QString& Code(int memory) const;

  private:
    void Load();
    [[nodiscard]] int SelectedRow() const;
    void SelectRow(int row);
    void RebuildRow(int row);
    void OnRowSelected();
    void OnCodeChanged(const QString& text);
    void OnCharacterTyped(QChar character);

    CRadioCommands& radio_;
    std::array<QString, kMemoryCount> codes_;
    CDtmfListBox* list_ = nullptr;
    QLineEdit* code_ = nullptr;
    QComboBox* channel_ = nullptr;
    QComboBox* speed_ = nullptr;
};

}  // namespace ql::ui

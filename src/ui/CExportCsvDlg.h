#pragma once

#include <QDialog>

#include "model/ChannelPath.h"

class QRadioButton;

namespace ql::ui {

// Which channels Export CSV writes: the selected rows (offered when several are selected),
// the list on screen or both lists.
class CExportCsvDlg final : public QDialog {
    Q_OBJECT
  public:
    enum class Choice { kSelected, kBand, kBoth };

    CExportCsvDlg(Band band, std::size_t selectedRows, QWidget* parent);

    [[nodiscard]] Choice Chosen() const;

  private:
    QRadioButton* selected_ = nullptr;
    QRadioButton* band_ = nullptr;
    QRadioButton* both_ = nullptr;
};

}  // namespace ql::ui

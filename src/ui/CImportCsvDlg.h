#pragma once

#include <QDialog>
#include <QString>

#include "document/ChannelImport.h"
#include "model/ChannelPath.h"

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace ql::ui {

// What an import or a paste of channel rows would do, before anything changes: how many
// channels go into which list, the rows that cannot be taken with the reason of each, and,
// for an import, whether the rows go to the channel numbers in the file or from the selected
// channel on. OK takes what is shown; Cancel leaves the data as it is.
class CImportCsvDlg final : public QDialog {
    Q_OBJECT
  public:
    // atSelection is the plan re-based at selectedChannel; null where there is no such choice
    // (a paste always starts at the selection).
    CImportCsvDlg(const QString& title, const QString& source, Band band,
                  const ChannelImportPlan& atNumbers, const ChannelImportPlan* atSelection,
                  unsigned selectedChannel, QWidget* parent);

    // Whether the user chose the rows to go from the selected channel on.
    [[nodiscard]] bool AtSelection() const;
    // The plan the user chose.
    [[nodiscard]] const ChannelImportPlan& Chosen() const;

  private:
    void ShowPlan();

    QString source_;
    Band band_;
    const ChannelImportPlan& atNumbers_;
    const ChannelImportPlan* atSelection_;
    QLabel* summary_ = nullptr;
    QRadioButton* numbersChoice_ = nullptr;
    QRadioButton* selectionChoice_ = nullptr;
    QListWidget* refused_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace ql::ui

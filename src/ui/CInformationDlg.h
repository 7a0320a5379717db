#pragma once

#include <QDialog>

class QLabel;

namespace ql::ui {

// "Information": the model and the 16-character comment read from the transceiver.
class CInformationDlg final : public QDialog {
    Q_OBJECT
  public:
    CInformationDlg(const QString& model, const QString& comment, QWidget* parent);

    [[nodiscard]] QString ModelText() const;
    [[nodiscard]] QString CommentText() const;

  private:
    QLabel* model_ = nullptr;
    QLabel* comment_ = nullptr;
};

}  // namespace ql::ui

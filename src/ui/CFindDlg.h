#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace ql::ui {

// "Find": one text box for a part of a channel name or a frequency in MHz. Find Next closes
// the dialog with the text, which the list then looks for; it stays disabled while the box
// holds nothing but blanks.
class CFindDlg final : public QDialog {
    Q_OBJECT
  public:
    // Starts with text (the last one looked for) selected.
    CFindDlg(const QString& text, QWidget* parent);

    [[nodiscard]] QString Text() const;
    [[nodiscard]] QLineEdit* Field() const { return field_; }
    [[nodiscard]] QPushButton* FindNextButton() const { return findNext_; }

  private:
    QLineEdit* field_ = nullptr;
    QPushButton* findNext_ = nullptr;
};

}  // namespace ql::ui

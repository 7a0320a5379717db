#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QProgressBar;

namespace ql::ui {

// "Cloning": the progress of a clone read or write. While it exists its owner, the main
// window, is disabled; the dialog itself is a window of its own (not the owner's child, which
// Qt would disable with it) so that it keeps answering Escape, its cancel command. The
// exchange runs on a thread of its own; the window's event loop keeps running meanwhile and
// delivers the progress, and the cancel command reaches the exchange through CancelCommand.
class CProgressDlg final : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kLower = 0;
    static constexpr int kUpper = 100;
    static constexpr int kStep = 10;

    // Disables owner when it is enabled, and shows the dialog.
    CProgressDlg(QWidget* owner, const QString& caption);
    ~CProgressDlg() override;
    CProgressDlg(const CProgressDlg&) = delete;
    CProgressDlg& operator=(const CProgressDlg&) = delete;

    void SetProgress(int percent);
    // True once after the cancel command.
    [[nodiscard]] bool CancelRequested();

    [[nodiscard]] int Position() const;
    // The percentage text, for example "40%" (kept hidden, as the bar says the same).
    [[nodiscard]] QString PercentText() const;

    // Escape: asks the exchange to stop; the dialog stays open until it has.
    void reject() override;

  Q_SIGNALS:
    // Escape or the close box: the user asked the exchange to stop.
    void CancelCommand();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void RequestCancel();

    QPointer<QWidget> owner_;
    bool ownerDisabled_ = false;
    bool cancelRequested_ = false;
    QProgressBar* bar_ = nullptr;
    QLabel* percent_ = nullptr;
};

}  // namespace ql::ui

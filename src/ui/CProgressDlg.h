#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>

class QLabel;
class QProgressBar;

namespace ql::ui {

// "Cloning": the progress of a clone read or write. While it exists its owner, the main
// window, is disabled; the dialog itself is a window of its own (not the owner's child, which
// Qt would disable with it) so that it keeps answering Escape, its cancel command. Pending
// window events are processed whenever the exchange reports progress or asks for a cancel.
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
    // True once after the cancel command; pending events are processed first.
    [[nodiscard]] bool CancelRequested();

    [[nodiscard]] int Position() const;
    // The percentage text, for example "40%" (kept hidden, as the bar says the same).
    [[nodiscard]] QString PercentText() const;

    // Escape: asks the exchange to stop; the dialog stays open until it has.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Window events are processed at most this often during an exchange.
    static constexpr qint64 kEventSliceMs = 10;

    void ProcessEvents();

    QPointer<QWidget> owner_;
    QElapsedTimer sinceEvents_;
    bool ownerDisabled_ = false;
    bool cancelRequested_ = false;
    QProgressBar* bar_ = nullptr;
    QLabel* percent_ = nullptr;
};

}  // namespace ql::ui

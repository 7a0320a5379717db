#include "ui/CProgressDlg.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql::ui {

CProgressDlg::CProgressDlg(QWidget* owner, const QString& caption)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint), owner_(owner) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(caption);
    setFont(QFont(QStringLiteral("Arial"), 9));

    bar_ = MakeChild<QProgressBar>(this);
    bar_->setRange(kLower, kUpper);
    bar_->setValue(kLower);
    bar_->setTextVisible(false);
    bar_->setAccessibleName(Text(sid::kProgressName));
    bar_->setMinimumWidth(260);

    // The template's Cancel button and percentage text are there but hidden; Escape is the
    // cancel command.
    auto* cancel = MakeChild<QPushButton>(Text(sid::kCancel), this);
    cancel->setEnabled(false);
    cancel->hide();
    percent_ = MakeChild<QLabel>(QStringLiteral(" 0 %"), this);
    percent_->setAlignment(Qt::AlignRight);
    percent_->hide();

    auto* layout = MakeChild<QVBoxLayout>(this);
    layout->addWidget(bar_);
    layout->setContentsMargins(10, 12, 10, 12);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (owner_ != nullptr && owner_->isEnabled()) {
        owner_->setEnabled(false);
        ownerDisabled_ = true;
    }
    winId();
    if (owner_ != nullptr && owner_->window()->windowHandle() != nullptr) {
        windowHandle()->setTransientParent(owner_->window()->windowHandle());
    }
    show();
}

CProgressDlg::~CProgressDlg() {
    if (ownerDisabled_ && owner_ != nullptr) owner_->setEnabled(true);
}

void CProgressDlg::SetProgress(int percent) {
    bar_->setValue(std::clamp(percent, kLower, kUpper));
    int n = (percent - kLower) * 100 / (kUpper - kLower);
    if (n != 100) n %= 100;
    const QString text = QStringLiteral("%1%").arg(n);
    if (percent_->text() != text) percent_->setText(text);
}

bool CProgressDlg::CancelRequested() {
    const bool requested = cancelRequested_;
    cancelRequested_ = false;
    return requested;
}

int CProgressDlg::Position() const {
    return bar_->value();
}

QString CProgressDlg::PercentText() const {
    return percent_->text();
}

void CProgressDlg::RequestCancel() {
    cancelRequested_ = true;
    Q_EMIT CancelCommand();
}

void CProgressDlg::reject() {
    RequestCancel();
}

void CProgressDlg::closeEvent(QCloseEvent* event) {
    // The window's close box is a cancel command too; the exchange closes the dialog.
    RequestCancel();
    event->ignore();
}

}  // namespace ql::ui

#include "app/CQtCloneUi.h"

#include <QApplication>
#include <utility>

#include "desktop/QtText.h"
#include "ui/CInformationDlg.h"
#include "ui/CProgressDlg.h"
#include "ui/CUserPrompts.h"

namespace ql {

CQtCloneUi::CQtCloneUi(ui::CUserPrompts& prompts) : prompts_(prompts) {}

CQtCloneUi::~CQtCloneUi() = default;

void CQtCloneUi::ShowStatus(std::string_view text) {
    if (status_ && window_ != nullptr) status_(ToQString(text));
}

void CQtCloneUi::BeginProgress(std::string_view caption) {
    progress_.reset();
    progress_ = std::make_unique<ui::CProgressDlg>(window_, ToQString(caption));
    QObject::connect(progress_.get(), &ui::CProgressDlg::CancelCommand, progress_.get(), [this] {
        if (cancel_) cancel_();
    });
}

void CQtCloneUi::SetProgress(int percent) {
    if (progress_) progress_->SetProgress(percent);
}

bool CQtCloneUi::CancelRequested() {
    return progress_ && progress_->CancelRequested();
}

void CQtCloneUi::EndProgress() {
    progress_.reset();
}

bool CQtCloneUi::ConfirmOkCancel(std::string_view question) {
    return prompts_.OkCancel(ToQString(question)) == ui::CUserPrompts::Answer::kOk;
}

void CQtCloneUi::ShowCause(std::string_view line) {
    causes_.append(ToQString(line));
}

void CQtCloneUi::ShowMessage(std::string_view text, bool warning) {
    const QStringList causes = std::exchange(causes_, {});
    if (warning && !causes.isEmpty()) {
        prompts_.WarningWithCause(ToQString(text), causes.join(QLatin1Char('\n')));
    } else if (warning) {
        prompts_.Warning(ToQString(text));
    } else {
        prompts_.Information(ToQString(text));
    }
}

void CQtCloneUi::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtCloneUi::EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}

void CQtCloneUi::ShowInformation(std::string_view modelName, std::string_view comment) {
    ui::CInformationDlg dialog(ToQString(modelName), ToQString(comment), window_);
    dialog.exec();
}

void CQtCloneUi::DataLoaded() {
    if (loaded_) loaded_();
}

}  // namespace ql

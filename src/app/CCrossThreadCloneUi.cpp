#include "app/CCrossThreadCloneUi.h"

#include <string>

#include "app/CWorkerBridge.h"

namespace ql {

CCrossThreadCloneUi::CCrossThreadCloneUi(CCloneUi& window, CWorkerBridge& bridge)
    : window_(window), bridge_(bridge) {}

CCrossThreadCloneUi::~CCrossThreadCloneUi() = default;

void CCrossThreadCloneUi::ShowStatus(std::string_view text) {
    bridge_.Post([this, text = std::string(text)] { window_.ShowStatus(text); });
}

void CCrossThreadCloneUi::BeginProgress(std::string_view caption) {
    shownPercent_ = -1;
    bridge_.Post([this, caption = std::string(caption)] { window_.BeginProgress(caption); });
}

void CCrossThreadCloneUi::SetProgress(int percent) {
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    bridge_.Post([this, percent] { window_.SetProgress(percent); });
}

bool CCrossThreadCloneUi::CancelRequested() {
    // Quiet first: a request that comes in between leaves both the flag and the descriptor.
    wake_.Clear();
    return cancel_.exchange(false);
}

void CCrossThreadCloneUi::EndProgress() {
    bridge_.Post([this] { window_.EndProgress(); });
}

bool CCrossThreadCloneUi::ConfirmOkCancel(std::string_view question) {
    bool ok = false;
    bridge_.Await([&] { ok = window_.ConfirmOkCancel(question); });
    return ok;
}

void CCrossThreadCloneUi::ShowMessage(std::string_view text, bool warning) {
    bridge_.Await([&] { window_.ShowMessage(text, warning); });
}

void CCrossThreadCloneUi::BeginWaitCursor() {
    bridge_.Post([this] { window_.BeginWaitCursor(); });
}

void CCrossThreadCloneUi::EndWaitCursor() {
    bridge_.Post([this] { window_.EndWaitCursor(); });
}

void CCrossThreadCloneUi::ShowInformation(std::string_view modelName, std::string_view comment) {
    bridge_.Await([&] { window_.ShowInformation(modelName, comment); });
}

void CCrossThreadCloneUi::DataLoaded() {
    bridge_.Await([this] { window_.DataLoaded(); });
}

void CCrossThreadCloneUi::ShowCause(std::string_view line) {
    bridge_.Await([&] { window_.ShowCause(line); });
}

void CCrossThreadCloneUi::WithDataSet(const std::function<void()>& access) {
    bridge_.Await([&] { window_.WithDataSet(access); });
}

}  // namespace ql

#include "cli/CTerminalCloneUi.h"

#include <algorithm>

#include "base/AsciiText.h"
#include "cli/CInterruptWatch.h"
#include "model/TextOps.h"

namespace ql::cli {

namespace {
constexpr int kBarWidth = 30;
}  // namespace

std::string TerminalText(std::string_view text) {
    std::string line;
    for (const char c : TrimBlanks(text)) {
        if (c != '\r') line.push_back(c);
    }
    line.push_back('\n');
    return line;
}

CTerminalCloneUi::CTerminalCloneUi(std::ostream& progressOut, bool drawProgress,
                                   CInterruptWatch* interrupts)
    : out_(progressOut), draw_(drawProgress), interrupts_(interrupts) {}

void CTerminalCloneUi::BeginProgress(std::string_view caption) {
    caption_ = std::string(caption);
    percent_ = -1;
    active_ = true;
    SetProgress(0);
}

void CTerminalCloneUi::SetProgress(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (!active_ || percent == percent_) return;
    percent_ = percent;
    Draw();
}

void CTerminalCloneUi::Draw() {
    if (!draw_) return;
    const int filled = percent_ * kBarWidth / 100;
    out_ << '\r' << caption_ << " [" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << percent_
         << '%';
    const std::string_view status = TrimBlanks(status_);
    if (!status.empty()) out_ << "  " << status;
    out_ << std::flush;
}

bool CTerminalCloneUi::CancelRequested() {
    return interrupts_ != nullptr && interrupts_->Interrupted();
}

int CTerminalCloneUi::CancelDescriptor() {
    return interrupts_ != nullptr ? interrupts_->Descriptor() : -1;
}

void CTerminalCloneUi::EndProgress() {
    if (active_ && draw_) out_ << "\r\033[K" << std::flush;
    active_ = false;
}

void CTerminalCloneUi::ShowInformation(std::string_view modelName, std::string_view comment) {
    // The comment comes from the transceiver as it sent it: no control character of it
    // reaches the terminal.
    information_ =
        "Model: " + std::string(modelName) + "\nComment: " + BlankNonTextCharacters(comment) + "\n";
}

}  // namespace ql::cli

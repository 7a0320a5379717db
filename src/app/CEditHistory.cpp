#include "app/CEditHistory.h"

#include <utility>

#include "model/CRadioData.h"

namespace ql {

CEditHistory::CEditHistory(CRadioData& radio) : radio_(radio) {}

void CEditHistory::Begin() {
    if (depth_++ == 0) start_ = radio_.CaptureState();
}

void CEditHistory::End(std::unique_ptr<ui::CDataSetStep> step) {
    if (depth_ == 0 || --depth_ > 0 || !start_) return;
    CRigChange change = radio_.ChangeSince(*start_);
    start_.reset();
    if (change.Empty() || !step) return;
    step->Attach(std::move(change),
                 [this](const CRigChange& what, bool after) { radio_.PutBack(what, after); });
    // The stack owns its commands; the step has happened, so pushing redoes nothing.
    stack_.push(step.release());
}

bool CEditHistory::Undo() {
    if (InAction() || !stack_.canUndo()) return stack_.isClean();
    stack_.undo();
    return SetFlagForPosition();
}

bool CEditHistory::Redo() {
    if (InAction() || !stack_.canRedo()) return stack_.isClean();
    stack_.redo();
    return SetFlagForPosition();
}

bool CEditHistory::SetFlagForPosition() {
    const bool saved = stack_.isClean();
    radio_.SetModified(!saved);
    return saved;
}

void CEditHistory::Forget(bool saved) {
    stack_.clear();
    if (!saved) stack_.resetClean();
}

std::size_t CEditHistory::Footprint() const {
    std::size_t bytes = sizeof(*this);
    for (int i = 0; i < stack_.count(); ++i) {
        if (const auto* step = dynamic_cast<const ui::CDataSetStep*>(stack_.command(i))) {
            bytes += sizeof(ui::CDataSetStep) + step->Change().Footprint();
        }
    }
    return bytes;
}

}  // namespace ql

#include "ui/CDataSetStep.h"

#include <utility>

namespace ql::ui {

CDataSetStep::CDataSetStep(const QString& name) {
    setText(name);
}

void CDataSetStep::Attach(CRigChange change, PutBack putBack) {
    change_ = std::move(change);
    putBack_ = std::move(putBack);
}

void CDataSetStep::undo() {
    if (putBack_) putBack_(change_, false);
    done_ = false;
}

void CDataSetStep::redo() {
    if (done_) return;
    if (putBack_) putBack_(change_, true);
    done_ = true;
}

}  // namespace ql::ui

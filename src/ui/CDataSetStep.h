#pragma once

#include <QUndoCommand>
#include <functional>

#include "model/CRigChange.h"

namespace ql::ui {

// One step of the undo history: a user action's change of the data set, named for the Edit
// menu ("Undo Paste"). The action has already happened when the step joins the history, so
// the first redo does nothing; later ones make the change again, and undo takes it back.
// Named after the action: a command's menu text, or one of StepNames.
class CDataSetStep final : public QUndoCommand {
  public:
    // Puts the values before (after = false) or after a change back into the data set.
    using PutBack = std::function<void(const CRigChange& change, bool after)>;

    explicit CDataSetStep(const QString& name);

    // The change the action made, and what puts it back; set when the action ends.
    void Attach(CRigChange change, PutBack putBack);
    [[nodiscard]] const CRigChange& Change() const { return change_; }

    void undo() override;
    void redo() override;

  private:
    CRigChange change_;
    PutBack putBack_;
    bool done_ = true;  // the action itself made the change
};

}  // namespace ql::ui

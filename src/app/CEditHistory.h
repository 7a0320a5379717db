#pragma once

#include <QString>
#include <QUndoStack>
#include <cstddef>
#include <memory>

#include "model/CRigChange.h"
#include "ui/CDataSetStep.h"

namespace ql {

class CRadioData;

// The undo history of the data set: one step per user action, each holding only what the
// action changed. The state the history counts as saved is the file's (or none, after a
// clone read): undoing or redoing back to it clears the edit flag, so that no "Save
// changes?" question follows.
class CEditHistory {
  public:
    explicit CEditHistory(CRadioData& radio);

    // A user action begins and ends; what it changed joins the history as step. Actions
    // nest: the outermost counts. An action that changed nothing leaves no step.
    void Begin();
    void End(std::unique_ptr<ui::CDataSetStep> step);
    [[nodiscard]] bool InAction() const { return depth_ > 0; }

    [[nodiscard]] bool CanUndo() const { return stack_.canUndo(); }
    [[nodiscard]] bool CanRedo() const { return stack_.canRedo(); }
    [[nodiscard]] QString UndoName() const { return stack_.undoText(); }
    [[nodiscard]] QString RedoName() const { return stack_.redoText(); }
    // Takes the last step back or makes the next one again, and sets the edit flag: off at
    // the saved state, on elsewhere. True when the data set is now as saved.
    bool Undo();
    bool Redo();

    // The data set was saved as it is now.
    void MarkSaved() { stack_.setClean(); }
    // The data set was replaced (New, Open, a clone read): no step applies to it any more.
    // saved: whether it is as a file holds it (after a read it is not).
    void Forget(bool saved);

    [[nodiscard]] int Steps() const { return stack_.count(); }
    // The bytes the steps hold, an estimate for keeping the history's cost in view.
    [[nodiscard]] std::size_t Footprint() const;

  private:
    bool SetFlagForPosition();

    CRadioData& radio_;
    QUndoStack stack_;
    int depth_ = 0;
    std::unique_ptr<CRigState> start_;
};

}  // namespace ql

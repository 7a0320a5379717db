#pragma once

#include <memory>
#include <utility>

#include "ui/CDataSetStep.h"
#include "ui/CRadioCommands.h"

namespace ql::ui {

// The scope of one user action: every change applied while it lives becomes the one undo
// step it names, however many Apply calls make it.
class CUserAction {
  public:
    CUserAction(CRadioCommands& radio, const QString& stepName)
        : radio_(radio), step_(std::make_unique<CDataSetStep>(stepName)) {
        radio_.BeginAction();
    }
    ~CUserAction() { radio_.EndAction(std::move(step_)); }
    CUserAction(const CUserAction&) = delete;
    CUserAction& operator=(const CUserAction&) = delete;

  private:
    CRadioCommands& radio_;
    std::unique_ptr<CDataSetStep> step_;
};

}  // namespace ql::ui

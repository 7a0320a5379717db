#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace ql::ui {

// The message boxes and file dialogs of the application, behind one small interface so that
// the document and the frame ask through it and tests answer it by script.
class CUserPrompts {
  public:
    enum class Answer { kOk, kCancel, kYes, kNo };

    CUserPrompts() = default;
    CUserPrompts(const CUserPrompts&) = delete;
    CUserPrompts& operator=(const CUserPrompts&) = delete;
    virtual ~CUserPrompts() = default;

    // The window that the boxes belong to (none at start-up).
    virtual void SetOwner(QWidget* owner) = 0;

    // An OK/Cancel question: kOk or kCancel.
    [[nodiscard]] virtual Answer OkCancel(const QString& text) = 0;
    // A Yes/No/Cancel question with the question icon.
    [[nodiscard]] virtual Answer YesNoCancel(const QString& text) = 0;
    // A Yes/No question with the exclamation icon: kYes or kNo (also when dismissed).
    [[nodiscard]] virtual Answer YesNo(const QString& text) = 0;
    // A message with the warning icon.
    virtual void Warning(const QString& text) = 0;
    // The same with the likely cause of a failure below the message, in a text of its own
    // (the message itself stays exactly as given).
    virtual void WarningWithCause(const QString& text, const QString& cause) = 0;
    // A message without an icon.
    virtual void Information(const QString& text) = 0;
    // The file dialogs, with a filter such as "Data Files (*.ICF)", starting in folder; empty
    // when cancelled. Save As suggests a name (a bare name is taken to be in folder).
    [[nodiscard]] virtual std::optional<QString> OpenFile(const QString& filter,
                                                          const QString& folder) = 0;
    [[nodiscard]] virtual std::optional<QString> SaveFile(const QString& suggested,
                                                          const QString& filter,
                                                          const QString& extension,
                                                          const QString& folder) = 0;
};

}  // namespace ql::ui

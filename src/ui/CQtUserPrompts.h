#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/CUserPrompts.h"

class QMessageBox;

namespace ql::ui {

// The real message boxes (captioned with the application title, texts exactly as the
// string table holds them) and the file dialogs.
class CQtUserPrompts final : public CUserPrompts {
  public:
    void SetOwner(QWidget* owner) override { owner_ = owner; }
    [[nodiscard]] Answer OkCancel(const QString& text) override;
    [[nodiscard]] Answer YesNoCancel(const QString& text) override;
    [[nodiscard]] Answer YesNo(const QString& text) override;
    void Warning(const QString& text) override;
    void WarningWithCause(const QString& text, const QString& cause) override;
    void Information(const QString& text) override;
    [[nodiscard]] std::optional<QString> OpenFile(const QString& filter,
                                                  const QString& folder) override;
    [[nodiscard]] std::optional<QString> SaveFile(const QString& suggested, const QString& filter,
                                                  const QString& extension,
                                                  const QString& folder) override;

    // The file dialog's filter for a data-file filter: the same patterns in both letter
    // cases, since Linux file names are case sensitive ("*.ICF" would hide "x.icf").
    [[nodiscard]] static QString BothCases(const QString& filter);

  private:
    QPointer<QWidget> owner_;
};

}  // namespace ql::ui

#pragma once

#include <QDialog>
#include <QFont>
#include <memory>
#include <vector>

class QDialogButtonBox;
class QTabWidget;

namespace ql::ui {

class CPropertyPage;

// A modal property sheet: one tab per page, and "OK" and "Cancel" only. It starts on the
// first page. Leaving a page makes that page write its values; OK makes the current page
// write them before the sheet closes; Cancel writes nothing more, so what pages left earlier
// wrote stays written. A page never opened is neither read nor written.
//
// The sheet keeps a font of its own, large and italic, and gives it to its own window.
// The pages and buttons keep the ordinary dialog font, so every text stays readable.
class CFixedFontPropertySheet final : public QDialog {
    Q_OBJECT
  public:
    CFixedFontPropertySheet(const QString& caption, QWidget* parent);
    ~CFixedFontPropertySheet() override;
    CFixedFontPropertySheet(const CFixedFontPropertySheet&) = delete;
    CFixedFontPropertySheet& operator=(const CFixedFontPropertySheet&) = delete;

    // Adds a page as the last tab; the sheet owns it from now on.
    void AddPage(std::unique_ptr<CPropertyPage> page);

    [[nodiscard]] QTabWidget* Tabs() const { return tabs_; }
    [[nodiscard]] int ActivePage() const { return active_; }
    // The sheet window's own font.
    [[nodiscard]] const QFont& SheetFont() const { return sheetFont_; }

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OnCurrentChanged(int index);
    [[nodiscard]] CPropertyPage* Page(int index) const;

    QFont sheetFont_;
    QTabWidget* tabs_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    int active_ = -1;
};

}  // namespace ql::ui

#include "ui/CFixedFontPropertySheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/CPropertyPage.h"
#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {
constexpr int kSheetFontHeight = 50;

// The ordinary dialog font with every attribute fixed, so that the sheet's own font does
// not reach the widget through Qt's font inheritance.
QFont DialogFont(const QWidget& widget) {
    QFont font = QApplication::font(&widget);
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}
}  // namespace

CFixedFontPropertySheet::CFixedFontPropertySheet(const QString& caption, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);

    tabs_ = MakeChild<QTabWidget>(this);
    tabs_->setAccessibleName(caption);
    tabs_->tabBar()->setAccessibleName(caption);
    buttons_ = MakeChild<QDialogButtonBox>(this);
    QPushButton* ok = buttons_->addButton(Text(sid::kOk), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons_->addButton(Text(sid::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons_, &QDialogButtonBox::accepted, this, &CFixedFontPropertySheet::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CFixedFontPropertySheet::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &CFixedFontPropertySheet::OnCurrentChanged);

    auto* layout = MakeChild<QVBoxLayout>(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);

    // The sheet's own font: the stock proportional font, 50 pixels high and italic.
    const QFont normal = DialogFont(*this);
    sheetFont_ = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    sheetFont_.setPixelSize(kSheetFontHeight);
    sheetFont_.setItalic(true);
    setFont(sheetFont_);
    tabs_->setFont(normal);
    buttons_->setFont(normal);
}

CFixedFontPropertySheet::~CFixedFontPropertySheet() = default;

void CFixedFontPropertySheet::AddPage(std::unique_ptr<CPropertyPage> page) {
    const QString title = page->Title();
    // The sheet's tabs own the page from here on.
    tabs_->addTab(page.release(), title);
}

CPropertyPage* CFixedFontPropertySheet::Page(int index) const {
    return qobject_cast<CPropertyPage*>(tabs_->widget(index));
}

void CFixedFontPropertySheet::showEvent(QShowEvent* event) {
    if (active_ < 0 && tabs_->count() > 0) {
        // The first showing starts on the first page and activates it.
        tabs_->setCurrentIndex(0);
        active_ = 0;
        Page(0)->OnSetActive();
    }
    QDialog::showEvent(event);
}

void CFixedFontPropertySheet::OnCurrentChanged(int index) {
    // Pages added before the sheet is shown change the current tab without being opened.
    if (active_ < 0 || index == active_ || index < 0) return;
    if (CPropertyPage* left = Page(active_)) left->OnKillActive();
    active_ = index;
    if (CPropertyPage* entered = Page(index)) entered->OnSetActive();
}

void CFixedFontPropertySheet::accept() {
    if (CPropertyPage* current = Page(active_)) current->OnKillActive();
    QDialog::accept();
}

}  // namespace ql::ui

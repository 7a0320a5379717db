#include "ui/CExportCsvDlg.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/QtChild.h"
#include "ui/StepNames.h"
#include "ui/StringTable.h"

namespace ql::ui {

CExportCsvDlg::CExportCsvDlg(Band band, std::size_t selectedRows, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Text(sid::kExportTitle));
    auto* layout = MakeChild<QVBoxLayout>(this);
    auto* group = MakeChild<QGroupBox>(Text(sid::kExportWhat), this);
    auto* choices = MakeChild<QVBoxLayout>(group);
    selected_ = MakeChild<QRadioButton>(Text(sid::kExportSelected).arg(selectedRows), group);
    band_ = MakeChild<QRadioButton>(Text(sid::kExportBand).arg(BandName(band)), group);
    both_ = MakeChild<QRadioButton>(Text(sid::kExportBoth), group);
    for (QRadioButton* choice : {selected_, band_, both_}) choices->addWidget(choice);
    selected_->setEnabled(selectedRows > 1);
    (selectedRows > 1 ? selected_ : band_)->setChecked(true);
    layout->addWidget(group);

    auto* buttons =
        MakeChild<QDialogButtonBox>(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(Text(sid::kOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(Text(sid::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

CExportCsvDlg::Choice CExportCsvDlg::Chosen() const {
    if (selected_->isChecked()) return Choice::kSelected;
    return both_->isChecked() ? Choice::kBoth : Choice::kBand;
}

}  // namespace ql::ui

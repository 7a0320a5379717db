#include "ui/CImportCsvDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "desktop/QtText.h"
#include "ui/ChannelRow.h"
#include "ui/QtChild.h"
#include "ui/StepNames.h"
#include "ui/StringTable.h"

namespace ql::ui {

CImportCsvDlg::CImportCsvDlg(const QString& title, const QString& source, Band band,
                             const ChannelImportPlan& atNumbers,
                             const ChannelImportPlan* atSelection, unsigned selectedChannel,
                             QWidget* parent)
    : QDialog(parent),
      source_(source),
      band_(band),
      atNumbers_(atNumbers),
      atSelection_(atSelection) {
    setWindowTitle(title);
    auto* layout = MakeChild<QVBoxLayout>(this);

    summary_ = MakeChild<QLabel>(this);
    summary_->setAccessibleDescription(Text(sid::kImportSummaryName));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);

    if (atSelection_ != nullptr) {
        numbersChoice_ = MakeChild<QRadioButton>(Text(sid::kImportAtNumbers), this);
        selectionChoice_ = MakeChild<QRadioButton>(
            Text(sid::kImportAtSelection).arg(ToQString(ChannelLabel(selectedChannel))), this);
        numbersChoice_->setChecked(true);
        layout->addWidget(numbersChoice_);
        layout->addWidget(selectionChoice_);
        connect(numbersChoice_, &QRadioButton::toggled, this, &CImportCsvDlg::ShowPlan);
    }

    auto* refusedLabel = MakeChild<QLabel>(Text(sid::kImportRefusedLabel), this);
    refused_ = MakeChild<QListWidget>(this);
    refused_->setAccessibleName(WithoutMnemonic(Text(sid::kImportRefusedLabel)).remove(':'));
    refusedLabel->setBuddy(refused_);
    layout->addWidget(refusedLabel);
    layout->addWidget(refused_, 1);

    buttons_ = MakeChild<QDialogButtonBox>(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(Text(sid::kOk));
    buttons_->button(QDialogButtonBox::Cancel)->setText(Text(sid::kCancel));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons_);

    resize(560, 360);
    ShowPlan();
}

bool CImportCsvDlg::AtSelection() const {
    return selectionChoice_ != nullptr && selectionChoice_->isChecked();
}

const ChannelImportPlan& CImportCsvDlg::Chosen() const {
    return AtSelection() ? *atSelection_ : atNumbers_;
}

void CImportCsvDlg::ShowPlan() {
    const ChannelImportPlan& plan = Chosen();
    const QString band = BandName(band_);
    summary_->setText(plan.channels.empty()
                          ? Text(sid::kImportNothing).arg(source_)
                          : Text(sid::kImportSummary).arg(plan.channels.size()).arg(source_, band));
    refused_->clear();
    for (const RefusedRow& row : plan.refused) refused_->addItem(ToQString(row.Text()));
    if (plan.refused.empty()) refused_->addItem(Text(sid::kImportNoneRefused));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!plan.channels.empty());
}

}  // namespace ql::ui

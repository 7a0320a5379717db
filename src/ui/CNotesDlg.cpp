#include "ui/CNotesDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

#include "model/CSettingsStore.h"
#include "model/SettingsKeys.h"
#include "ui/CNotesPanel.h"
#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql::ui {

CNotesDlg::CNotesDlg(CSettingsStore& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(Text(sid::kNotesTitle));
    auto* panel = MakeChild<CNotesPanel>(Text(sid::kNotesHeading), Text(sid::kNotesText), this);

    startup_ = MakeChild<QCheckBox>(Text(sid::kStartup), this);
    startup_->setChecked(ShowAtStartup(settings_));
    startup_->setAccessibleName(WithoutMnemonic(startup_->text()));

    auto* close = MakeChild<QPushButton>(Text(sid::kClose), this);
    close->setDefault(true);
    close->setAccessibleName(WithoutMnemonic(close->text()));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = MakeChild<QGridLayout>(this);
    layout->addWidget(panel, 0, 0, 1, 2);
    layout->addWidget(startup_, 1, 0, Qt::AlignLeft);
    layout->addWidget(close, 1, 1, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CNotesDlg::ShowAtStartup(const CSettingsStore& settings) {
    return settings.GetInt(settings::kTip, settings::kStartUp, 0) == 0;
}

void CNotesDlg::accept() {
    settings_.SetInt(settings::kTip, settings::kStartUp, startup_->isChecked() ? 0 : 1);
    QDialog::accept();
}

}  // namespace ql::ui

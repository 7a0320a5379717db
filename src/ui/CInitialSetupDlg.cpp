#include "ui/CInitialSetupDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "clone/PortDevices.h"
#include "desktop/QtText.h"
#include "document/CInitialSetup.h"
#include "ui/Pictures.h"
#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql::ui {

CInitialSetupDlg::CInitialSetupDlg(CInitialSetup& setup, QWidget* parent,
                                   const DeviceLister& lister)
    : QDialog(parent), setup_(setup), port_number_(setup.StoredPort()) {
    setWindowTitle(Text(sid::kSetupTitle));
    setFont(QFont(QStringLiteral("Arial"), 9));

    auto* instructions = MakeChild<QPlainTextEdit>(this);
    QString text = Text(sid::kSetupText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    instructions->setPlainText(text);
    instructions->setReadOnly(true);
    instructions->setAccessibleName(QStringLiteral("Instructions"));
    instructions->setMinimumSize(320, 260);

    auto* picture = MakeChild<QLabel>(this);
    picture->setPixmap(Picture(picture::kTransceiver, QSize(64, 48), devicePixelRatioF()));
    picture->setAccessibleName(QStringLiteral("Transceiver picture"));

    auto* portLabel = MakeChild<QLabel>(Text(sid::kComPort), this);
    port_ = MakeChild<QComboBox>(this);
    const std::vector<SerialDevice> devices = lister ? lister() : std::vector<SerialDevice>{};
    if (!AnyDeviceStored(setup_.Settings())) {
        if (const std::optional<SerialDevice> adapter = SoleUsbAdapter(devices)) {
            proposed_ = StableName(*adapter);
        }
    }
    for (unsigned n = 1; n <= kPortCount; ++n) {
        const bool proposed = n == port_number_ && !proposed_.empty();
        port_->addItem(
            PortEntryText(n, proposed ? proposed_ : ResolvePort(setup_.Settings(), n), devices));
    }
    port_->setCurrentIndex(static_cast<int>(port_number_) - 1);
    portLabel->setBuddy(port_);
    port_->setAccessibleName(portLabel->text());

    auto* callLabel = MakeChild<QLabel>(Text(sid::kCallSign), this);
    callSign_ = MakeChild<QLineEdit>(this);
    callSign_->setMaxLength(static_cast<int>(CInitialSetup::kCallSignLength));
    callSign_->setText(ToQString(setup_.StoredCallSign()));
    callLabel->setBuddy(callSign_);
    callSign_->setAccessibleName(callLabel->text());

    auto* buttons = MakeChild<QDialogButtonBox>(Qt::Vertical, this);
    buttons->addButton(Text(sid::kOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(Text(sid::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CInitialSetupDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CInitialSetupDlg::reject);

    auto* layout = MakeChild<QGridLayout>(this);
    layout->addWidget(instructions, 0, 0, 6, 1);
    layout->addWidget(picture, 0, 1, Qt::AlignHCenter);
    layout->addWidget(portLabel, 1, 1);
    layout->addWidget(port_, 2, 1);
    layout->addWidget(callLabel, 3, 1);
    layout->addWidget(callSign_, 4, 1);
    layout->addWidget(buttons, 5, 1, Qt::AlignBottom | Qt::AlignRight);
    layout->setRowStretch(5, 1);
    layout->setColumnStretch(0, 1);
    port_->setFocus();
}

SetupChoice CInitialSetupDlg::Choice() const {
    if (!proposed_.empty() && port_number_ == setup_.StoredPort()) {
        return {port_number_, callSign_->text().toStdString(), proposed_, true};
    }
    return {port_number_, callSign_->text().toStdString(), {}, false};
}

void CInitialSetupDlg::ReportStoreFailure(const std::string& failure) {
    if (failure.empty()) return;
    QMessageBox::warning(this, Text(sid::kAppTitle),
                         Text(sid::kSettingsNotStored).arg(ToQString(failure)));
}

void CInitialSetupDlg::accept() {
    port_number_ = static_cast<unsigned>(port_->currentIndex() + 1);
    const SetupOutcome outcome = setup_.Ok(Choice());
    ReportStoreFailure(outcome.storeFailure);
    if (outcome.result == CloneResult::kCompleted) QDialog::accept();
}

void CInitialSetupDlg::reject() {
    ReportStoreFailure(setup_.Cancel(Choice()).storeFailure);
    QDialog::reject();
}

}  // namespace ql::ui

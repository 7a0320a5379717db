#include "ui/CPortSettingsDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <string>

#include "desktop/QtText.h"
#include "model/CSettingsStore.h"
#include "model/SettingsKeys.h"
#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {
constexpr int kColumns = 3;
constexpr int kPathRole = Qt::UserRole;
}  // namespace

CPortSettingsDlg::CPortSettingsDlg(CSettingsStore& settings, unsigned port, DeviceLister lister,
                                   QWidget* parent)
    : QDialog(parent), settings_(settings), lister_(std::move(lister)) {
    setWindowTitle(Text(sid::kPortSettingsTitle));
    for (unsigned n = 1; n <= kPortCount; ++n) {
        chosen_.at(n - 1) = ToQString(ResolvePort(settings_, n));
    }

    auto* portLabel = MakeChild<QLabel>(Text(sid::kPortSlotLabel), this);
    port_ = MakeChild<QComboBox>(this);
    for (unsigned n = 1; n <= kPortCount; ++n) port_->addItem(QStringLiteral("COM%1").arg(n));
    portLabel->setBuddy(port_);
    port_->setAccessibleName(WithoutMnemonic(portLabel->text()));

    auto* devicesLabel = MakeChild<QLabel>(Text(sid::kPortDevicesLabel), this);
    devices_ = MakeChild<QTreeWidget>(this);
    devices_->setColumnCount(kColumns);
    devices_->setHeaderLabels(Text(sid::kPortDeviceHeaders).split(QLatin1Char('\n')));
    devices_->setRootIsDecorated(false);
    devices_->setUniformRowHeights(true);
    devices_->setAllColumnsShowFocus(true);
    devices_->setMinimumSize(680, 120);
    devices_->header()->setStretchLastSection(true);
    devicesLabel->setBuddy(devices_);
    devices_->setAccessibleName(WithoutMnemonic(devicesLabel->text()));
    none_ = MakeChild<QLabel>(Text(sid::kPortNoDevices), this);
    none_->setWordWrap(true);
    none_->setAccessibleDescription(WithoutMnemonic(devicesLabel->text()));

    auto* refresh = MakeChild<QPushButton>(Text(sid::kPortRefresh), this);

    auto* pathLabel = MakeChild<QLabel>(Text(sid::kPortPathLabel), this);
    path_ = MakeChild<QLineEdit>(this);
    path_->setMaxLength(4096);
    pathLabel->setBuddy(path_);
    path_->setAccessibleName(WithoutMnemonic(pathLabel->text()));

    auto* buttons = MakeChild<QDialogButtonBox>(this);
    buttons->addButton(Text(sid::kOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(Text(sid::kCancel), QDialogButtonBox::RejectRole);

    auto* layout = MakeChild<QGridLayout>(this);
    layout->addWidget(portLabel, 0, 0);
    layout->addWidget(port_, 0, 1, Qt::AlignLeft);
    layout->addWidget(devicesLabel, 1, 0, 1, 3);
    layout->addWidget(devices_, 2, 0, 1, 3);
    layout->addWidget(none_, 3, 0, 1, 2);
    layout->addWidget(refresh, 3, 2, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(pathLabel, 4, 0);
    layout->addWidget(path_, 4, 1, 1, 2);
    layout->addWidget(buttons, 5, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(buttons, &QDialogButtonBox::accepted, this, &CPortSettingsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPortSettingsDlg::reject);
    connect(refresh, &QPushButton::clicked, this, &CPortSettingsDlg::Refresh);
    connect(devices_, &QTreeWidget::itemSelectionChanged, this,
            &CPortSettingsDlg::TakeSelectedDevice);
    connect(devices_, &QTreeWidget::itemActivated, this, [this] { TakeSelectedDevice(); });

    const unsigned shown = port >= 1 && port <= kPortCount ? port : 1;
    shownPort_ = static_cast<int>(shown) - 1;
    port_->setCurrentIndex(shownPort_);
    path_->setText(chosen_.at(static_cast<std::size_t>(shownPort_)));
    connect(port_, &QComboBox::currentIndexChanged, this, &CPortSettingsDlg::ShowPort);
    Refresh();
    port_->setFocus();
}

void CPortSettingsDlg::Refresh() {
    found_ = lister_ ? lister_() : std::vector<SerialDevice>{};
    devices_->clear();
    for (const SerialDevice& device : found_) {
        const QString adapter =
            ToQString(DescribeSerialDevice(device))
                .section(QStringLiteral(", "), 1, -1, QString::SectionSkipEmpty);
        auto* item = MakeChild<QTreeWidgetItem>(devices_);
        item->setText(0, ToQString(device.path.string()));
        item->setText(1, ToQString(device.byId.filename().string()));
        item->setText(2, adapter);
        item->setToolTip(1, ToQString(device.byId.string()));
        item->setData(0, kPathRole, ToQString(StableName(device)));
    }
    for (int column = 0; column < kColumns - 1; ++column) devices_->resizeColumnToContents(column);
    none_->setVisible(found_.empty());
}

void CPortSettingsDlg::ShowPort(int index) {
    if (index < 0 || index >= static_cast<int>(kPortCount)) return;
    chosen_.at(static_cast<std::size_t>(shownPort_)) = path_->text().trimmed();
    shownPort_ = index;
    path_->setText(chosen_.at(static_cast<std::size_t>(index)));
}

void CPortSettingsDlg::TakeSelectedDevice() {
    const QList<QTreeWidgetItem*> selected = devices_->selectedItems();
    if (selected.isEmpty()) return;
    path_->setText(selected.first()->data(0, kPathRole).toString());
}

void CPortSettingsDlg::accept() {
    chosen_.at(static_cast<std::size_t>(shownPort_)) = path_->text().trimmed();
    for (unsigned n = 1; n <= kPortCount; ++n) {
        const std::string device = chosen_.at(n - 1).toStdString();
        // An emptied field leaves the port as it was.
        if (device.empty() || device == ResolvePort(settings_, n)) continue;
        settings_.SetString(settings::kCommPort, settings::DeviceKey(n), device);
    }
    if (std::string error; !settings_.Flush(error)) {
        QMessageBox::warning(this, Text(sid::kAppTitle),
                             Text(sid::kSettingsNotStored).arg(ToQString(error)));
    }
    QDialog::accept();
}

}  // namespace ql::ui

#include "ui/CAboutDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/Pictures.h"
#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql::ui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Text(sid::kAboutTitle));
    setFont(QFont(QStringLiteral("Arial"), 10));

    auto* icon = MakeChild<QLabel>(this);
    icon->setPixmap(Picture(picture::kAppIcon, QSize(32, 32), devicePixelRatioF()));
    icon->setAccessibleName(QStringLiteral("Application icon"));

    auto* name = MakeChild<QLabel>(Text(sid::kAboutVersion), this);
    name->setTextFormat(Qt::PlainText);

    auto* ok = MakeChild<QPushButton>(Text(sid::kOk), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* picture = MakeChild<QLabel>(this);
    picture->setPixmap(Picture(picture::kTransceiver, QSize(64, 48), devicePixelRatioF()));
    picture->setAccessibleName(QStringLiteral("Transceiver picture"));

    auto* layout = MakeChild<QGridLayout>(this);
    layout->addWidget(icon, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(name, 0, 1, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(ok, 0, 2, Qt::AlignTop | Qt::AlignRight);
    layout->addWidget(picture, 1, 2, Qt::AlignTop | Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setHorizontalSpacing(16);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace ql::ui

#include "ui/CGoToChannelDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/ChannelNumberText.h"
#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {
// Long enough for "P3B" or "CALL" with a blank or two around it.
constexpr int kFieldLength = 8;
}  // namespace

CGoToChannelDlg::CGoToChannelDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Text(sid::kGoToTitle));
    field_ = MakeChild<QLineEdit>(this);
    field_->setMaxLength(kFieldLength);
    auto* label = MakeChild<QLabel>(Text(sid::kGoToLabel), this);
    label->setBuddy(field_);
    auto* hint = MakeChild<QLabel>(Text(sid::kGoToHint), this);
    field_->setAccessibleDescription(Text(sid::kGoToHint));
    // The message's text is its accessible name, read out as it appears.
    message_ = MakeChild<QLabel>(this);
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    message_->setAccessibleDescription(Text(sid::kGoToMessage));
    message_->hide();
    connect(field_, &QLineEdit::textEdited, message_, &QLabel::hide);

    auto* ok = MakeChild<QPushButton>(Text(sid::kOk), this);
    auto* cancel = MakeChild<QPushButton>(Text(sid::kCancel), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CGoToChannelDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CGoToChannelDlg::reject);

    auto* buttons = MakeChild<QHBoxLayout>();
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = MakeChild<QGridLayout>(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(field_, 0, 1);
    layout->addWidget(hint, 1, 1);
    layout->addWidget(message_, 2, 0, 1, 2);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(field_, ok);
    setTabOrder(ok, cancel);
    field_->setFocus();
}

void CGoToChannelDlg::accept() {
    const std::optional<unsigned> channel = ChannelNumberOf(field_->text().toStdString());
    if (!channel) {
        message_->setText(Text(sid::kGoToUnknown).arg(field_->text().trimmed()));
        message_->show();
        field_->selectAll();
        field_->setFocus();
        return;
    }
    channel_ = *channel;
    QDialog::accept();
}

}  // namespace ql::ui

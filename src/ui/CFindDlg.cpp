#include "ui/CFindDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {
constexpr int kFieldLength = 20;
constexpr int kFieldCharacters = 24;  // the box's width, in average characters
}  // namespace

CFindDlg::CFindDlg(const QString& text, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ui::Text(sid::kFindTitle));
    field_ = MakeChild<QLineEdit>(this);
    field_->setMaxLength(kFieldLength);
    field_->setMinimumWidth(field_->fontMetrics().averageCharWidth() * kFieldCharacters);
    field_->setAccessibleDescription(ui::Text(sid::kFindHint));
    auto* label = MakeChild<QLabel>(ui::Text(sid::kFindLabel), this);
    label->setBuddy(field_);
    auto* hint = MakeChild<QLabel>(ui::Text(sid::kFindHint), this);

    findNext_ = MakeChild<QPushButton>(ui::Text(sid::kFindNextButton), this);
    findNext_->setDefault(true);
    auto* cancel = MakeChild<QPushButton>(ui::Text(sid::kCancel), this);
    connect(findNext_, &QPushButton::clicked, this, &CFindDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CFindDlg::reject);
    const auto update = [this] { findNext_->setEnabled(!Text().isEmpty()); };
    connect(field_, &QLineEdit::textChanged, this, update);

    auto* buttons = MakeChild<QVBoxLayout>();
    buttons->addWidget(findNext_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = MakeChild<QGridLayout>(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(field_, 0, 1);
    layout->addWidget(hint, 1, 1);
    layout->addLayout(buttons, 0, 2, 2, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(field_, findNext_);
    setTabOrder(findNext_, cancel);

    field_->setText(text);
    field_->selectAll();
    field_->setFocus();
    update();
}

QString CFindDlg::Text() const {
    return field_->text().trimmed();
}

}  // namespace ql::ui

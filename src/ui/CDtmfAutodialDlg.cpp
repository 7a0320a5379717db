#include "ui/CDtmfAutodialDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValidator>
#include <string>
#include <vector>

#include "ui/CDtmfListBox.h"
#include "ui/CKeptCharacterValidator.h"
#include "ui/CRadioCommands.h"
#include "ui/ControlTexts.h"
#include "ui/QtChild.h"
#include "ui/SettingTexts.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {

QString MemoryName(int memory) {
    return ToQString(DtmfMemoryName(memory));
}

// The first kCodeLength characters of text without trailing white space.
QString SlotText(const QString& text) {
    QString slot = text.left(CDtmfAutodialDlg::kCodeLength);
    while (!slot.isEmpty() && slot.back().isSpace()) slot.chop(1);
    return slot;
}

}  // namespace

CDtmfAutodialDlg::CDtmfAutodialDlg(CRadioCommands& radio, QWidget* parent)
    : QDialog(parent), radio_(radio) {
    setWindowTitle(Text(sid::kDtmfCaption));

    auto* memories = MakeChild<QGroupBox>(Text(sid::kAutodialMemories), this);
    list_ = MakeChild<CDtmfListBox>(memories);
    list_->setAccessibleName(memories->title());
    QFont fixed = list_->font();
    fixed.setFamilies({QStringLiteral("monospace")});
    fixed.setStyleHint(QFont::TypeWriter);
    list_->setFont(fixed);
    const int rowHeight = list_->fontMetrics().height() + 2;
    list_->setMinimumSize(list_->fontMetrics().horizontalAdvance(QString(kCodeLength + 8, 'W')),
                          rowHeight * kMemoryCount + 6);
    auto* memoriesLayout = MakeChild<QVBoxLayout>(memories);
    memoriesLayout->addWidget(list_);

    auto* codeLabel = MakeChild<QLabel>(Text(sid::kDtmfCode), this);
    code_ = MakeChild<QLineEdit>(this);
    code_->setMaxLength(kCodeLength);
    code_->setValidator(CKeptCharacterValidator::ForDtmfCode(code_));
    code_->setMinimumWidth(code_->fontMetrics().horizontalAdvance(QString(kCodeLength, 'W')));
    NameBy(*codeLabel, *code_);

    auto* channelFrame = MakeChild<QGroupBox>(Text(sid::kChannelSelection), this);
    channel_ = MakeChild<QComboBox>(channelFrame);
    channel_->setAccessibleName(channelFrame->title());
    MakeChild<QVBoxLayout>(channelFrame)->addWidget(channel_);

    auto* speedFrame = MakeChild<QGroupBox>(Text(sid::kSpeed), this);
    speed_ = MakeChild<QComboBox>(speedFrame);
    speed_->setAccessibleName(speedFrame->title());
    MakeChild<QVBoxLayout>(speedFrame)->addWidget(speed_);

    auto* buttons = MakeChild<QDialogButtonBox>(this);
    buttons->addButton(Text(sid::kOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(Text(sid::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDtmfAutodialDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDtmfAutodialDlg::reject);

    auto* codeRow = MakeChild<QHBoxLayout>();
    codeRow->addWidget(codeLabel);
    codeRow->addWidget(code_, 1);
    auto* right = MakeChild<QVBoxLayout>();
    right->addLayout(codeRow);
    right->addWidget(channelFrame);
    right->addWidget(speedFrame);
    right->addStretch(1);
    right->addWidget(buttons);
    auto* layout = MakeChild<QHBoxLayout>(this);
    layout->addWidget(memories, 1);
    layout->addLayout(right);

    connect(list_, &QListWidget::itemSelectionChanged, this, &CDtmfAutodialDlg::OnRowSelected);
    connect(list_, &CDtmfListBox::CharacterTyped, this, &CDtmfAutodialDlg::OnCharacterTyped);
    connect(code_, &QLineEdit::textChanged, this, &CDtmfAutodialDlg::OnCodeChanged);

    Load();
    list_->setFocus();
}

const QString& CDtmfAutodialDlg::Code(int memory) const {
    return codes_.at(static_cast<std::size_t>(memory));
}

void CDtmfAutodialDlg::Load() {
    for (int i = 0; i < kMemoryCount; ++i) {
        const QString answer = ToQString(radio_.Query(DtmfMemoryCommand(i)));
        codes_[static_cast<std::size_t>(i)] = answer.left(kCodeLength);
        RebuildRow(i);
    }
    {
        const QSignalBlocker quiet(channel_);
        channel_->clear();
        for (int i = 0; i < kMemoryCount; ++i) channel_->addItem(MemoryName(i));
        channel_->setCurrentIndex(DtmfChannelIndex(radio_.Query("COMMON.DTMF_CH_NO")));
    }
    FillList(*speed_, kSpeeds);
    SelectText(*speed_, radio_.Query("COMMON.DTMF_SPEED"));

    const int row = channel_->currentIndex();
    SelectRow(row);
    code_->setText(Code(row));
}

int CDtmfAutodialDlg::SelectedRow() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.front());
}

void CDtmfAutodialDlg::SelectRow(int row) {
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(row);
}

void CDtmfAutodialDlg::RebuildRow(int row) {
    const QString text = MemoryName(row) + QStringLiteral("  ") + Code(row);
    if (QListWidgetItem* item = list_->item(row)) {
        item->setText(text);
    } else {
        const QSignalBlocker quiet(list_);
        list_->insertItem(row, text);
    }
    SelectRow(row);
}

void CDtmfAutodialDlg::OnRowSelected() {
    const int row = SelectedRow();
    if (row >= 0) code_->setText(Code(row));
}

void CDtmfAutodialDlg::OnCodeChanged(const QString& text) {
    const int row = SelectedRow();
    if (row < 0) return;
    codes_[static_cast<std::size_t>(row)] = SlotText(text);
    RebuildRow(row);
}

void CDtmfAutodialDlg::OnCharacterTyped(QChar character) {
    // A character that is no DTMF digit leaves the code as it is.
    QString typed(character);
    int at = 0;
    if (code_->validator()->validate(typed, at) != QValidator::Acceptable) return;
    code_->clear();
    code_->setFocus();
    code_->insert(typed);
}

void CDtmfAutodialDlg::accept() {
    std::vector<std::string> commands;
    commands.reserve(kMemoryCount + 2);
    for (int i = 0; i < kMemoryCount; ++i) {
        commands.push_back(DtmfMemoryCommand(i) + "=" +
                           TrimmedOrBlank(Code(i).left(kCodeLength).toStdString()));
    }
    const int channel = std::max(channel_->currentIndex(), 0);
    commands.push_back(
        CommonAssignment("DTMF_CH_NO", kMemoryDigits.substr(static_cast<std::size_t>(channel), 1)));
    commands.push_back(CommonAssignment("DTMF_SPEED", ListText(*speed_)));
    radio_.Apply(commands);
    QDialog::accept();
}

}  // namespace ql::ui

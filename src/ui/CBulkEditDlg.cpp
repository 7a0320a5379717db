#include "ui/CBulkEditDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>

#include "desktop/QtText.h"
#include "ui/CRadioCommands.h"
#include "ui/CUserPrompts.h"
#include "ui/ChannelChoices.h"
#include "ui/ChannelRow.h"
#include "ui/QtChild.h"
#include "ui/StepNames.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {
// The tone modes and modes a channel can be given, with the texts Edit Memory shows for them.
constexpr std::array<std::pair<ToneMode, int>, 3> kToneModes = {
    {{ToneMode::kOff, sid::kToneOff},
     {ToneMode::kTone, sid::kToneTone},
     {ToneMode::kTsql, sid::kToneTsql}}};
constexpr std::array<std::pair<ChannelMode, int>, 3> kModes = {
    {{ChannelMode::kFm, sid::kModeFm},
     {ChannelMode::kAm, sid::kModeAm},
     {ChannelMode::kNarrowFm, sid::kModeNarrowFm}}};
constexpr int kColumns = 2;

// The fields as the dialog lays them out, row by row, with their group titles.
constexpr std::array<std::pair<ChannelField, int>, CBulkEditDlg::kFieldCount> kLayout = {{
    {ChannelField::kDuplex, sid::kBulkDuplex},
    {ChannelField::kOffset, sid::kBulkOffset},
    {ChannelField::kToneMode, sid::kBulkToneMode},
    {ChannelField::kRepeaterTone, sid::kBulkRepeaterTone},
    {ChannelField::kSquelchTone, sid::kBulkSquelchTone},
    {ChannelField::kTuningStep, sid::kBulkStep},
    {ChannelField::kMode, sid::kBulkMode},
    {ChannelField::kSkip, sid::kBulkSkip},
}};

// A list of the texts of entries, each holding its value.
template <typename Value, std::size_t N>
QComboBox* MakeValueList(const std::array<std::pair<Value, int>, N>& entries, QWidget* parent) {
    auto* list = MakeChild<QComboBox>(parent);
    for (const auto& [value, text] : entries) list->addItem(Text(text), static_cast<int>(value));
    return list;
}

template <typename Value>
void SelectValue(QComboBox& list, Value value) {
    list.setCurrentIndex(std::max(0, list.findData(static_cast<int>(value))));
}

template <typename Value>
Value SelectedValue(const QComboBox& list) {
    return static_cast<Value>(list.currentData().toInt());
}

std::size_t Slot(ChannelField field) {
    return static_cast<std::size_t>(field);
}

int TitleOf(ChannelField field) {
    for (const auto& [laid, title] : kLayout) {
        if (laid == field) return title;
    }
    return 0;
}
}  // namespace

CBulkEditDlg::CBulkEditDlg(CRadioCommands& radio, Band band, const std::vector<unsigned>& channels,
                           CUserPrompts& prompts, QWidget* parent)
    : QDialog(parent), radio_(radio), band_(band), prompts_(prompts) {
    setWindowTitle(Text(sid::kBulkEditTitle));
    for (const unsigned channel : channels) {
        const std::string prefix = ChannelPath(band_, channel);
        if (!prefix.empty() && radio_.Query(prefix + "APPEAR") != "OFF") {
            channels_.push_back(channel);
        }
    }
    BuildControls();
    if (!channels_.empty()) {
        Show(ReadChannelEdit([this](std::string_view command) { return radio_.Query(command); },
                             ChannelPath(band_, channels_.front())));
    }
}

void CBulkEditDlg::BuildControls() {
    const QString bandName = BandName(band_);
    auto* summary = MakeChild<QLabel>(
        Text(sid::kBulkEditSummary).arg(static_cast<qulonglong>(channels_.size())).arg(bandName),
        this);
    summary->setTextFormat(Qt::PlainText);

    auto* grid = MakeChild<QGridLayout>();
    std::vector<QWidget*> tabOrder;
    for (std::size_t i = 0; i < kLayout.size(); ++i) {
        const auto& [field, title] = kLayout.at(i);
        auto* group = MakeChild<QGroupBox>(Text(title), this);
        group->setCheckable(true);
        group->setChecked(false);
        QWidget* control = nullptr;
        switch (field) {
            case ChannelField::kDuplex:
                control = duplex_ = MakeList(kDuplexTexts, group);
                break;
            case ChannelField::kOffset:
                offset_ = MakeChild<QLineEdit>(group);
                offset_->setMaxLength(kOffsetLength);
                // MHz with a decimal point or comma, as Edit Memory takes it.
                offset_->setValidator(MakeChild<QRegularExpressionValidator>(
                    QRegularExpression(QStringLiteral(R"(\s*\d{0,2}([.,]\d{0,4})?\s*)")), offset_));
                control = offset_;
                break;
            case ChannelField::kToneMode:
                control = toneMode_ = MakeValueList(kToneModes, group);
                break;
            case ChannelField::kRepeaterTone:
                control = repeaterTone_ = MakeList(kToneTexts, group);
                break;
            case ChannelField::kSquelchTone:
                control = squelchTone_ = MakeList(kToneTexts, group);
                break;
            case ChannelField::kTuningStep:
                control = step_ = MakeList(kStepTexts, group);
                break;
            case ChannelField::kMode:
                control = mode_ = MakeValueList(kModes, group);
                break;
            case ChannelField::kSkip:
                control = skip_ = MakeList(kSkipTexts, group);
                break;
        }
        auto* inside = MakeChild<QVBoxLayout>(group);
        inside->addWidget(control);
        groups_.at(Slot(field)) = group;
        grid->addWidget(group, static_cast<int>(i) / kColumns, static_cast<int>(i) % kColumns);
        tabOrder.push_back(group);
        tabOrder.push_back(control);
    }

    // Both columns as wide as the widest group.
    int width = 0;
    for (const QGroupBox* group : groups_) width = std::max(width, group->sizeHint().width());
    for (QGroupBox* group : groups_) group->setMinimumWidth(width);

    auto* ok = MakeChild<QPushButton>(Text(sid::kOk), this);
    auto* cancel = MakeChild<QPushButton>(Text(sid::kCancel), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CBulkEditDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CBulkEditDlg::reject);
    auto* buttons = MakeChild<QHBoxLayout>();
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    tabOrder.push_back(ok);
    tabOrder.push_back(cancel);

    auto* layout = MakeChild<QVBoxLayout>(this);
    layout->addWidget(summary);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (std::size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
    tabOrder.front()->setFocus();
}

void CBulkEditDlg::Show(const ChannelEdit& edit) {
    SelectByPrefix(*duplex_, edit.duplex);
    offset_->setText(ToQString(edit.offset));
    SelectValue(*toneMode_, edit.toneMode);
    SelectByPrefix(*repeaterTone_, edit.repeaterTone);
    SelectByPrefix(*squelchTone_, edit.squelchTone);
    SelectByPrefix(*step_, edit.tuningStep);
    SelectValue(*mode_, edit.mode);
    SelectByPrefix(*skip_, edit.skip);
}

QGroupBox* CBulkEditDlg::Group(ChannelField field) const {
    return groups_.at(Slot(field));
}

ChannelEdit CBulkEditDlg::Values() const {
    ChannelEdit edit;
    edit.duplex = Selected(*duplex_);
    edit.offset = offset_->text().trimmed().toStdString();
    edit.toneMode = SelectedValue<ToneMode>(*toneMode_);
    edit.repeaterTone = Selected(*repeaterTone_);
    edit.squelchTone = Selected(*squelchTone_);
    edit.tuningStep = Selected(*step_);
    edit.mode = SelectedValue<ChannelMode>(*mode_);
    edit.skip = Selected(*skip_);
    return edit;
}

std::vector<ChannelField> CBulkEditDlg::CheckedFields() const {
    std::vector<ChannelField> fields;
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        if (groups_.at(i)->isChecked()) fields.push_back(static_cast<ChannelField>(i));
    }
    return fields;
}

QString CBulkEditDlg::ShownValue(ChannelField field) const {
    switch (field) {
        case ChannelField::kDuplex:
            return duplex_->currentText();
        case ChannelField::kOffset:
            return offset_->text().trimmed();
        case ChannelField::kToneMode:
            return toneMode_->currentText();
        case ChannelField::kRepeaterTone:
            return repeaterTone_->currentText();
        case ChannelField::kSquelchTone:
            return squelchTone_->currentText();
        case ChannelField::kTuningStep:
            return step_->currentText();
        case ChannelField::kMode:
            return mode_->currentText();
        case ChannelField::kSkip:
            break;
    }
    return skip_->currentText();
}

QString CBulkEditDlg::Refusal(const ChannelEdit& edit, const std::vector<ChannelField>& fields) {
    for (const unsigned channel : channels_) {
        const std::string check = ChannelPath(band_, channel) + "KEEPS.CHECK=";
        for (const ChannelField field : fields) {
            if (radio_.Query(check + FieldAssignment(edit, field)) == "OK") continue;
            return Text(sid::kBulkRefused)
                .arg(BandName(band_), ToQString(ChannelLabel(channel)),
                     WithoutMnemonic(Text(TitleOf(field))), ShownValue(field));
        }
    }
    return {};
}

void CBulkEditDlg::accept() {
    const std::vector<ChannelField> fields = CheckedFields();
    if (fields.empty() || channels_.empty()) {
        QDialog::accept();
        return;
    }
    const ChannelEdit edit = Values();
    if (groups_.at(Slot(ChannelField::kOffset))->isChecked() && edit.offset.empty()) {
        prompts_.Warning(Text(sid::kBulkNoOffset));
        offset_->setFocus();
        return;
    }
    if (const QString refusal = Refusal(edit, fields); !refusal.isEmpty()) {
        prompts_.Warning(refusal);
        return;
    }
    std::vector<std::string> commands;
    for (const unsigned channel : channels_) {
        std::vector<std::string> own =
            ChannelFieldCommands(edit, fields, ChannelPath(band_, channel));
        commands.insert(commands.end(), std::make_move_iterator(own.begin()),
                        std::make_move_iterator(own.end()));
    }
    (void)radio_.Apply(commands);
    QDialog::accept();
}

}  // namespace ql::ui

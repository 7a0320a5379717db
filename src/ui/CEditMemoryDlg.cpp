#include "ui/CEditMemoryDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "desktop/QtText.h"
#include "model/CVersion.h"
#include "ui/CKeptCharacterValidator.h"
#include "ui/CRadioCommands.h"
#include "ui/ChannelChoices.h"
#include "ui/FrequencyNote.h"
#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {
// Checks one button of a group, or none (nullptr).
void CheckOnly(std::initializer_list<QRadioButton*> group, QRadioButton* checked) {
    for (QRadioButton* button : group) {
        button->setAutoExclusive(false);
        button->setChecked(button == checked);
        button->setAutoExclusive(true);
    }
}

QLabel* BuddyLabel(int text, QWidget* buddy, QWidget* parent) {
    auto* label = MakeChild<QLabel>(Text(text), parent);
    label->setBuddy(buddy);
    return label;
}
}  // namespace

CEditMemoryDlg::CEditMemoryDlg(CRadioCommands& radio, Band band, unsigned channel, QWidget* parent)
    : QDialog(parent),
      radio_(radio),
      band_(band),
      channel_(channel),
      prefix_(ChannelPath(band, channel)) {
    setWindowTitle(Text(sid::kEditMemoryTitle));
    BuildControls();
    Show(ReadChannelEdit([this](std::string_view command) { return radio_.Query(command); },
                         prefix_));
    connect(frequency_, &QLineEdit::textChanged, this, &CEditMemoryDlg::UpdateNote);
    connect(frequency_, &QLineEdit::textChanged, this, &CEditMemoryDlg::UpdateControls);
}

void CEditMemoryDlg::BuildControls() {
    frequency_ = MakeChild<QLineEdit>(this);
    frequency_->setMaxLength(kFrequencyLength);
    duplex_ = MakeList(kDuplexTexts, this);
    offset_ = MakeChild<QLineEdit>(this);
    offset_->setMaxLength(kOffsetLength);
    step_ = MakeList(kStepTexts, this);
    name_ = MakeChild<QLineEdit>(this);
    name_->setMaxLength(kNameLength);
    name_->setValidator(CKeptCharacterValidator::ForChannelName(name_));

    auto* top = MakeChild<QGridLayout>();
    const std::array<std::pair<int, QWidget*>, 5> fields = {{{sid::kFrequencyLabel, frequency_},
                                                             {sid::kDuplexLabel, duplex_},
                                                             {sid::kOffsetLabel, offset_},
                                                             {sid::kStepLabel, step_},
                                                             {sid::kNameLabel, name_}}};
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        const auto& [text, control] = fields.at(static_cast<std::size_t>(i));
        top->addWidget(BuddyLabel(text, control, this), 0, i);
        top->addWidget(control, 1, i);
    }
    // The note's text is its accessible name, so a screen reader reads it as it changes.
    note_ = MakeChild<QLabel>(this);
    note_->setWordWrap(true);
    note_->setAccessibleDescription(Text(sid::kFrequencyNote));
    note_->hide();
    top->addWidget(note_, 2, 0, 1, static_cast<int>(fields.size()));

    auto* toneGroup = MakeChild<QGroupBox>(Text(sid::kToneGroup), this);
    toneOff_ = MakeChild<QRadioButton>(Text(sid::kToneOff), toneGroup);
    tone_ = MakeChild<QRadioButton>(Text(sid::kToneTone), toneGroup);
    tsql_ = MakeChild<QRadioButton>(Text(sid::kToneTsql), toneGroup);
    repeaterTone_ = MakeList(kToneTexts, toneGroup);
    repeaterTone_->setAccessibleDescription(Text(sid::kRepeaterToneList));
    squelchTone_ = MakeList(kToneTexts, toneGroup);
    squelchTone_->setAccessibleDescription(Text(sid::kSquelchToneList));
    auto* toneLayout = MakeChild<QGridLayout>(toneGroup);
    toneLayout->addWidget(toneOff_, 0, 0);
    toneLayout->addWidget(tone_, 1, 0);
    toneLayout->addWidget(repeaterTone_, 1, 1);
    toneLayout->addWidget(tsql_, 2, 0);
    toneLayout->addWidget(squelchTone_, 2, 1);

    auto* modeGroup = MakeChild<QGroupBox>(Text(sid::kModeGroup), this);
    fm_ = MakeChild<QRadioButton>(Text(sid::kModeFm), modeGroup);
    am_ = MakeChild<QRadioButton>(Text(sid::kModeAm), modeGroup);
    narrowFm_ = MakeChild<QRadioButton>(Text(sid::kModeNarrowFm), modeGroup);
    wideFm_ = MakeChild<QRadioButton>(Text(sid::kModeWideFm), modeGroup);
    wideFm_->hide();
    auto* modeLayout = MakeChild<QVBoxLayout>(modeGroup);
    for (QRadioButton* button : {fm_, am_, narrowFm_, wideFm_}) modeLayout->addWidget(button);
    modeLayout->addStretch();

    auto* skipGroup = MakeChild<QGroupBox>(Text(sid::kSkipGroup), this);
    skip_ = MakeList(kSkipTexts, skipGroup);
    auto* skipLayout = MakeChild<QVBoxLayout>(skipGroup);
    skipLayout->addWidget(skip_);
    skipLayout->addStretch();

    auto* cancel = MakeChild<QPushButton>(Text(sid::kCancel), this);
    auto* ok = MakeChild<QPushButton>(Text(sid::kOk), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CEditMemoryDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CEditMemoryDlg::reject);
    auto* buttons = MakeChild<QVBoxLayout>();
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* bottom = MakeChild<QHBoxLayout>();
    bottom->addWidget(toneGroup);
    bottom->addWidget(modeGroup);
    bottom->addWidget(skipGroup);
    bottom->addLayout(buttons);

    auto* layout = MakeChild<QVBoxLayout>(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* previous = frequency_;
    for (QWidget* next : std::initializer_list<QWidget*>{duplex_, offset_, step_, name_, toneOff_,
                                                         tone_, repeaterTone_, tsql_, squelchTone_,
                                                         fm_, am_, narrowFm_, skip_, cancel, ok}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void CEditMemoryDlg::Show(const ChannelEdit& edit) {
    frequency_->setText(ToQString(edit.frequency));
    offset_->setText(ToQString(edit.offset));
    SelectByPrefix(*duplex_, edit.duplex);
    SelectByPrefix(*repeaterTone_, edit.repeaterTone);
    SelectByPrefix(*squelchTone_, edit.squelchTone);
    SelectByPrefix(*step_, edit.tuningStep);
    name_->setText(ToQString(edit.name));
    QRadioButton* tone = nullptr;
    if (edit.toneMode == ToneMode::kOff) tone = toneOff_;
    if (edit.toneMode == ToneMode::kTone) tone = tone_;
    if (edit.toneMode == ToneMode::kTsql) tone = tsql_;
    CheckOnly({toneOff_, tone_, tsql_}, tone);
    QRadioButton* mode = fm_;
    if (edit.mode == ChannelMode::kAm) mode = am_;
    if (edit.mode == ChannelMode::kNarrowFm) mode = narrowFm_;
    if (edit.mode == ChannelMode::kWideFm) mode = wideFm_;
    CheckOnly({fm_, am_, narrowFm_, wideFm_}, mode);
    SelectByPrefix(*skip_, edit.skip);
    UpdateControls();
}

ChannelEdit CEditMemoryDlg::Values() const {
    ChannelEdit edit;
    edit.frequency = frequency_->text().toStdString();
    edit.offset = offset_->text().toStdString();
    edit.duplex = Selected(*duplex_);
    edit.repeaterTone = Selected(*repeaterTone_);
    edit.squelchTone = Selected(*squelchTone_);
    edit.tuningStep = Selected(*step_);
    edit.name = name_->text().toStdString();
    edit.toneMode = toneOff_->isChecked() ? ToneMode::kOff
                    : tone_->isChecked()  ? ToneMode::kTone
                    : tsql_->isChecked()  ? ToneMode::kTsql
                                          : ToneMode::kNone;
    edit.mode = am_->isChecked()         ? ChannelMode::kAm
                : wideFm_->isChecked()   ? ChannelMode::kWideFm
                : narrowFm_->isChecked() ? ChannelMode::kNarrowFm
                                         : ChannelMode::kFm;
    edit.skip = Selected(*skip_);
    return edit;
}

void CEditMemoryDlg::UpdateControls() {
    const bool used = !IsBlankFrequency(frequency_->text().toStdString());
    for (QWidget* control :
         std::initializer_list<QWidget*>{offset_, duplex_, step_, repeaterTone_, squelchTone_,
                                         toneOff_, tone_, tsql_, fm_, am_, narrowFm_, wideFm_}) {
        control->setEnabled(used);
    }
    skip_->setEnabled(used && channel_ < kFirstEdgeChannel);
    name_->setEnabled(used && !IsEdgeChannel(channel_));

    const int version = CVersion::NumberOf(radio_.Query("MODEL.COUNTRY"));
    narrowFm_->setVisible(CVersion::HasNarrowFm(version) && band_ == Band::kVhf);
}

void CEditMemoryDlg::UpdateNote() {
    const QString note = FrequencyNote(
        frequency_->text().toStdString(), band_,
        [this](std::string_view command) { return radio_.Query(command); }, prefix_);
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

void CEditMemoryDlg::accept() {
    const std::vector<std::string> commands = ChannelEditCommands(Values(), prefix_);
    (void)radio_.Apply(commands);
    QDialog::accept();
}

}  // namespace ql::ui

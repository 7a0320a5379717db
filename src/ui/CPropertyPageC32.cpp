// CPropertyPageC32: the " Display " page of the Setting sheet.
#include "ui/CPropertyPageC32.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "ui/CKeptCharacterValidator.h"
#include "ui/ControlTexts.h"
#include "ui/Pictures.h"
#include "ui/QtChild.h"
#include "ui/SettingTexts.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {

constexpr int kTitleLength = 8;
constexpr int kCommentLength = 16;

constexpr std::array<const char*, 4> kPictures = {
    ":/icons/display-type-1.svg", ":/icons/display-type-2.svg", ":/icons/display-type-3.svg",
    ":/icons/display-type-4.svg"};

}  // namespace

CPropertyPageC32::CPropertyPageC32(CRadioCommands& radio)
    : CPropertyPage(radio, sid::kDisplayPage) {
    frame_ = MakeChild<QGroupBox>(this);
    auto* grid = MakeChild<QGridLayout>(frame_);

    contrast_ = MakeSliderRow();
    bright_ = MakeSliderRow();
    int row = 0;
    for (const SliderRow* slider : {&contrast_, &bright_}) {
        grid->addWidget(slider->label, row, 0);
        grid->addWidget(slider->left, row, 1, Qt::AlignRight);
        grid->addWidget(slider->slider, row, 2, 1, 2);
        grid->addWidget(slider->right, row, 4);
        ++row;
    }

    typeLabel_ = MakeChild<QLabel>(frame_);
    type_ = MakeChild<QComboBox>(frame_);
    typeLabel_->setBuddy(type_);
    grid->addWidget(typeLabel_, row, 0);
    grid->addWidget(type_, row, 1, 1, 2, Qt::AlignLeft);
    // The four pictures share one rectangle; one of them is visible at a time.
    const QSize pictureSize(kPictureWidth, kPictureHeight);
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        pictures_[i] = MakeChild<QLabel>(frame_);
        pictures_[i]->setPixmap(Picture(kPictures[i], pictureSize, devicePixelRatioF()));
        pictures_[i]->setFixedSize(pictureSize);
        pictures_[i]->hide();
        grid->addWidget(pictures_[i], row, 3, 1, 2, Qt::AlignLeft);
    }
    ++row;

    titleLabel_ = MakeChild<QLabel>(frame_);
    title_ = MakeChild<QLineEdit>(frame_);
    titleLabel_->setBuddy(title_);
    grid->addWidget(titleLabel_, row, 0);
    grid->addWidget(title_, row, 1, 1, 2);
    ++row;
    commentLabel_ = MakeChild<QLabel>(frame_);
    comment_ = MakeChild<QLineEdit>(frame_);
    commentLabel_->setBuddy(comment_);
    grid->addWidget(commentLabel_, row, 0);
    grid->addWidget(comment_, row, 1, 1, 3);
    grid->setColumnStretch(3, 1);

    const int textWidth = comment_->fontMetrics().horizontalAdvance(QString(kCommentLength, 'W'));
    title_->setMinimumWidth(textWidth / 2 + 12);
    comment_->setMinimumWidth(textWidth + 12);
    title_->setValidator(CKeptCharacterValidator::ForCommonText("OPENING_TEXT", title_));
    comment_->setValidator(CKeptCharacterValidator::ForCommonText("CLONE_COMMENT", comment_));

    connect(type_, &QComboBox::currentIndexChanged, this, [this] { UpdatePicture(); });

    auto* layout = MakeChild<QVBoxLayout>(this);
    layout->addWidget(frame_);
    layout->addStretch(1);
    // Labelled from the start, so that the sheet is laid out for its texts; each
    // activation sets them again.
    SetLabels();
}

CPropertyPageC32::SliderRow CPropertyPageC32::MakeSliderRow() {
    SliderRow row;
    row.label = MakeChild<QLabel>(frame_);
    row.left = MakeChild<QLabel>(frame_);
    row.slider = MakeChild<QSlider>(Qt::Horizontal, frame_);
    row.slider->setTickPosition(QSlider::TicksBelow);
    row.slider->setTickInterval(1);
    row.slider->setSingleStep(1);
    row.slider->setPageStep(4);
    row.slider->setMinimumWidth(260);
    row.right = MakeChild<QLabel>(frame_);
    row.label->setBuddy(row.slider);
    return row;
}

void CPropertyPageC32::SetLabels() {
    frame_->setTitle(Text(sid::kDisplayFrame));
    contrast_.label->setText(Text(sid::kContrastControl));
    bright_.label->setText(Text(sid::kBrightControl));
    for (SliderRow* row : {&contrast_, &bright_}) {
        row->left->setText(Text(sid::kSliderLeftEnd));
        row->right->setText(Text(sid::kSliderRightEnd));
        NameBy(*row->label, *row->slider);
    }
    typeLabel_->setText(Text(sid::kDisplayType));
    NameBy(*typeLabel_, *type_);
    for (QLabel* picture : pictures_) picture->setAccessibleName(Text(sid::kDisplayPicture));
    titleLabel_->setText(Text(sid::kOpeningTitle));
    NameBy(*titleLabel_, *title_);
    commentLabel_->setText(Text(sid::kCommentLabel));
    NameBy(*commentLabel_, *comment_);
}

void CPropertyPageC32::OnSetActive() {
    SetLabels();
    title_->setMaxLength(kTitleLength);
    comment_->setMaxLength(kCommentLength);
    FillList(*type_, ShownTexts(kTypePairs));

    // The model pads its texts with blanks to their full length (and pads them again when
    // they are assigned); shown padded, a box would be full before the user types.
    title_->setText(ToQString(TrimRight(Query(CommonQuery("OPENING_TEXT")))));
    comment_->setText(ToQString(TrimRight(Query(CommonQuery("CLONE_COMMENT")))));
    {
        // The picture follows at the end, once for the final selection.
        const QSignalBlocker quiet(type_);
        SelectText(*type_, kType.Shown(Query(CommonQuery("DISPLAY_TYPE"))));
    }
    const int contrast = PositionOf(kPercent, Query(CommonQuery("LCD_CONTRAST")), kLastPercent);
    const int bright = PositionOf(kPercent, Query(CommonQuery("LCD_BACKLIGHT")), kLastPercent);
    for (const SliderRow* row : {&contrast_, &bright_}) row->slider->setRange(0, kLastPercent);
    contrast_.slider->setValue(contrast);
    bright_.slider->setValue(bright);

    pictureIndex_.reset();
    UpdatePicture();
}

void CPropertyPageC32::UpdatePicture() {
    const int selected = type_->currentIndex();
    if (pictureIndex_ == selected) return;
    pictureIndex_ = selected;
    for (QLabel* picture : pictures_) picture->hide();
    // Types A to C have pictures 1 to 3; the fourth stands for type D and for no selection.
    pictureShown_ = selected >= 0 && selected < 3 ? selected : 3;
    pictures_[static_cast<std::size_t>(pictureShown_)]->show();
}

void CPropertyPageC32::OnKillActive() {
    Apply({
        CommonAssignment("DISPLAY_TYPE", kType.Value(ListText(*type_))),
        CommonAssignment("LCD_BACKLIGHT", TextAt(kPercent, bright_.slider->value(), kPercent[0])),
        CommonAssignment("LCD_CONTRAST", TextAt(kPercent, contrast_.slider->value(), kPercent[0])),
        CommonAssignment("OPENING_TEXT", TrimmedOrBlank(title_->text().toStdString())),
        CommonAssignment("CLONE_COMMENT", TrimmedOrBlank(comment_->text().toStdString())),
    });
}

}  // namespace ql::ui

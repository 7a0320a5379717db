// CPropertyPageC33: the " MIC Option " page of the Setting sheet.
#include "ui/CPropertyPageC33.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/ControlTexts.h"
#include "ui/QtChild.h"
#include "ui/SettingTexts.h"
#include "ui/StringTable.h"

namespace ql::ui {

CPropertyPageC33::CPropertyPageC33(CRadioCommands& radio)
    : CPropertyPage(radio, sid::kMicOptionPage) {
    functionsFrame_ = MakeChild<QGroupBox>(this);
    for (Row& key : keys_) key = MakeRow(functionsFrame_);
    auto* functions = MakeChild<QGridLayout>(functionsFrame_);
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        functions->addWidget(keys_[i].label, static_cast<int>(i), 0);
        functions->addWidget(keys_[i].list, static_cast<int>(i), 1);
    }
    functions->setColumnStretch(1, 1);

    optionFrame_ = MakeChild<QGroupBox>(this);
    auto* option = MakeChild<QGridLayout>(optionFrame_);
    address_ = MakeRow(optionFrame_);
    option->addWidget(address_.label, 0, 0);
    option->addWidget(address_.list, 0, 1);
    option->setRowStretch(1, 1);

    auto* frames = MakeChild<QHBoxLayout>();
    frames->addWidget(functionsFrame_, 1, Qt::AlignTop);
    frames->addWidget(optionFrame_, 1);
    auto* layout = MakeChild<QVBoxLayout>(this);
    layout->addLayout(frames);
    layout->addStretch(1);
    // Labelled from the start, so that the sheet is laid out for its texts; each
    // activation sets them again.
    SetLabels();
}

void CPropertyPageC33::SetLabels() {
    functionsFrame_->setTitle(Text(sid::kMicFunctions));
    optionFrame_->setTitle(Text(sid::kOptionMic));
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        keys_[i].label->setText(Text(kKeyLabels[i]));
        NameBy(*keys_[i].label, *keys_[i].list);
    }
    address_.label->setText(Text(sid::kMicAddress));
    NameBy(*address_.label, *address_.list);
}

void CPropertyPageC33::OnSetActive() {
    SetLabels();
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        FillList(*keys_[i].list, ShownTexts(kFunctionPairs));
        SelectText(*keys_[i].list, kFunction.Shown(Query(CommonQuery(kKeyItems[i]))));
    }
    FillList(*address_.list, ShownTexts(kAddressPairs));
    SelectText(*address_.list, kAddress.Shown(Query(CommonQuery("MIC_ID"))));
}

void CPropertyPageC33::OnKillActive() {
    std::vector<std::string> commands;
    commands.reserve(keys_.size() + 1);
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        commands.push_back(
            CommonAssignment(kKeyItems[i], kFunction.Value(ListText(*keys_[i].list))));
    }
    commands.push_back(CommonAssignment("MIC_ID", kAddress.Value(ListText(*address_.list))));
    Apply(commands);
}

}  // namespace ql::ui

#include "app/CPlaceholderView.h"

#include "app/CDocRadioCommands.h"
#include "app/CQL7400Doc.h"
#include "ui/SettingsDialogs.h"
#include "ui/StringTable.h"

namespace ql {

namespace {
constexpr int kVhf = 0;
constexpr int kUhf = 1;
}  // namespace

CPlaceholderView::CPlaceholderView(CQL7400Doc& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setAccessibleName(QStringLiteral("Channel list"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

bool CPlaceholderView::IsEnabled(int command) {
    return command == ui::cmd::kVhfMemory || command == ui::cmd::kUhfMemory ||
           command == ui::cmd::kCommonSetting || command == ui::cmd::kDtmfAutoDial;
}

bool CPlaceholderView::IsChecked(int command) {
    const int band = doc_.RadioData().CurrentBand();
    return (command == ui::cmd::kVhfMemory && band == kVhf) ||
           (command == ui::cmd::kUhfMemory && band == kUhf);
}

void CPlaceholderView::Execute(int command) {
    if (command == ui::cmd::kCommonSetting || command == ui::cmd::kDtmfAutoDial) {
        CDocRadioCommands radio(doc_);
        if (command == ui::cmd::kCommonSetting) ui::RunCommonSettingSheet(radio, window());
        if (command == ui::cmd::kDtmfAutoDial) ui::RunDtmfAutodial(radio, window());
        return;
    }
    if (command != ui::cmd::kVhfMemory && command != ui::cmd::kUhfMemory) return;
    doc_.RadioData().SetCurrentBand(command == ui::cmd::kVhfMemory ? kVhf : kUhf);
    Refresh();
}

}  // namespace ql

#include "ui/SettingsDialogs.h"

#include <memory>

#include "ui/CDtmfAutodialDlg.h"
#include "ui/CFixedFontPropertySheet.h"
#include "ui/CPropertyPageC31.h"
#include "ui/CPropertyPageC32.h"
#include "ui/CPropertyPageC33.h"
#include "ui/StringTable.h"

namespace ql::ui {

void RunCommonSettingSheet(CRadioCommands& radio, QWidget* parent) {
    CFixedFontPropertySheet sheet(Text(sid::kSettingCaption), parent);
    sheet.AddPage(std::make_unique<CPropertyPageC31>(radio));
    sheet.AddPage(std::make_unique<CPropertyPageC32>(radio));
    sheet.AddPage(std::make_unique<CPropertyPageC33>(radio));
    // OK and Cancel end alike for the caller: the pages have sent what they had to.
    sheet.exec();
}

void RunDtmfAutodial(CRadioCommands& radio, QWidget* parent) {
    CDtmfAutodialDlg dialog(radio, parent);
    dialog.exec();
}

}  // namespace ql::ui

#include "ui/CPropertyPage.h"

#include "ui/CRadioCommands.h"
#include "ui/StringTable.h"

namespace ql::ui {

CPropertyPage::CPropertyPage(CRadioCommands& radio, int titleId)
    : radio_(radio), titleId_(titleId) {}

QString CPropertyPage::Title() const {
    return Text(titleId_);
}

std::string CPropertyPage::Query(std::string_view command) {
    return radio_.Query(command);
}

void CPropertyPage::Apply(const std::vector<std::string>& commands) {
    radio_.Apply(commands);
}

}  // namespace ql::ui

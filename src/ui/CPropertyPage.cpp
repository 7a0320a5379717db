#include "ui/CPropertyPage.h"

#include <QComboBox>
#include <QLabel>

#include "ui/CRadioCommands.h"
#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql::ui {

CPropertyPage::CPropertyPage(CRadioCommands& radio, int titleId)
    : radio_(radio), titleId_(titleId) {}

CPropertyPage::Row CPropertyPage::MakeRow(QWidget* parent) {
    Row row;
    row.label = MakeChild<QLabel>(parent);
    row.list = MakeChild<QComboBox>(parent);
    row.list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    row.label->setBuddy(row.list);
    return row;
}

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

#include "ui/ControlTexts.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "ui/StringTable.h"

namespace ql::ui {

void FillList(QComboBox& list, std::span<const std::string_view> entries) {
    const QSignalBlocker quiet(list);
    list.clear();
    for (const std::string_view entry : entries) list.addItem(ToQString(entry));
}

void SelectText(QComboBox& list, std::string_view text) {
    list.setCurrentIndex(list.findText(ToQString(text), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

std::string ListText(const QComboBox& list) {
    return list.currentIndex() < 0 ? std::string() : list.currentText().toStdString();
}

void NameBy(QLabel& label, QWidget& control) {
    label.setBuddy(&control);
    control.setAccessibleName(WithoutMnemonic(label.text()));
}

}  // namespace ql::ui

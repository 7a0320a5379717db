#include "ui/ChannelChoices.h"

#include "desktop/QtText.h"

namespace ql::ui {

void SelectByPrefix(QComboBox& list, const std::string& text) {
    const QString wanted = ToQString(text);
    for (int i = 0; i < list.count(); ++i) {
        if (list.itemText(i).startsWith(wanted, Qt::CaseInsensitive)) {
            list.setCurrentIndex(i);
            return;
        }
    }
    list.setCurrentIndex(-1);
}

std::string Selected(const QComboBox& list) {
    return list.currentIndex() < 0 ? std::string() : list.currentText().toStdString();
}

}  // namespace ql::ui

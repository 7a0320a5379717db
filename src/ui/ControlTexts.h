#pragma once

#include <QString>
#include <span>
#include <string>
#include <string_view>

#include "desktop/QtText.h"

class QComboBox;
class QLabel;
class QWidget;

namespace ql::ui {

// Empties a drop-down list and fills it with entries, in order, without notifying anyone.
void FillList(QComboBox& list, std::span<const std::string_view> entries);
// Selects the entry whose text is exactly text; no entry is selected when none is.
void SelectText(QComboBox& list, std::string_view text);
// The selected entry's text; empty when nothing is selected.
[[nodiscard]] std::string ListText(const QComboBox& list);

// Makes label the visible name of control: its buddy for assistive technology and for the
// keyboard, and the control's accessible name.
void NameBy(QLabel& label, QWidget& control);

}  // namespace ql::ui
